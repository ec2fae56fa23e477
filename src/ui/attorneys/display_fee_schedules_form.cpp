#include "ui/attorneys/display_fee_schedules_form.h"

#include <QVBoxLayout>

#include "ui/attorneys/attorney_grid_view.h"
#include "ui/attorneys/form_parts.h"
#include "ui/common/printer_choice.h"

namespace vrk::ui {

TDisplayFeeSchedulesForm::TDisplayFeeSchedulesForm(AppServices& services, QWidget* parent)
    : AttorneyForm(services, parent), grid_(new AttorneyGridView(this)) {
  setObjectName(QStringLiteral("TDisplayFeeSchedulesForm"));
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  auto* print = namedButton(QStringLiteral("Print"), QStringLiteral("PrintButton"), this);
  auto* cancel = namedButton(QStringLiteral("Cancel"), QStringLiteral("CancelButton"), this);
  connect(print, &QPushButton::clicked, this, &TDisplayFeeSchedulesForm::print);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(namedLabel("Display/Print Fee Schedules", QStringLiteral("TitleLabel"), this));
  layout->addWidget(grid_, 1);
  layout->addLayout(buttonRow({print, cancel}));
}

void TDisplayFeeSchedulesForm::openRegister() {
  logic_.emplace(folder());
  grid_->showGrid(logic_->grid());
}

void TDisplayFeeSchedulesForm::closeDown() {
  logic_.reset();
  grid_->clearGrid();
}

void TDisplayFeeSchedulesForm::print() {
  if (!logic_) return;
  const auto printout = logic_->printout(services().session.billingPeriod, services().clock.today());
  if (services().printer.print(this, printout)) accept();
}

}  // namespace vrk::ui
