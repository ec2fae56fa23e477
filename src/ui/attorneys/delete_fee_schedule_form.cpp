#include "ui/attorneys/delete_fee_schedule_form.h"

#include <QComboBox>
#include <QVBoxLayout>

#include "core/attorneys/attorney_messages.h"
#include "ui/attorneys/attorney_grid_view.h"
#include "ui/attorneys/form_parts.h"

namespace vrk::ui {

TDeleteFeeScheduleForm::TDeleteFeeScheduleForm(AppServices& services, QWidget* parent)
    : AttorneyForm(services, parent), number_(new QComboBox(this)), grid_(new AttorneyGridView(this)) {
  setObjectName(QStringLiteral("TDeleteFeeScheduleForm"));
  number_->setObjectName(QStringLiteral("DeleteFeeScheduleComboBox"));
  number_->setEditable(true);
  number_->setInsertPolicy(QComboBox::NoInsert);
  connect(grid_, &QTableWidget::cellClicked, this, [this](int, int column) {
    if (!logic_) return;
    const std::string number = logic_->numberOfColumn(column);
    if (!number.empty()) number_->setEditText(platform::fromStored(number));
  });

  auto* remove = namedButton(QStringLiteral("Delete"), QStringLiteral("DeleteButton"), this);
  auto* cancel = namedButton(QStringLiteral("Cancel"), QStringLiteral("CancelButton"), this);
  connect(remove, &QPushButton::clicked, this, &TDeleteFeeScheduleForm::remove);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(namedLabel("Delete Fee Schedule", QStringLiteral("TitleLabel"), this));
  layout->addWidget(grid_, 1);
  layout->addWidget(namedLabel(attorneys::kDeleteScheduleLabel, QStringLiteral("DeleteScheduleLabel"), this));
  layout->addWidget(number_);
  layout->addLayout(buttonRow({remove, cancel}));
}

void TDeleteFeeScheduleForm::openRegister() {
  logic_.emplace(folder());
  grid_->showGrid(logic_->grid());
  number_->clear();
  for (const auto& number : logic_->choices()) number_->addItem(platform::fromStored(number));
  number_->setCurrentIndex(-1);
  number_->setEditText({});
}

void TDeleteFeeScheduleForm::closeDown() {
  logic_.reset();
  grid_->clearGrid();
}

void TDeleteFeeScheduleForm::remove() {
  if (!logic_) return;
  const std::string number = platform::toStored(number_->currentText());
  act([&] { return logic_->remove(number); });
}

}  // namespace vrk::ui
