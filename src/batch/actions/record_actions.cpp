// vrk-batch: adding, changing and deleting time, cost/credit and payment records, and the
// listing of a client's records.
#include <optional>
#include <string>
#include <vector>

#include "batch/actions/actions.h"
#include "batch/actions/edit_fields.h"
#include "batch/registry.h"
#include "core/document/date_text.h"
#include "core/records/cost_credit_records.h"
#include "core/records/payments.h"
#include "core/records/record_listing.h"
#include "core/records/time_records.h"
#include "core/rules/input_rules.h"

namespace vrk::batch {
namespace {

using rules::capitals;

// Which entry of the date list to choose: date-entry=N counts from 1; the first when not given.
std::size_t dateEntryField(const FieldValues& fields) {
  if (!fields.has("date-entry")) return 0;
  const std::string text = fields.get("date-entry");
  std::size_t number = 0;
  for (const char c : text) {
    if (!rules::isDigit(c) || number > 99999) {
      number = 0;
      break;
    }
    number = number * 10 + static_cast<std::size_t>(c - '0');
  }
  if (number == 0)
    throw UsageError("date-entry needs the number of an entry of the date list, from 1, not " + text);
  return number - 1;
}

// The date list's entry as choosing it in the list leaves it. With an empty list Display gets an
// empty date and says why there is nothing to choose.
records::DateChoice chosenDate(const std::vector<std::string>& entries, std::size_t index,
                               const std::string& owner) {
  if (entries.empty()) return {};
  if (index >= entries.size())
    throw UsageError("date-entry=" + std::to_string(index + 1) + ": the date list of " + owner + " has " +
                     std::to_string(entries.size()) + (entries.size() == 1 ? " entry" : " entries"));
  return {entries[index], index};
}

std::vector<std::string> fieldNames(std::vector<std::string> names, const std::vector<std::string>& more) {
  names.insert(names.end(), more.begin(), more.end());
  return names;
}

// The selection of the change and delete dialogs of time and cost/credit records: the client and
// matter typed, the date entry chosen, then Display.
dialog::Outcome displayRecord(records::RecordSelection& selection, const FieldValues& fields,
                              std::size_t entry) {
  const std::string client = capitals(fields.get("client"));
  const std::string matter = fields.get("matter");
  return selection.display(client, matter,
                           chosenDate(selection.dates(client, matter), entry, client + "/" + matter));
}

dialog::Outcome displayPayment(records::PaymentSelection& selection, const FieldValues& fields,
                               std::size_t entry) {
  const std::string client = capitals(fields.get("client"));
  return selection.display(client, chosenDate(selection.dates(client), entry, client));
}

// Time records.

ActionResult addTimeRecord(Context& context, const FieldValues& fields, dialog::Prompter&) {
  records::TimeBoxes boxes;
  boxes.client = capitals(fields.get("client"));
  boxes.matter = fields.get("matter");
  boxes.date = optionalDate(fields, "date").value_or(context.lastEntryDate);
  boxes.rate = "$";  // what the rate box holds until something is typed
  applyTimeEdits(fields, boxes);
  records::AddTimeRecord logic(context.folder());
  return {logic.save(boxes, context.lastEntryDate), {}};
}

ActionResult changeTimeRecord(Context& context, const FieldValues& fields, dialog::Prompter&) {
  const std::size_t entry = dateEntryField(fields);
  optionalDate(fields, "new-date");  // a bad date is a usage error before anything is read
  records::ChangeTimeRecord logic(context.folder());
  dialog::Outcome shown = displayRecord(logic.selection(), fields, entry);
  if (!logic.selection().selected()) return {shown, {}};
  records::TimeBoxes boxes = logic.shownBoxes();
  applyTimeEdits(fields, boxes);
  return {logic.save(boxes, context.lastEntryDate), {}};
}

ActionResult deleteTimeRecord(Context& context, const FieldValues& fields, dialog::Prompter&) {
  const std::size_t entry = dateEntryField(fields);
  records::DeleteTimeRecord logic(context.folder());
  dialog::Outcome shown = displayRecord(logic.selection(), fields, entry);
  if (!logic.selection().selected()) return {shown, {}};
  return {logic.remove(), {}};
}

// Cost/credit records.

ActionResult addCostCreditRecord(Context& context, const FieldValues& fields, dialog::Prompter&) {
  records::CostCreditBoxes boxes;
  boxes.client = capitals(fields.get("client"));
  boxes.matter = fields.get("matter");
  boxes.date = optionalDate(fields, "date").value_or(context.lastEntryDate);
  boxes.kind = records::kCost;  // the button chosen when the dialog opens
  boxes.amount = "$";
  applyCostCreditEdits(fields, boxes);
  records::AddCostCreditRecord logic(context.folder());
  return {logic.save(boxes, context.lastEntryDate), {}};
}

ActionResult changeCostCreditRecord(Context& context, const FieldValues& fields, dialog::Prompter&) {
  const std::size_t entry = dateEntryField(fields);
  optionalDate(fields, "new-date");   // a bad date or kind is a usage error before anything is read
  kindField(fields, records::kCost);
  records::ChangeCostCreditRecord logic(context.folder());
  dialog::Outcome shown = displayRecord(logic.selection(), fields, entry);
  if (!logic.selection().selected()) return {shown, {}};
  records::CostCreditBoxes boxes = logic.shownBoxes();
  applyCostCreditEdits(fields, boxes);
  return {logic.save(boxes, context.lastEntryDate), {}};
}

ActionResult deleteCostCreditRecord(Context& context, const FieldValues& fields, dialog::Prompter&) {
  const std::size_t entry = dateEntryField(fields);
  records::DeleteCostCreditRecord logic(context.folder());
  dialog::Outcome shown = displayRecord(logic.selection(), fields, entry);
  if (!logic.selection().selected()) return {shown, {}};
  return {logic.remove(), {}};
}

// Payments.

ActionResult addPayment(Context& context, const FieldValues& fields, dialog::Prompter&) {
  records::PaymentBoxes boxes;
  boxes.client = capitals(fields.get("client"));
  boxes.date = optionalDate(fields, "date").value_or(context.lastEntryDate);
  boxes.amount = fields.has("amount") ? fields.get("amount") : "$";
  records::AddPayment logic(context.folder());
  return {logic.save(boxes, context.lastEntryDate), {}};
}

ActionResult changePayment(Context& context, const FieldValues& fields, dialog::Prompter&) {
  const std::size_t entry = dateEntryField(fields);
  optionalDate(fields, "new-date");  // a bad date is a usage error before anything is read
  records::ChangePayment logic(context.folder());
  dialog::Outcome shown = displayPayment(logic.selection(), fields, entry);
  if (!logic.selection().selected()) return {shown, {}};
  records::PaymentBoxes boxes = logic.shownBoxes();
  applyPaymentEdits(fields, boxes);
  return {logic.save(boxes), {}};
}

ActionResult deletePayment(Context& context, const FieldValues& fields, dialog::Prompter&) {
  const std::size_t entry = dateEntryField(fields);
  records::DeletePayment logic(context.folder());
  dialog::Outcome shown = displayPayment(logic.selection(), fields, entry);
  if (!logic.selection().selected()) return {shown, {}};
  return {logic.remove(), {}};
}

// The listing: print records time|cost-credit|payment client=CODE.

document::Document listRecords(Context& context, const FieldValues& fields, document::SinkKind) {
  const std::string word = fields.get("");
  records::ListedKind kind = records::ListedKind::Time;
  if (word == "cost-credit") {
    kind = records::ListedKind::CostCredit;
  } else if (word == "payment") {
    kind = records::ListedKind::Payment;
  } else if (word != "time") {
    throw UsageError(word.empty() ? "print records needs a kind: time, cost-credit or payment"
                                  : "no record kind " + word + " (time, cost-credit or payment)");
  }
  const std::string client = capitals(fields.get("client"));
  if (client.empty()) throw UsageError("print records needs client=CODE");
  if (!rules::isClientCode(client))
    throw UsageError("client needs a client code of 1 to 7 letters and digits, not " + fields.get("client"));
  return records::recordListing(context.folder(), kind, client);
}

}  // namespace

void registerRecordActions(Registry& registry) {
  const std::size_t timeLines = records::kTimeDescriptionLines;
  const std::size_t costLines = records::kCostCreditDescriptionLines;
  const std::string selected =
      "displays client/matter with entry date-entry of its date list (from 1; default 1)";

  registry.add(
      Action{{"add-time-record",
              "Add A Time Record (date MM/DD/YYYY, default the last entry date; time in hours; "
              "billing-rate left out keeps the box's \"$\": the fee schedule's rate)",
              fieldNames({"client", "matter", "date", "attorney", "time", "billing-rate"}, descriptionNames(timeLines)),
              "Add A Time Record"},
             addTimeRecord});
  registry.add(Action{{"change-time-record",
                       "Change A Time Record: " + selected +
                           ", then saves the fields given (new-client, new-matter, new-date: a new "
                           "key); the others keep what Display showed",
                       fieldNames({"client", "matter", "date-entry"}, timeEditNames()),
                       "Change A Time Record"},
                      changeTimeRecord});
  registry.add(Action{{"delete-time-record",
                       "Delete A Time Record: " + selected + ", then deletes it",
                       {"client", "matter", "date-entry"},
                       "Delete A Time Record"},
                      deleteTimeRecord});

  registry.add(Action{
      {"add-cost-credit-record",
       "Add A Cost/Credit Record (kind cost|credit, default cost; date MM/DD/YYYY, default the "
       "last entry date; plain amount)",
       fieldNames({"client", "matter", "date", "kind", "amount"}, descriptionNames(costLines)),
       "Add A Cost/Credit Record"},
      addCostCreditRecord});
  registry.add(Action{{"change-cost-credit-record",
                       "Change A Cost/Credit Record: " + selected +
                           ", then saves the fields given (new-client, new-matter, new-date: a new key)",
                       fieldNames({"client", "matter", "date-entry"}, costCreditEditNames()),
                       "Change A Cost/Credit Record"},
                      changeCostCreditRecord});
  registry.add(Action{{"delete-cost-credit-record",
                       "Delete A Cost/Credit Record: " + selected + ", then deletes it",
                       {"client", "matter", "date-entry"},
                       "Delete A Cost/Credit Record"},
                      deleteCostCreditRecord});

  const std::string payment = "displays client with entry date-entry of its date list (from 1; default 1)";
  registry.add(Action{{"add-payment",
                       "Add A Client Payment Record (date MM/DD/YYYY, default the last entry date; plain "
                       "amount); the client's payments since the last statement grow by it",
                       {"client", "date", "amount"},
                       "Add A Client Payment Record"},
                      addPayment});
  registry.add(Action{{"change-payment",
                       "Change A Client Payment Record: " + payment + ", then saves the fields given",
                       fieldNames({"client", "date-entry"}, paymentEditNames()),
                       "Change A Client Payment Record"},
                      changePayment});
  registry.add(Action{{"delete-payment",
                       "Delete A Client Payment Record: " + payment + ", then deletes it",
                       {"client", "date-entry"},
                       "Delete A Client Payment Record"},
                      deletePayment});

  registry.add(DocumentAction{{"records",
                               "A client's records of one kind (WORD: time, cost-credit or payment) in table "
                               "order, one a line: position, matter, date, data slot, fields",
                               {"", "client"}},
                              listRecords});
}

}  // namespace vrk::batch
