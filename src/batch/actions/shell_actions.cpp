// vrk-batch: change-billing-period and the data-file checks.
#include "batch/actions/actions.h"
#include "batch/registry.h"
#include "core/store/billing_period.h"
#include "core/store/presence_report.h"

namespace vrk::batch {
namespace {

ActionResult changeBillingPeriod(Context& context, const FieldValues& fields, dialog::Prompter&) {
  store::BillingPeriodQuery query(context.period);
  ActionResult result{query.ok(fields.get("month"), fields.get("year")), {}};
  context.period = query.period();
  // As the main window does after the dialog: open the period, creating its folder.
  if (!context.dataFilesPath.empty()) {
    const std::string problem = store::ensureBillingPeriodFolder(context.folder());
    if (!problem.empty()) result.outcome.error(problem);
  }
  result.report.push_back(store::billingPeriodLabel(context.period));
  return result;
}

}  // namespace

void registerShellActions(Registry& registry) {
  registry.add(Action{{"change-billing-period", "Change Billing Period: the month and year boxes", {"month", "year"}},
                      changeBillingPeriod});
  registry.add(DocumentAction{
      {"checks", "What each data-file check says of the billing period's folder", {}},
      [](Context& context, const FieldValues&, document::SinkKind) {
        return store::presenceReport(context.folder(), context.period);
      }});
}

}  // namespace vrk::batch
