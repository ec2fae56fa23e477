#include "core/records/record_selection.h"

#include "core/document/date_text.h"
#include "core/records/record_messages.h"
#include "core/rules/input_rules.h"
#include "core/store/dates.h"
#include "core/store/tables.h"

namespace vrk::records {
namespace {

constexpr std::size_t kDateColumn = 2;

}  // namespace

std::optional<std::size_t> chosenEntry(const std::vector<std::string>& entries, const DateChoice& date) {
  if (date.index && *date.index < entries.size() && entries[*date.index] == date.text) return date.index;
  if (date.text.empty()) return entries.empty() ? std::nullopt : std::optional<std::size_t>(0);
  for (std::size_t i = 0; i < entries.size(); ++i)
    if (entries[i] == date.text) return i;
  return std::nullopt;
}

RecordSelection::RecordSelection(std::filesystem::path folder, RecordKind kind, Wording wording)
    : folder_(std::move(folder)), kind_(kind), wording_(wording) {
  store::Transaction tx(folder_);
  const store::RecordTable table(tableLayout(kind_), tx);
  keys_.reserve(table.size());
  for (std::size_t p = 0; p < table.size(); ++p) keys_.push_back(keyAt(table, p));
  clients_ = distinctClients(table);
}

std::vector<std::string> RecordSelection::matters(const std::string& client) const {
  std::vector<std::string> numbers;
  for (const auto& key : keys_)
    if (key.client == client && (numbers.empty() || numbers.back() != key.matter)) numbers.push_back(key.matter);
  return numbers;
}

std::vector<std::string> RecordSelection::dates(const std::string& client, const std::string& matter) const {
  std::vector<std::string> entries;
  if (!rules::isWholeNumber(matter)) return entries;
  for (const auto& key : keys_)
    if (key.client == client && store::compareMatterNumbers(key.matter, matter) == 0)
      entries.push_back(document::recordDate(store::fromStoredDate(key.date)));
  return entries;
}

dialog::Outcome RecordSelection::display(const std::string& client, const std::string& matter,
                                         const DateChoice& date) {
  const bool capitals = wording_ == Wording::Capitals;
  const KindTexts& texts = kindTexts(kind_);
  dialog::Outcome outcome;
  if (!rules::isClientCode(client))
    return capitals ? outcome.error(message::kClientCodeRule)
                    : outcome.add(texts.deleteRuleKind, message::kDeleteClientCodeRule);

  store::Transaction tx(folder_);
  const store::RecordTable table(tableLayout(kind_), tx);
  if (clientRun(table, client).empty())
    return outcome.information(capitals ? texts.noneForClient : texts.deleteNoneForClient);
  if (!rules::isWholeNumber(matter))
    return capitals ? outcome.error(message::kMatterFrom0) : outcome.add(texts.deleteRuleKind, message::kDeleteMatterRule);
  const Run run = matterRun(table, client, matter);
  const std::string& noneForMatter = capitals ? texts.noneForClientMatter : texts.deleteNoneForClientMatter;
  if (run.empty()) return outcome.information(noneForMatter);

  // The chosen entry, else the first entry with the typed text; no text at all means the first.
  const std::vector<std::string> entries = dateEntries(table, run, kDateColumn);
  const std::optional<std::size_t> index = chosenEntry(entries, date);
  if (!index) return outcome.information(noneForMatter);

  const std::size_t position = run.first + *index;
  selected_ = SelectedRecord{position, keyAt(table, position), table.dataSlotAt(position),
                             table.readRecord(position), entries[*index]};
  return outcome;
}

std::optional<std::size_t> RecordSelection::locate(const store::RecordTable& table) const {
  if (!selected_) return std::nullopt;
  const std::size_t p = selected_->position;
  if (p >= table.size() || keyAt(table, p) != selected_->key || table.dataSlotAt(p) != selected_->slot)
    return std::nullopt;
  return p;
}

dialog::Outcome RecordSelection::saveSelected(dialog::Outcome outcome,
                                              const std::function<void(store::RecordTable&, std::size_t)>& write) {
  store::Transaction tx(folder_);
  store::RecordTable table(tableLayout(kind_), tx);
  const auto position = locate(table);
  if (!position) return outcome.error(message::kRecordGone);
  write(table, *position);
  tx.commit();
  selected_.reset();
  outcome.closing = dialog::Closing::Ok;
  return outcome;
}

dialog::Outcome RecordSelection::removeSelected() {
  if (!selected_) return dialog::Outcome{}.information(kindTexts(kind_).deleteNotDisplayed);
  return saveSelected({}, [](store::RecordTable& table, std::size_t position) { table.remove(position); });
}

}  // namespace vrk::records
