// vrk-batch: the review-and-change editors, stepped with Next and Back, and a save of the record
// the last step showed.
#include <sstream>

#include "batch/actions/actions.h"
#include "batch/actions/edit_fields.h"
#include "core/document/date_text.h"
#include "core/records/record_editors.h"
#include "core/records/record_fields.h"
#include "core/rules/input_rules.h"

namespace vrk::batch {
namespace {

std::vector<records::Direction> stepsField(const FieldValues& fields) {
  std::vector<records::Direction> steps;
  std::stringstream list(fields.get("steps"));
  for (std::string step; std::getline(list, step, ',');) {
    if (step == "next") {
      steps.push_back(records::Direction::Next);
    } else if (step == "back") {
      steps.push_back(records::Direction::Back);
    } else {
      throw UsageError("steps needs next and back separated by commas, not " + fields.get("steps"));
    }
  }
  return steps;
}

bool saveField(const FieldValues& fields) {
  const std::string save = fields.get("save");
  if (save.empty() || save == "no") return false;
  if (save == "yes") return true;
  throw UsageError("save needs yes or no, not " + save);
}

// A message as one line: its line breaks as blanks, the empty lines around it gone.
std::string oneLine(const dialog::Message& message) {
  std::string text = dialog::plainLineBreaks(message.text);
  for (char& c : text)
    if (c == '\n') c = ' ';
  const auto first = text.find_first_not_of(' ');
  const auto last = text.find_last_not_of(' ');
  text = first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
  return "[" + std::string(dialog::messageKindName(message.kind)) + "] " + text;
}

std::string joinedLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines)
    if (!line.empty()) text += (text.empty() ? "" : " / ") + line;
  return text;
}

std::string dateText(const store::CalendarDate& date) { return document::recordDate(date); }

std::string shownLine(const records::TimeBoxes& b) {
  return b.client + "/" + b.matter + " " + dateText(b.date) + " " + b.attorney + " " + b.time + " " + b.rate + " " +
         joinedLines(b.description);
}
std::string shownLine(const records::CostCreditBoxes& b) {
  return b.client + "/" + b.matter + " " + dateText(b.date) + " " + (b.kind == records::kCredit ? "credit " : "cost ") +
         b.amount + " " + joinedLines(b.description);
}
std::string shownLine(const records::PaymentBoxes& b) { return b.client + " " + dateText(b.date) + " " + b.amount; }
std::string shownLine(const matters::MatterBoxes& b) {
  return b.client + "/" + b.number + " " + dateText(b.dateCreated) + " " + b.attorney + " schedule " + b.feeSchedule +
         " hours " + b.hours + " fees " + b.fees + " costs " + b.costs + " credits " + b.credits + " " +
         joinedLines(b.description);
}

// Runs the steps, each reported as its message or the record shown, then perhaps the save.
template <typename Editor, typename Apply>
ActionResult review(Editor& editor, const FieldValues& fields, Apply apply) {
  const auto steps = stepsField(fields);
  const bool save = saveField(fields);
  const std::string client = rules::capitals(fields.get("client"));
  ActionResult result;
  for (const auto direction : steps) {
    const dialog::Outcome outcome = editor.step(direction, client);
    const std::string name = direction == records::Direction::Next ? "next: " : "back: ";
    for (const auto& message : outcome.messages) result.report.push_back(name + oneLine(message));
    if (editor.shown())
      result.report.push_back(name + std::to_string(editor.stepIndex() + 1) + " " + shownLine(*editor.shown()));
  }
  result.outcome.closing = dialog::Closing::Ok;
  if (!save) return result;
  auto boxes = editor.shown().value_or(typename std::decay_t<decltype(*editor.shown())>{});
  apply(fields, boxes);
  const dialog::Outcome saved = editor.save(boxes);
  for (const auto& message : saved.messages) result.report.push_back("save: " + oneLine(message));
  if (!saved.messages.empty()) result.outcome.closing = dialog::Closing::Stay;
  return result;
}

ActionResult reviewTime(Context& context, const FieldValues& fields, dialog::Prompter&) {
  records::TimeRecordEditor editor(context.folder());
  return review(editor, fields, applyTimeEdits);
}
ActionResult reviewCostCredit(Context& context, const FieldValues& fields, dialog::Prompter&) {
  records::CostCreditRecordEditor editor(context.folder());
  return review(editor, fields, applyCostCreditEdits);
}
ActionResult reviewPayments(Context& context, const FieldValues& fields, dialog::Prompter&) {
  records::PaymentRecordEditor editor(context.folder());
  return review(editor, fields, applyPaymentEdits);
}
ActionResult reviewMatters(Context& context, const FieldValues& fields, dialog::Prompter&) {
  records::MatterEditor editor(context.folder());
  return review(editor, fields, applyMatterEdits);
}

std::vector<std::string> names(std::vector<std::string> edits) {
  edits.insert(edits.begin(), {"client", "steps", "save"});
  return edits;
}

}  // namespace

void registerReviewActions(Registry& registry) {
  const std::string how =
      ": steps=next,back,… reports what each step shows (position, key, fields) or its message; save=yes "
      "then saves the last record shown with the fields given";
  registry.add(Action{{"review-time-records", "Review/Change Client Time Records" + how, names(timeEditNames()),
                       "Review/Change Client Time Records"},
                      reviewTime});
  registry.add(Action{{"review-cost-credit-records", "Review/Change Client Cost/Credit Records" + how,
                       names(costCreditEditNames()), "Review/Change Client Cost/Credit Records"},
                      reviewCostCredit});
  registry.add(Action{{"review-payment-records", "Review/Change Client Payment Records" + how,
                       names(paymentEditNames()), "Review/Change Client Payment Records"},
                      reviewPayments});
  registry.add(Action{{"review-matters", "Review/Change Matters For A Client" + how, names(matterEditNames()),
                       "Review/Change Matters For A Client"},
                      reviewMatters});
}

}  // namespace vrk::batch
