#include "core/records/time_records.h"

#include <algorithm>

#include "core/matters/matter_number.h"
#include "core/records/billing_table.h"
#include "core/records/record_messages.h"
#include "core/rules/input_rules.h"
#include "core/store/tables.h"

namespace vrk::records {
std::optional<TimeEntry> checkTimeEntry(const TimeBoxes& boxes, const matters::MatterLists& lists, Entry entry,
                                        const std::string* formerClient, const std::string& rateMessage,
                                        dialog::Outcome& outcome) {
  TimeEntry result;
  result.key.client = boxes.client;
  if (entry == Entry::Change) {
    result.key.matter = matters::cleanMatterNumber(boxes.matter);
    outcome.writeBack[box::kMatterNumber] = result.key.matter;
  } else {
    result.key.matter = matters::withoutSurplusZeros(boxes.matter);
  }
  const auto time = readTime(boxes.time, entry);
  if (time) outcome.writeBack[box::kTime] = time->shown;
  const auto rate = readRate(boxes.rate, entry);
  if (rate) outcome.writeBack[box::kBillingRate] = rate->figure.shown;

  const bool clientChanged = !formerClient || *formerClient != boxes.client;
  const std::string* failureText = nullptr;
  if (!rules::isClientCode(boxes.client)) {
    failureText = &message::kClientCodeRule;
  } else if (clientChanged && !lists.hasClient(boxes.client)) {
    failureText = &message::kClientNotPresent;
  } else if (!rules::isWholeNumber(result.key.matter)) {
    failureText = &message::kMatterFrom0;
  } else if (store::compareMatterNumbers(result.key.matter, "0") != 0 &&
             !isRegisteredMatter(lists, boxes.client, result.key.matter)) {
    failureText = &message::kMatterNotInUse;
  } else if (!rules::isAttorneyInitials(boxes.attorney)) {
    failureText = &message::kAttorneyRule;
  } else if (!lists.hasAttorney(boxes.attorney)) {
    failureText = &message::kAttorneyNotPresent;
  } else if (!time) {
    failureText = &message::kTime;
  } else if (!rate) {
    failureText = &rateMessage;
  }
  if (failureText) {
    outcome.error(*failureText);
    return std::nullopt;
  }

  result.key.date = store::toStoredDate(boxes.date);
  result.record.initials = boxes.attorney;
  result.record.time = time->stored;
  result.record.rate = rate->figure.stored;
  result.rateUnchanged = rate->unchanged;
  result.record.description = descriptionLines<kTimeDescriptionLines>(boxes.description);
  return result;
}

std::size_t writeChangedTimeRecord(store::RecordTable& table, std::size_t position, const TimeEntry& entry,
                            const TimeRecord& before) {
  TimeRecord record = entry.record;
  if (entry.rateUnchanged) record.rate = before.rate;
  const store::Key newKey = toKey(entry.key);
  if (table.layout().order(table.keyAt(position), newKey) != 0) position = table.changeKey(position, newKey);
  table.changeRecord(position, encodeTimeRecord(record));
  return position;
}

TimeBoxes shownTimeBoxes(const RecordKey& key, const TimeRecord& record) {
  TimeBoxes boxes;
  boxes.client = key.client;
  boxes.matter = key.matter;
  boxes.date = store::fromStoredDate(key.date);
  boxes.attorney = record.initials;
  boxes.time = record.time;
  boxes.rate = shownRate(record.rate);
  boxes.description.assign(record.description.begin(), record.description.end());
  return boxes;
}

AddTimeRecord::AddTimeRecord(std::filesystem::path folder) : folder_(std::move(folder)), lists_(matters::loadMatterLists(folder_)) {}

dialog::Outcome AddTimeRecord::save(const TimeBoxes& boxes, store::CalendarDate& lastEntryDate) {
  dialog::Outcome outcome;
  const auto entry = checkTimeEntry(boxes, lists_, Entry::Add, nullptr, message::kRate, outcome);
  if (!entry) return outcome;
  store::Transaction tx(folder_);
  store::RecordTable table(store::timeRecordTable(), tx);
  table.add(toKey(entry->key), encodeTimeRecord(entry->record));
  tx.commit();
  lastEntryDate = boxes.date;
  outcome.closing = dialog::Closing::Ok;
  return outcome;
}

ChangeTimeRecord::ChangeTimeRecord(std::filesystem::path folder)
    : folder_(folder), lists_(matters::loadMatterLists(folder)), selection_(std::move(folder), RecordKind::Time, Wording::Capitals) {}

TimeBoxes ChangeTimeRecord::shownBoxes() const {
  const auto& selected = *selection_.selected();
  return shownTimeBoxes(selected.key, decodeTimeRecord(selected.record));
}

dialog::Outcome ChangeTimeRecord::save(const TimeBoxes& boxes, store::CalendarDate& lastEntryDate) {
  dialog::Outcome outcome;
  const auto& selected = selection_.selected();
  if (!selected) return outcome.information(message::kRecordNotDisplayed);
  const auto entry = checkTimeEntry(boxes, lists_, Entry::Change, &selected->key.client, message::kRate, outcome);
  if (!entry) return outcome;
  const TimeRecord before = decodeTimeRecord(selected->record);
  outcome = selection_.saveSelected(std::move(outcome), [&](store::RecordTable& table, std::size_t position) {
    writeChangedTimeRecord(table, position, *entry, before);
  });
  if (outcome.closed()) lastEntryDate = boxes.date;
  return outcome;
}

DeleteTimeRecord::DeleteTimeRecord(std::filesystem::path folder)
    : selection_(std::move(folder), RecordKind::Time, Wording::MixedCase) {}

TimeBoxes DeleteTimeRecord::shownBoxes() const {
  const auto& selected = *selection_.selected();
  return shownTimeBoxes(selected.key, decodeTimeRecord(selected.record));
}

dialog::Outcome DeleteTimeRecord::remove() { return selection_.removeSelected(); }

}  // namespace vrk::records
