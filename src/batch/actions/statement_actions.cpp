// The monthly statement runs: one client's draft, a group's or every group's drafts, and the final
// runs, as the Monthly Statements dialogs start them.
#include <string>

#include "batch/actions/actions.h"
#include "batch/actions/edit_fields.h"
#include "batch/registry.h"
#include "core/rules/input_rules.h"
#include "core/statements/statement_run.h"
#include "platform/document_printer.h"

namespace vrk::batch {
namespace {

using rules::capitals;

statements::RunOptions runOptions(const Context& context, const FieldValues& fields, document::SinkKind sink) {
  statements::RunOptions options;
  options.statementDate = optionalDate(fields, "statement-date").value_or(context.today);
  options.sink = sink;
  options.output = context.pages;
  options.ledesFolder = context.ledesFolder;
  options.archive = [date = options.statementDate](const document::Document& printed) {
    return platform::documentPdfBytes(printed, date);
  };
  return options;
}

// A draft's document, its statements' messages kept for standard error; the boxes of a refused
// check end the document REFUSED.
document::Document drafted(Context& context, statements::RunResult result) {
  if (result.statements == 0 && !result.outcome.messages.empty()) throw DocumentRefused{std::move(result.outcome)};
  context.notes = std::move(result.outcome.messages);
  return std::move(result.document);
}

document::Document draftStatement(Context& context, const FieldValues& fields, document::SinkKind sink) {
  return drafted(context, statements::runClientDraft(context.folder(), capitals(fields.get("client")),
                                                     runOptions(context, fields, sink)));
}

document::Document draftStatements(Context& context, const FieldValues& fields, document::SinkKind) {
  return drafted(context, statements::runGroup(context.folder(), capitals(fields.get("group")), false,
                                               *context.settings, runOptions(context, fields, document::SinkKind::Printer)));
}

document::Document draftStatementsAll(Context& context, const FieldValues& fields, document::SinkKind) {
  return drafted(context, statements::runAllGroups(context.folder(), false, *context.settings,
                                                   runOptions(context, fields, document::SinkKind::Printer)));
}

ActionResult finished(statements::RunResult result) {
  ActionResult action{std::move(result.outcome), {}};
  if (result.statements > 0) {
    action.report.push_back(std::to_string(result.statements) + (result.statements == 1 ? " statement" : " statements"));
    if (!result.invoiceNumbers.empty())
      action.report.push_back("invoice numbers " + std::to_string(result.invoiceNumbers.front()) + " to " +
                              std::to_string(result.invoiceNumbers.back()));
    if (!result.ledesFiles.empty())
      action.report.push_back(std::to_string(result.ledesFiles.size()) +
                              (result.ledesFiles.size() == 1 ? " LEDES file" : " LEDES files") + " saved");
  }
  if (!result.document.lines.empty()) action.document = std::move(result.document);
  return action;
}

ActionResult finalStatements(Context& context, const FieldValues& fields, dialog::Prompter&) {
  return finished(statements::runGroup(context.folder(), capitals(fields.get("group")), true, *context.settings,
                                       runOptions(context, fields, document::SinkKind::Printer)));
}

ActionResult finalStatementsAll(Context& context, const FieldValues& fields, dialog::Prompter&) {
  return finished(statements::runAllGroups(context.folder(), true, *context.settings,
                                           runOptions(context, fields, document::SinkKind::Printer)));
}

}  // namespace

void registerStatementActions(Registry& registry) {
  const std::string date = " (statement-date MM/DD/YYYY, default today)";
  registry.add(DocumentAction{{"draft-statement",
                               "Display/Print A Draft Statement For A Client" + date + "; --screen: the Display form",
                               {"client", "statement-date"},
                               "Display/Print A Draft Statement For A Client"},
                              draftStatement});
  registry.add(DocumentAction{{"draft-statements", "Print Draft Statements For A Client Group" + date,
                               {"group", "statement-date"},
                               "Print Draft Statements For A Client Group"},
                              draftStatements});
  registry.add(DocumentAction{{"draft-statements-all", "Print Draft Statements For All Client Groups" + date,
                               {"statement-date"},
                               "Print Draft Statements For All Client Groups"},
                              draftStatementsAll});
  registry.add(Action{{"final-statements",
                       "Print Final Statements For A Client Group" + date +
                           ": rolls the group into the next billing period; the statements and activity "
                           "reports go to --out FILE (.pdf: PDF), else after the OK line; --ledes DIR also "
                           "saves a LEDES 1998B file of each invoice there",
                       {"group", "statement-date"},
                       "Print Final Statements For A Client Group"},
                      finalStatements});
  registry.add(Action{{"final-statements-all",
                       "Print Final Statements For All Client Groups" + date + ", as final-statements",
                       {"statement-date"},
                       "Print Final Statements For All Client Groups"},
                      finalStatementsAll});
}

}  // namespace vrk::batch
