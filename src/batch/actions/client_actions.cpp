// vrk-batch: the client and client group actions, the client data and client codes print-outs.
#include "batch/actions/actions.h"

#include <initializer_list>
#include <iterator>

#include "batch/registry.h"
#include "core/clients/add_client.h"
#include "core/clients/change_client.h"
#include "core/clients/delete_client.h"
#include "core/clients/delete_client_group.h"
#include "core/clients/display_client.h"
#include "core/clients/display_client_codes.h"
#include "core/document/date_text.h"
#include "core/rules/box_text.h"
#include "core/rules/input_rules.h"
#include "core/store/catalogue.h"

namespace vrk::batch {
namespace {

using clients::ClientFields;

using rules::capitals;

int categoryField(const FieldValues& fields, int shown) {
  const std::string value = fields.get("category");
  if (value.empty()) return shown;
  if (value.size() == 1 && value[0] >= '0' && value[0] < '0' + clients::kCategoryCount) return value[0] - '0';
  throw UsageError("category needs a number from 0 to 4, not " + value);
}

bool lateChargesField(const FieldValues& fields, bool shown) {
  const std::string value = fields.get("late-charges");
  if (value.empty()) return shown;
  if (value == "yes" || value == "no") return value == "yes";
  throw UsageError("late-charges needs yes or no, not " + value);
}

store::CalendarDate dateField(const FieldValues& fields, store::CalendarDate shown) {
  const std::string value = fields.get("last-statement-date");
  if (value.empty()) return shown;
  if (const auto date = document::parseRecordDate(value)) return *date;
  throw UsageError("last-statement-date needs a date as MM/DD/YYYY, not " + value);
}

// The boxes every client dialog shares, over what they show: given fields replace it.
void applyFields(const FieldValues& fields, ClientFields& shown) {
  if (fields.has("group")) shown.group = fields.get("group");
  shown.address.resize(clients::kAddressLines);
  for (std::size_t i = 0; i < clients::kAddressLines; ++i) {
    const std::string name = "address-" + std::to_string(i + 1);
    if (fields.has(name)) shown.address[i] = fields.get(name);
  }
  shown.category = categoryField(fields, shown.category);
  shown.lateCharges = lateChargesField(fields, shown.lateCharges);
  shown.lastStatement = dateField(fields, shown.lastStatement);
}

ActionResult addClient(Context& context, const FieldValues& fields, dialog::Prompter&) {
  ClientFields input;
  input.lastStatement = context.today;
  applyFields(fields, input);
  input.code = capitals(fields.get("code"));
  input.group = capitals(input.group);
  for (std::size_t i = 0; i < clients::kAmountCount; ++i) {
    const std::string name = clients::amountBox(i).field;
    std::string value = fields.get(name);
    const auto box = rules::amountBoxText(value);
    if (!box) throw UsageError(name + "=" + value.append(" does not fit the amount box $99,999,999.99"));
    input.amounts[i] = *box;
  }
  return {clients::AddClient(context.folder()).save(input), {}};
}

ActionResult changeClient(Context& context, const FieldValues& fields, dialog::Prompter&) {
  ActionResult result;
  clients::ChangeClient logic(context.folder());
  result.outcome = logic.display(capitals(fields.get("client")));
  if (!logic.shown()) return result;
  ClientFields input = logic.shown()->fields;
  applyFields(fields, input);
  if (fields.has("code")) input.code = fields.get("code");
  for (std::size_t i = 0; i < clients::kAmountCount; ++i)
    if (fields.has(clients::amountBox(i).field)) input.amounts[i] = fields.get(clients::amountBox(i).field);
  result.outcome = logic.save(input);
  return result;
}

ActionResult deleteClient(Context& context, const FieldValues& fields, dialog::Prompter& prompter) {
  ActionResult result;
  clients::DeleteClient logic(context.folder());
  const std::string client = capitals(fields.get("client"));
  result.outcome = logic.display(client);
  if (logic.shown()) result.outcome = logic.remove(client, prompter);
  return result;
}

ActionResult deleteClientGroup(Context& context, const FieldValues& fields, dialog::Prompter& prompter) {
  ActionResult result;
  clients::DeleteClientGroup logic(context.folder());
  logic.display(fields.get("group"));
  result.outcome = logic.remove(prompter);
  return result;
}

// A print-out whose dialog refuses says why, as a usage error.
void refuseUnless(const dialog::Outcome& outcome) {
  if (!outcome.messages.empty()) throw UsageError(dialog::plainLineBreaks(outcome.messages.back().text));
}

document::Document clientData(Context& context, const FieldValues& fields, document::SinkKind) {
  clients::DisplayClient logic(context.folder(), context.period);
  refuseUnless(logic.display(fields.get("client")));
  return *logic.print(context.today).document;
}

document::Document clientCodes(Context& context, const FieldValues& fields, document::SinkKind) {
  clients::DisplayClientCodes logic(context.folder(), context.period);
  logic.display(fields.get("group"));
  return *logic.print(fields.get("group"), context.today).document;
}

// The fields of the client boxes after the given leading ones, in the dialog's order.
std::vector<std::string> clientFieldNames(std::initializer_list<const char*> leading) {
  const char* const boxes[] = {"group",     "address-1", "address-2",    "address-3",          "address-4",
                               "address-5", "address-6", "category", "late-charges", "last-statement-date"};
  std::vector<const char*> names(leading);
  names.insert(names.end(), std::begin(boxes), std::end(boxes));
  for (std::size_t i = 0; i < clients::kAmountCount; ++i) names.push_back(clients::amountBox(i).field);
  return std::vector<std::string>(names.begin(), names.end());
}

}  // namespace

void registerClientActions(Registry& registry) {
  const auto addFields = clientFieldNames({"code"});
  registry.add(Action{
      {"add-client", "Add A New Client (category 0-4, late-charges yes|no, dates MM/DD/YYYY, plain amounts)",
       addFields, "Add A New Client"},
      addClient});
  const auto changeFields = clientFieldNames({"client", "code"});
  registry.add(
      Action{{"change-client",
              "Change Data For Client: displays CLIENT, then saves the fields given (code: a new code)",
              changeFields, "Change Data For A Client"},
             changeClient});
  registry.add(Action{
      {"delete-client", "Delete Client (--yes also deletes its matters)", {"client"}, "Delete A Client"},
      deleteClient});
  registry.add(
      Action{{"delete-client-group",
              "Delete Client Group: displays GROUP, then deletes its clients (--yes: their matters too)",
              {"group"},
              "Delete A Client Group"},
             deleteClientGroup});
  registry.add(DocumentAction{
      {"client-data", "The client data print-out of one client", {"client"}, "Display/Print Client Data"},
      clientData});
  registry.add(DocumentAction{{"client-codes",
                               "The client codes of a client group, six a line",
                               {"group"},
                               "Display/Print A List Of Client Codes In A Client Group"},
                              clientCodes});
}

}  // namespace vrk::batch
