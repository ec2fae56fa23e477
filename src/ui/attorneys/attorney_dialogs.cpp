// The Attorneys tab's dialogs, made once and registered with the main window.
#include "ui/attorneys/add_attorney_form.h"
#include "ui/attorneys/add_fee_schedule_form.h"
#include "ui/attorneys/attorney_billing_rate_form.h"
#include "ui/attorneys/change_attorney_form.h"
#include "ui/attorneys/change_fee_schedules_form.h"
#include "ui/attorneys/delete_attorney_form.h"
#include "ui/attorneys/delete_fee_schedule_form.h"
#include "ui/attorneys/display_fee_schedules_form.h"
#include "ui/shell/application.h"
#include "ui/shell/clients_form.h"
#include "ui/shell/command_dialogs.h"

namespace vrk::ui {

void registerAttorneyDialogs(Application& app, AppServices& services) {
  addCommandForm<TAddAttorneyForm>(app, services, "TAddAttorneyForm");
  addCommandForm<TChangeAttorneyForm>(app, services, "TChangeAttorneyForm");
  addCommandForm<TDeleteAttorneyForm>(app, services, "TDeleteAttorneyForm");
  addCommandForm<TAddFeeScheduleForm>(app, services, "TAddFeeScheduleForm");
  addCommandForm<TChangeFeeSchedulesForm>(app, services, "TChangeFeeSchedulesForm");
  addCommandForm<TDeleteFeeScheduleForm>(app, services, "TDeleteFeeScheduleForm");
  addCommandForm<TDisplayFeeSchedulesForm>(app, services, "TDisplayFeeSchedulesForm");
  // Opened by the cumulative hours-and-fees report: find it among the main window's children.
  new TAttorneyBillingRateForm(services, app.mainWindow());
}

}  // namespace vrk::ui
