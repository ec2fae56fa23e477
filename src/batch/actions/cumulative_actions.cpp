// vrk-batch's cumulative reports: the hours-and-fees, costs and credits reports of a matter and the
// payments report of a client, over the billing-period folders from a beginning to a final period.
#include <string>

#include "batch/actions/actions.h"
#include "batch/registry.h"
#include "core/attorneys/attorney_billing_rate.h"
#include "core/reports/cumulative_payments.h"
#include "core/reports/cumulative_reports.h"
#include "core/rules/input_rules.h"

namespace vrk::batch {
namespace {

using rules::capitals;

constexpr const char* kCustomRate = "custom-rate-";

// "MM/YYYY" split at the slash into the month and year boxes exactly as typed; without a slash
// the whole text is the month box and the year box stays empty.
void splitPeriod(const std::string& text, std::string& month, std::string& year) {
  const auto slash = text.find('/');
  month = text.substr(0, slash);
  year = slash == std::string::npos ? std::string() : text.substr(slash + 1);
}

reports::PeriodBoxes periodBoxes(const FieldValues& fields) {
  reports::PeriodBoxes boxes;
  splitPeriod(fields.get("beginning"), boxes.beginningMonth, boxes.beginningYear);
  splitPeriod(fields.get("final"), boxes.finalMonth, boxes.finalYear);
  return boxes;
}

reports::ReportRun reportRun(const Context& context) {
  reports::ReportRun run;
  run.today = context.today;
  return run;
}

// The rate typed for an attorney met in a custom-rate run, checked as the rate dialog checks it.
double customRate(const FieldValues& fields, const std::string& initials) {
  const std::string name = kCustomRate + initials;
  if (!fields.has(name)) throw UsageError("no custom rate given for attorney " + initials + " (" + name + "=)");
  attorneys::AttorneyBillingRate box(initials);
  if (box.ok(fields.get(name)).closing != dialog::Closing::Ok)
    throw UsageError(name + ": enter a rate from 0.01 to 99,999.99");
  return box.rate();
}

bool hasCustomRates(const FieldValues& fields) {
  for (const auto& field : fields.all())
    if (field.first.rfind(kCustomRate, 0) == 0) return true;
  return false;
}

document::Document madeOrRefused(reports::ReportResult result) {
  if (!result.document) throw DocumentRefused{std::move(result.outcome)};
  return std::move(*result.document);
}

document::Document matterReport(Context& context, const FieldValues& fields, reports::MatterReportKind kind) {
  reports::MatterReportBoxes boxes;
  boxes.client = capitals(fields.get("client"));
  boxes.matter = fields.get("matter");
  boxes.periods = periodBoxes(fields);
  for (int k = 1; k <= reports::kTitleLines; ++k) boxes.title.push_back(fields.get("title-" + std::to_string(k)));
  reports::ReportRun run = reportRun(context);
  if (kind == reports::MatterReportKind::HoursAndFees && hasCustomRates(fields)) {
    run.rates = reports::RateChoice::Custom;
    run.askRate = [&fields](const std::string& initials) { return customRate(fields, initials); };
  }
  const reports::CumulativeMatterReport report(context.dataFilesPath, context.period, kind);
  return madeOrRefused(report.print(boxes, run));
}

document::Document paymentsReport(Context& context, const FieldValues& fields, document::SinkKind) {
  const reports::CumulativePaymentsReport report(context.dataFilesPath, context.period);
  return madeOrRefused(report.print({capitals(fields.get("client")), periodBoxes(fields)}, reportRun(context)));
}

std::vector<std::string> matterFields(bool rates) {
  std::vector<std::string> fields{"client", "matter", "beginning", "final"};
  for (int k = 1; k <= reports::kTitleLines; ++k) fields.push_back("title-" + std::to_string(k));
  if (rates) fields.push_back(std::string(kCustomRate) + "*");
  return fields;
}

}  // namespace

void registerCumulativeActions(Registry& registry) {
  const std::string range = " from beginning=MM/YYYY to final=MM/YYYY";
  registry.add(DocumentAction{
      {"cumulative-hours-and-fees",
       "Print Cumulative Hours And Fees Report For A Matter" + range +
           " (title-1 .. title-6); custom-rate-INITIALS=RATE for every attorney met switches from the rates "
           "in effect to custom rates",
       matterFields(true), "Print Cumulative Hours And Fees Report For A Matter"},
      [](Context& context, const FieldValues& fields, document::SinkKind) {
        return matterReport(context, fields, reports::MatterReportKind::HoursAndFees);
      }});
  registry.add(DocumentAction{
      {"cumulative-costs", "Print Cumulative Costs Report For A Matter" + range + " (title-1 .. title-6)",
       matterFields(false), "Print Cumulative Costs Report For A Matter"},
      [](Context& context, const FieldValues& fields, document::SinkKind) {
        return matterReport(context, fields, reports::MatterReportKind::Costs);
      }});
  registry.add(DocumentAction{
      {"cumulative-credits", "Print Cumulative Credits Report For A Matter" + range + " (title-1 .. title-6)",
       matterFields(false), "Print Cumulative Credits Report For A Matter"},
      [](Context& context, const FieldValues& fields, document::SinkKind) {
        return matterReport(context, fields, reports::MatterReportKind::Credits);
      }});
  registry.add(DocumentAction{{"cumulative-payments", "Print Cumulative Payments Report For A Client" + range,
                               {"client", "beginning", "final"},
                               "Print Cumulative Payments Report For A Client"},
                              paymentsReport});
}

}  // namespace vrk::batch
