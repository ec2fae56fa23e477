// vrk-batch: change-billing-period and the data-file checks.
#include "batch/actions/actions.h"
#include "batch/registry.h"
#include "core/shell/guards.h"
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

// What the guards of a main-window command say, in the message format of `do`.
document::Document guardReport(Context& context, const FieldValues& fields, document::SinkKind) {
  const std::string name = fields.get("");
  const shell::Command* command = shell::findCommand(name);
  if (!command) throw UsageError("no main-window command is named " + name);
  if (context.dataFilesPath.empty()) context.folder();  // reports the missing data directory
  dialog::FixedPrompter prompter(context.answer.value_or(false));
  const auto outcome = shell::runGuards(*command, context.dataFilesPath, context.period, prompter);
  document::Document report;
  const auto add = [&](std::string text) { report.lines.push_back({{{std::move(text)}}}); };
  for (const auto& message : outcome.messages) {
    add(std::string("[") + dialog::messageKindName(message.kind) + "]");
    add(message.text);
  }
  add(outcome.closing == dialog::Closing::Ok ? "OK" : "REFUSED");
  return report;
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
  registry.add(DocumentAction{
      {"guard", "What the guards of a main-window command say (COMMAND: its button label in hyphenated words)", {""}},
      guardReport});
}

}  // namespace vrk::batch
