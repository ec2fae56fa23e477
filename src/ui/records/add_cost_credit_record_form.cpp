#include "ui/records/add_cost_credit_record_form.h"

namespace vrk::ui {

TAddCostCreditRecordForm::TAddCostCreditRecordForm(AppServices& services, QWidget* parent)
    : AddRecordForm(services, parent, QStringLiteral("TAddCostCreditRecordForm"),
                    QStringLiteral("Add A Cost Or Credit Record")) {}

}  // namespace vrk::ui
