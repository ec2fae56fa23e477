#include "ui/attorneys/delete_attorney_form.h"

#include <QComboBox>
#include <QVBoxLayout>

#include "core/attorneys/attorney_messages.h"
#include "ui/attorneys/attorney_grid_view.h"
#include "ui/attorneys/form_parts.h"
#include "ui/common/capitals.h"

namespace vrk::ui {

TDeleteAttorneyForm::TDeleteAttorneyForm(AppServices& services, QWidget* parent)
    : AttorneyForm(services, parent), initials_(new QComboBox(this)), grid_(new AttorneyGridView(this)) {
  setObjectName(QStringLiteral("TDeleteAttorneyForm"));
  initials_->setObjectName(QStringLiteral("DeleteAttorneyComboBox"));
  initials_->setEditable(true);
  initials_->setInsertPolicy(QComboBox::NoInsert);
  capitaliseOnLeave(initials_);
  connect(grid_, &QTableWidget::cellClicked, this, [this](int row, int) {
    if (!logic_) return;
    if (const auto initials = attorneys::initialsOfRow(logic_->grid(), row))
      initials_->setEditText(platform::fromStored(*initials));
  });

  auto* remove = namedButton(QStringLiteral("Delete"), QStringLiteral("DeleteButton"), this);
  auto* cancel = namedButton(QStringLiteral("Cancel"), QStringLiteral("CancelButton"), this);
  connect(remove, &QPushButton::clicked, this, &TDeleteAttorneyForm::remove);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(grid_, 1);
  layout->addWidget(namedLabel(attorneys::kDeleteAttorneyLabel, QStringLiteral("DeleteAttorneyLabel"), this));
  layout->addWidget(initials_);
  layout->addLayout(buttonRow({remove, cancel}));
}

void TDeleteAttorneyForm::openRegister() {
  logic_.emplace(folder());
  grid_->showGrid(logic_->grid());
  initials_->clear();
  for (const auto& initials : logic_->initials()) initials_->addItem(platform::fromStored(initials));
  initials_->setCurrentIndex(-1);
  initials_->setEditText({});
}

void TDeleteAttorneyForm::closeDown() {
  logic_.reset();
  grid_->clearGrid();
}

void TDeleteAttorneyForm::remove() {
  if (!logic_) return;
  const std::string initials = platform::toStored(initials_->currentText());
  act([&] { return logic_->remove(initials); });
}

}  // namespace vrk::ui
