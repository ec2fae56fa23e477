// vrk-batch's whole-period activity reports: print attorney-activity and print billing-activity,
// after the same gate the Reports tab runs before their dialogs.
#include "batch/actions/actions.h"
#include "batch/registry.h"
#include "core/statements/period_activity_reports.h"
#include "core/store/transaction.h"

namespace vrk::batch {

void registerActivityActions(Registry& registry) {
  registry.add(DocumentAction{
      {"attorney-activity",
       "Display/Print Attorney Activity Report For This Billing Period: each attorney's hours and fees over "
       "every client group",
       {},
       "Display/Print Attorney Activity Report For This Billing Period"},
      [](Context& context, const FieldValues&, document::SinkKind sink) {
        const store::Transaction tx(context.folder());
        return statements::periodAttorneyActivityReport(tx, context.period, context.today, sink);
      }});
  registry.add(DocumentAction{
      {"billing-activity",
       "Display/Print Billing Activity Report For This Billing Period: the thirteen totals over every "
       "client group",
       {},
       "Display/Print Billing Activity Report For This Billing Period"},
      [](Context& context, const FieldValues&, document::SinkKind sink) {
        const store::Transaction tx(context.folder());
        return statements::periodBillingActivityReport(tx, context.period, context.today, sink);
      }});
}

}  // namespace vrk::batch
