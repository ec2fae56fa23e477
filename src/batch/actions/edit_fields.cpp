#include "batch/actions/edit_fields.h"

#include "core/document/date_text.h"
#include "core/records/record_fields.h"
#include "core/rules/input_rules.h"

namespace vrk::batch {
namespace {

using rules::capitals;

void applyKey(const FieldValues& fields, std::string& client, std::string* matter, store::CalendarDate& date) {
  if (fields.has("new-client")) client = capitals(fields.get("new-client"));
  if (matter && fields.has("new-matter")) *matter = fields.get("new-matter");
  if (const auto typed = optionalDate(fields, "new-date")) date = *typed;
}

std::vector<std::string> joined(std::vector<std::string> names, const std::vector<std::string>& more) {
  names.insert(names.end(), more.begin(), more.end());
  return names;
}

}  // namespace

std::optional<store::CalendarDate> optionalDate(const FieldValues& fields, const std::string& name) {
  const std::string text = fields.get(name);
  if (text.empty()) return std::nullopt;
  const auto date = document::parseRecordDate(text, document::DateForm::Loose);
  if (!date) throw UsageError(name + " needs a date as MM/DD/YYYY, not " + text);
  return date;
}

std::int32_t kindField(const FieldValues& fields, std::int32_t shown) {
  const std::string value = fields.get("kind");
  if (value.empty()) return shown;
  if (value == "cost") return records::kCost;
  if (value == "credit") return records::kCredit;
  throw UsageError("kind needs cost or credit, not " + value);
}

void applyDescription(const FieldValues& fields, std::vector<std::string>& lines, std::size_t count) {
  lines.resize(count);
  for (std::size_t i = 0; i < count; ++i) {
    const std::string name = "description-" + std::to_string(i + 1);
    if (fields.has(name)) lines[i] = fields.get(name);
  }
}

std::vector<std::string> descriptionNames(std::size_t count) {
  std::vector<std::string> names;
  for (std::size_t i = 1; i <= count; ++i) names.push_back("description-" + std::to_string(i));
  return names;
}

void applyTimeEdits(const FieldValues& fields, records::TimeBoxes& boxes) {
  applyKey(fields, boxes.client, &boxes.matter, boxes.date);
  if (fields.has("attorney")) boxes.attorney = capitals(fields.get("attorney"));
  if (fields.has("time")) boxes.time = fields.get("time");
  if (fields.has("billing-rate")) boxes.rate = fields.get("billing-rate");
  applyDescription(fields, boxes.description, records::kTimeDescriptionLines);
}

void applyCostCreditEdits(const FieldValues& fields, records::CostCreditBoxes& boxes) {
  applyKey(fields, boxes.client, &boxes.matter, boxes.date);
  boxes.kind = kindField(fields, boxes.kind);
  if (fields.has("amount")) boxes.amount = fields.get("amount");
  applyDescription(fields, boxes.description, records::kCostCreditDescriptionLines);
}

void applyPaymentEdits(const FieldValues& fields, records::PaymentBoxes& boxes) {
  applyKey(fields, boxes.client, nullptr, boxes.date);
  if (fields.has("amount")) boxes.amount = fields.get("amount");
}

void applyMatterEdits(const FieldValues& fields, matters::MatterBoxes& boxes) {
  if (fields.has("new-client")) boxes.client = capitals(fields.get("new-client"));
  if (fields.has("new-matter")) boxes.number = fields.get("new-matter");
  applyDescription(fields, boxes.description, matters::kDescriptionLines);
  if (const auto created = optionalDate(fields, "date-created")) boxes.dateCreated = *created;
  if (fields.has("attorney")) boxes.attorney = capitals(fields.get("attorney"));
  if (fields.has("fee-schedule")) boxes.feeSchedule = fields.get("fee-schedule");
  const std::pair<const char*, std::string*> typed[] = {{"hours-to-date", &boxes.hours},
                                                        {"fees-to-date", &boxes.fees},
                                                        {"costs-to-date", &boxes.costs},
                                                        {"credits-to-date", &boxes.credits}};
  for (const auto& [name, box] : typed)
    if (fields.has(name)) *box = fields.get(name);
}

std::vector<std::string> timeEditNames() {
  return joined({"new-client", "new-matter", "new-date", "attorney", "time", "billing-rate"},
                descriptionNames(records::kTimeDescriptionLines));
}

std::vector<std::string> costCreditEditNames() {
  return joined({"new-client", "new-matter", "new-date", "kind", "amount"},
                descriptionNames(records::kCostCreditDescriptionLines));
}

std::vector<std::string> paymentEditNames() { return {"new-client", "new-date", "amount"}; }

std::vector<std::string> matterEditNames() {
  return joined(joined({"new-client", "new-matter"}, descriptionNames(matters::kDescriptionLines)),
                {"date-created", "attorney", "fee-schedule", "hours-to-date", "fees-to-date", "costs-to-date",
                 "credits-to-date"});
}

}  // namespace vrk::batch
