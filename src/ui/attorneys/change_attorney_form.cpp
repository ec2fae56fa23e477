#include "ui/attorneys/change_attorney_form.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "ui/attorneys/attorney_grid_view.h"
#include "ui/attorneys/form_parts.h"
#include "ui/common/capitals.h"

namespace vrk::ui {

TChangeAttorneyForm::TChangeAttorneyForm(AppServices& services, QWidget* parent)
    : AttorneyForm(services, parent),
      from_(new QComboBox(this)),
      to_(new QLineEdit(this)),
      grid_(new AttorneyGridView(this)) {
  setObjectName(QStringLiteral("TChangeAttorneyForm"));
  from_->setObjectName(QStringLiteral("FromComboBox"));
  from_->setEditable(true);
  from_->setInsertPolicy(QComboBox::NoInsert);
  to_->setObjectName(QStringLiteral("ToEditBox"));
  capitaliseOnLeave(from_);
  capitaliseOnLeave(to_);
  connect(grid_, &QTableWidget::cellClicked, this, [this](int row, int) {
    if (!logic_) return;
    if (const auto initials = attorneys::initialsOfRow(logic_->grid(), row))
      from_->setEditText(platform::fromStored(*initials));
  });

  auto* save = namedButton(QStringLiteral("Save"), QStringLiteral("SaveButton"), this);
  auto* cancel = namedButton(QStringLiteral("Cancel"), QStringLiteral("CancelButton"), this);
  connect(save, &QPushButton::clicked, this, &TChangeAttorneyForm::save);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* boxes = new QFormLayout;
  boxes->addRow(QStringLiteral("Change Attorney Initials From"), from_);
  boxes->addRow(QStringLiteral("To"), to_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(grid_, 1);
  layout->addLayout(boxes);
  layout->addLayout(buttonRow({save, cancel}));
}

void TChangeAttorneyForm::openRegister() {
  logic_.emplace(folder());
  grid_->showGrid(logic_->grid());
  from_->clear();
  for (const auto& initials : logic_->initials()) from_->addItem(platform::fromStored(initials));
  from_->setCurrentIndex(-1);
  from_->setEditText({});
  to_->clear();
}

void TChangeAttorneyForm::closeDown() {
  logic_.reset();
  grid_->clearGrid();
}

void TChangeAttorneyForm::save() {
  if (!logic_) return;
  const std::string from = platform::toStored(from_->currentText());
  const std::string to = platform::toStored(to_->text());
  act([&] { return logic_->save(from, to); });
}

}  // namespace vrk::ui
