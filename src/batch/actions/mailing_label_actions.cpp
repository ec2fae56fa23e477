// vrk-batch's mailing labels: print mailing-labels selection=all|activity|CODE,CODE,… as the
// labels dialog and its selected-clients dialog print them.
#include <string>

#include "batch/actions/actions.h"
#include "batch/registry.h"
#include "core/reports/mailing_labels.h"
#include "core/rules/input_rules.h"

namespace vrk::batch {
namespace {

// "all" and "activity" (in small letters) are the dialog's first two choices, the preselected
// activity one when the field is not given; anything else is a list of client codes typed into
// the selected-clients dialog one by one, which refuses the labels when it refuses any code.
document::Document mailingLabels(Context& context, const FieldValues& fields, document::SinkKind) {
  const std::string selection = fields.get("selection");
  if (selection.empty() || selection == "activity")
    return reports::mailingLabels(context.folder(), reports::LabelChoice::ClientsWithBillingActivity);
  if (selection == "all") return reports::mailingLabels(context.folder(), reports::LabelChoice::AllClients);

  reports::SelectedClientLabels logic(context.folder());
  dialog::Outcome refused;
  std::size_t from = 0;
  while (true) {
    const std::size_t comma = selection.find(',', from);
    const auto outcome = logic.select(rules::capitals(selection.substr(from, comma - from)));
    refused.messages.insert(refused.messages.end(), outcome.messages.begin(), outcome.messages.end());
    if (comma == std::string::npos) break;
    from = comma + 1;
  }
  if (!refused.messages.empty()) throw DocumentRefused{std::move(refused)};
  return logic.print();
}

}  // namespace

void registerMailingLabelActions(Registry& registry) {
  registry.add(
      DocumentAction{{"mailing-labels",
                      "Print 1-1/3 x 4 Mailing Labels: selection=all (every client), activity (clients "
                      "with billing activity, the default) or CODE,CODE,... (in that order, a code as "
                      "often as given)",
                      {"selection"},
                      "Print Mailing Labels"},
                     mailingLabels});
}

}  // namespace vrk::batch
