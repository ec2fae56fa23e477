// The billing record dialogs, made once and registered with the main window.
#include "ui/records/add_client_payment_form.h"
#include "ui/records/add_cost_credit_record_form.h"
#include "ui/records/add_time_record_form.h"
#include "ui/records/change_client_payment_form.h"
#include "ui/records/change_cost_credit_record_form.h"
#include "ui/records/change_time_record_form.h"
#include "ui/records/delete_client_payment_form.h"
#include "ui/records/delete_cost_credit_record_form.h"
#include "ui/records/delete_time_record_form.h"
#include "ui/shell/application.h"
#include "ui/shell/clients_form.h"
#include "ui/shell/command_dialogs.h"

namespace vrk::ui {

void registerRecordDialogs(Application& app, AppServices& services) {
  addCommandForm<TAddTimeRecordForm>(app, services, "TAddTimeRecordForm");
  addCommandForm<TChangeTimeRecordForm>(app, services, "TChangeTimeRecordForm");
  addCommandForm<TDeleteTimeRecordForm>(app, services, "TDeleteTimeRecordForm");
  addCommandForm<TAddCostCreditRecordForm>(app, services, "TAddCostCreditRecordForm");
  addCommandForm<TChangeCostCreditRecordForm>(app, services, "TChangeCostCreditRecordForm");
  addCommandForm<TDeleteCostCreditRecordForm>(app, services, "TDeleteCostCreditRecordForm");
  addCommandForm<TAddClientPaymentForm>(app, services, "TAddClientPaymentForm");
  addCommandForm<TChangeClientPaymentForm>(app, services, "TChangeClientPaymentForm");
  addCommandForm<TDeleteClientPaymentForm>(app, services, "TDeleteClientPaymentForm");
}

}  // namespace vrk::ui
