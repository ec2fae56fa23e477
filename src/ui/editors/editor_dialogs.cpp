#include "ui/editors/editor_dialogs.h"

#include "ui/editors/cost_credit_records_editor.h"
#include "ui/editors/matters_editor.h"
#include "ui/editors/payment_records_editor.h"
#include "ui/editors/time_records_editor.h"
#include "ui/shell/application.h"
#include "ui/shell/command_dialogs.h"

namespace vrk::ui {

void registerEditorDialogs(Application& app, AppServices& services) {
  addCommandForm<TReviewChangeClientMattersForm>(app, services, "TReviewChangeClientMattersForm");
  addCommandForm<TReviewChangeClientTimeRecordsForm>(app, services, "TReviewChangeClientTimeRecordsForm");
  addCommandForm<TReviewChangeClientCostCreditRecordsForm>(app, services, "TReviewChangeClientCostCreditRecordsForm");
  addCommandForm<TReviewChangeClientPaymentRecordsForm>(app, services, "TReviewChangeClientPaymentRecordsForm");
}

}  // namespace vrk::ui
