#include "ui/records/change_cost_credit_record_form.h"

namespace vrk::ui {

TChangeCostCreditRecordForm::TChangeCostCreditRecordForm(AppServices& services, QWidget* parent)
    : ChangeRecordForm(services, parent, QStringLiteral("TChangeCostCreditRecordForm"),
                       QStringLiteral("Change Cost/Credit Record For Client/Matter/Date")) {}

}  // namespace vrk::ui
