#include "ui/attorneys/add_fee_schedule_form.h"

#include <QVBoxLayout>

#include "ui/attorneys/attorney_grid_view.h"
#include "ui/attorneys/form_parts.h"

namespace vrk::ui {

TAddFeeScheduleForm::TAddFeeScheduleForm(AppServices& services, QWidget* parent)
    : AttorneyForm(services, parent), grid_(new AttorneyGridView(this)) {
  setObjectName(QStringLiteral("TAddFeeScheduleForm"));
  connect(grid_, &AttorneyGridView::cellTyped, this, [this](int row, int column, const std::string& text) {
    if (logic_) logic_->setCell(row, column, text);
  });
  auto* save = namedButton(QStringLiteral("Save"), QStringLiteral("SaveButton"), this);
  auto* cancel = namedButton(QStringLiteral("Cancel"), QStringLiteral("CancelButton"), this);
  connect(save, &QPushButton::clicked, this, &TAddFeeScheduleForm::save);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(namedLabel("Add A Fee Schedule", QStringLiteral("TitleLabel"), this));
  layout->addWidget(grid_, 1);
  layout->addLayout(buttonRow({save, cancel}));
}

void TAddFeeScheduleForm::openRegister() {
  logic_.emplace(folder());
  grid_->showGrid(logic_->grid(), [this](int row, int column) { return logic_->selectable(row, column); });
}

void TAddFeeScheduleForm::closeDown() {
  logic_.reset();
  grid_->clearGrid();
}

void TAddFeeScheduleForm::save() {
  if (!logic_) return;
  grid_->finishEditing();
  const dialog::Outcome outcome = act([&] { return logic_->save(); });
  if (!outcome.closed() && logic_) grid_->refreshTexts(logic_->grid());
}

}  // namespace vrk::ui
