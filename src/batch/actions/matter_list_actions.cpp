// vrk-batch: the matter lists of one client group, one client or all clients (print matter-list) and
// the data of every matter of a client (print all-matter-data), as the Matters tab prints them.
#include <string>

#include "batch/actions/actions.h"
#include "batch/registry.h"
#include "core/reports/matter_list_reports.h"
#include "core/rules/input_rules.h"
#include "core/shell/commands.h"
#include "core/shell/guards.h"

namespace vrk::batch {
namespace {

using rules::capitals;

const char* const kAllClientsLabel = "Display/Print A List Of All Matters For All Clients";
const char* const kClientLabel = "Display/Print A List Of All Matters For A Client";
const char* const kGroupLabel = "Display/Print A List Of All Matters For A Client Group";
const char* const kAllMatterDataLabel = "Print All Matter Data For A Client";

reports::MatterListRun listRun(const Context& context, document::SinkKind sink) {
  return {context.period, context.today, sink, {}};
}

// The boxes a refused check shows end the document REFUSED; other boxes (no matters for the
// client, a long document) are printed on standard error after it.
document::Document printed(Context& context, reports::MatterListResult result) {
  if (result.document.lines.empty() && !result.outcome.messages.empty())
    throw DocumentRefused{std::move(result.outcome)};
  context.notes = std::move(result.outcome.messages);
  return std::move(result.document);
}

// The registered command runs the all-clients list's guards; a group or client list also runs the
// guards of its own button (the client data check), as the main window does before its dialog.
void runOwnGuards(const Context& context, const char* label) {
  const shell::Command* command = shell::findCommand(shell::commandName(label));
  dialog::FixedPrompter prompter(context.answer.value_or(false));
  const dialog::Outcome guards = shell::runGuards(*command, context.dataFilesPath, context.period, prompter);
  if (guards.closing != dialog::Closing::Ok)
    throw UsageError(guards.messages.empty() ? "refused"
                                             : dialog::plainLineBreaks(guards.messages.back().text));
}

document::Document matterList(Context& context, const FieldValues& fields, document::SinkKind sink) {
  const int given = int(fields.has("group")) + int(fields.has("client")) + int(fields.has("all"));
  if (given != 1) throw UsageError("matter-list needs exactly one of group=G, client=C and all=yes");
  if (fields.has("all")) {
    if (fields.get("all") != "yes") throw UsageError("all takes yes");
    return printed(context, reports::runMatterList(context.folder(), reports::MatterListKind::AllClients, "",
                                                   listRun(context, sink)));
  }
  const bool group = fields.has("group");
  runOwnGuards(context, group ? kGroupLabel : kClientLabel);
  return printed(context, reports::runMatterList(
                              context.folder(),
                              group ? reports::MatterListKind::ClientGroup : reports::MatterListKind::Client,
                              capitals(fields.get(group ? "group" : "client")), listRun(context, sink)));
}

document::Document allMatterData(Context& context, const FieldValues& fields, document::SinkKind) {
  return printed(context, reports::printAllMatterData(context.folder(), capitals(fields.get("client")),
                                                      listRun(context, document::SinkKind::Printer)));
}

}  // namespace

void registerMatterListActions(Registry& registry) {
  registry.add(DocumentAction{{"matter-list",
                               "Display/Print a list of matters: group=G (a client group), client=C (one "
                               "client) or all=yes (all clients); --screen: the Display form",
                               {"group", "client", "all"},
                               kAllClientsLabel},
                              matterList});
  registry.add(DocumentAction{{"all-matter-data",
                               "Print All Matter Data For A Client: the client/matter data of each of its "
                               "matters, one to a page",
                               {"client"},
                               kAllMatterDataLabel},
                              allMatterData});
}

}  // namespace vrk::batch
