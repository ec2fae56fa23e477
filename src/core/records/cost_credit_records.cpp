#include "core/records/cost_credit_records.h"

#include <algorithm>

#include "core/matters/matter_number.h"
#include "core/records/billing_table.h"
#include "core/records/record_messages.h"
#include "core/rules/input_rules.h"
#include "core/store/tables.h"

namespace vrk::records {
std::optional<CostCreditEntry> checkCostCreditEntry(const CostCreditBoxes& boxes, const matters::MatterLists& lists,
                                                    Entry entry, const std::string* formerClient,
                                                    dialog::Outcome& outcome) {
  CostCreditEntry result;
  result.key.client = boxes.client;
  if (entry == Entry::Change) {
    result.key.matter = matters::cleanMatterNumber(boxes.matter);
    outcome.writeBack[box::kMatterNumber] = result.key.matter;
  } else {
    result.key.matter = matters::withoutSurplusZeros(boxes.matter);
  }
  const auto amount = readCostCreditAmount(boxes.amount);
  if (amount) outcome.writeBack[box::kAmount] = amount->shown;

  const bool clientChanged = !formerClient || *formerClient != boxes.client;
  const std::string* failure = nullptr;
  if (!rules::isClientCode(boxes.client)) {
    failure = &message::kClientCodeRule;
  } else if (clientChanged && !lists.hasClient(boxes.client)) {
    failure = &message::kClientNotPresent;
  } else if (!rules::isWholeNumber(result.key.matter)) {
    failure = entry == Entry::Add ? &message::kMatterFrom1 : &message::kMatterFrom0;
  } else if (!isRegisteredMatter(lists, boxes.client, result.key.matter)) {
    failure = &message::kMatterNotInUse;
  } else if (!amount) {
    failure = entry == Entry::Add ? &message::kCostCreditAmount : &message::kCostCreditEntry;
  }
  if (failure) {
    outcome.error(*failure);
    return std::nullopt;
  }
  result.key.date = store::toStoredDate(boxes.date);
  result.record.kind = boxes.kind;
  result.record.amount = amount->stored;
  result.record.description = descriptionLines<kCostCreditDescriptionLines>(boxes.description);
  return result;
}

std::size_t writeChangedCostCreditRecord(store::RecordTable& table, std::size_t position, const CostCreditEntry& entry) {
  const store::Key newKey = toKey(entry.key);
  if (table.layout().order(table.keyAt(position), newKey) != 0) position = table.changeKey(position, newKey);
  table.changeRecord(position, encodeCostCreditRecord(entry.record));
  return position;
}

CostCreditBoxes shownCostCreditBoxes(const RecordKey& key, const CostCreditRecord& record) {
  CostCreditBoxes boxes;
  boxes.client = key.client;
  boxes.matter = key.matter;
  boxes.date = store::fromStoredDate(key.date);
  boxes.kind = record.kind;
  boxes.amount = shownAmount(record.amount);
  boxes.description.assign(record.description.begin(), record.description.end());
  return boxes;
}

AddCostCreditRecord::AddCostCreditRecord(std::filesystem::path folder)
    : folder_(std::move(folder)), lists_(matters::loadMatterLists(folder_)) {}

dialog::Outcome AddCostCreditRecord::save(const CostCreditBoxes& boxes, store::CalendarDate& lastEntryDate) {
  dialog::Outcome outcome;
  const auto entry = checkCostCreditEntry(boxes, lists_, Entry::Add, nullptr, outcome);
  if (!entry) return outcome;
  store::Transaction tx(folder_);
  store::RecordTable table(store::costCreditRecordTable(), tx);
  table.addAt(costCreditAddPosition(table, entry->key), toKey(entry->key), encodeCostCreditRecord(entry->record));
  tx.commit();
  lastEntryDate = boxes.date;
  outcome.closing = dialog::Closing::Ok;
  return outcome;
}

ChangeCostCreditRecord::ChangeCostCreditRecord(std::filesystem::path folder)
    : folder_(folder),
      lists_(matters::loadMatterLists(folder)),
      selection_(std::move(folder), RecordKind::CostCredit, Wording::Capitals) {}

CostCreditBoxes ChangeCostCreditRecord::shownBoxes() const {
  const auto& selected = *selection_.selected();
  return shownCostCreditBoxes(selected.key, decodeCostCreditRecord(selected.record));
}

dialog::Outcome ChangeCostCreditRecord::save(const CostCreditBoxes& boxes, store::CalendarDate& lastEntryDate) {
  dialog::Outcome outcome;
  const auto& selected = selection_.selected();
  if (!selected) return outcome.information(message::kRecordNotDisplayed);
  const auto entry = checkCostCreditEntry(boxes, lists_, Entry::Change, &selected->key.client, outcome);
  if (!entry) return outcome;
  outcome = selection_.saveSelected(std::move(outcome), [&](store::RecordTable& table, std::size_t position) {
    writeChangedCostCreditRecord(table, position, *entry);
  });
  if (outcome.closed()) lastEntryDate = boxes.date;
  return outcome;
}

DeleteCostCreditRecord::DeleteCostCreditRecord(std::filesystem::path folder)
    : selection_(std::move(folder), RecordKind::CostCredit, Wording::MixedCase) {}

CostCreditBoxes DeleteCostCreditRecord::shownBoxes() const {
  const auto& selected = *selection_.selected();
  return shownCostCreditBoxes(selected.key, decodeCostCreditRecord(selected.record));
}

dialog::Outcome DeleteCostCreditRecord::matterLeft(const std::string& matter) {
  dialog::Outcome outcome;
  if (!rules::isWholeNumber(matter)) outcome.error(message::kDeleteMatterRule);
  return outcome;
}

dialog::Outcome DeleteCostCreditRecord::remove() { return selection_.removeSelected(); }

}  // namespace vrk::records
