#include "core/records/billing_table.h"

#include <algorithm>

#include "core/dialog/centred_message.h"
#include "core/document/date_text.h"
#include "core/rules/input_rules.h"
#include "core/store/dates.h"
#include "core/store/tables.h"

namespace vrk::records {
namespace {

constexpr std::size_t kDateColumn = 2;

KindTexts makeTexts(const std::string& upper, const std::string& mixed, const std::string& mixedNo,
                    dialog::MessageKind deleteRuleKind) {
  return {"NO " + upper + " RECORDS ARE PRESENT FOR THIS CLIENT",
          "NO " + upper + " RECORDS ARE PRESENT FOR THIS CLIENT/MATTER",
          "No " + mixed + " Records Have Been Entered For This Client",
          mixedNo + " " + mixed + " Records Have Been Entered For This Client/Matter",
          dialog::centredMessage("A " + mixed + " Record Must Be Displayed", "Before It Can Be Deleted"),
          deleteRuleKind,
          "END OF " + upper + " RECORDS FOR CLIENT",
          "BEGINNING OF " + upper + " RECORDS FOR CLIENT"};
}

}  // namespace

const KindTexts& kindTexts(RecordKind kind) {
  static const KindTexts time = makeTexts("TIME", "Time", "No", dialog::MessageKind::Information);
  // The cost/credit delete dialog writes "NO" in its client/matter message.
  static const KindTexts costCredit = makeTexts("COST/CREDIT", "Cost/Credit", "NO", dialog::MessageKind::Error);
  return kind == RecordKind::Time ? time : costCredit;
}

store::TableLayout tableLayout(RecordKind kind) {
  return kind == RecordKind::Time ? store::timeRecordTable() : store::costCreditRecordTable();
}

store::Key toKey(const RecordKey& key) { return {key.client, key.matter, key.date}; }

RecordKey keyAt(const store::RecordTable& table, std::size_t position) {
  return {table.texts(0)[position], table.texts(1)[position], table.dates(kDateColumn)[position]};
}

Run clientRun(const store::RecordTable& table, const std::string& client) {
  const auto& codes = table.texts(0);
  const auto less = [](const std::string& a, const std::string& b) { return store::compareBytes(a, b) < 0; };
  const auto first = std::lower_bound(codes.begin(), codes.end(), client, less);
  const auto last = std::upper_bound(first, codes.end(), client, less);
  return {static_cast<std::size_t>(first - codes.begin()), static_cast<std::size_t>(last - first)};
}

Run matterRun(const store::RecordTable& table, const std::string& client, const std::string& matter) {
  const Run run = clientRun(table, client);
  const auto& numbers = table.texts(1);
  Run result{run.first + run.count, 0};
  for (std::size_t p = run.first; p < run.first + run.count; ++p) {
    if (store::compareMatterNumbers(numbers[p], matter) != 0) continue;
    if (result.count == 0) result.first = p;
    ++result.count;
  }
  return result;
}

std::vector<std::string> distinctClients(const store::RecordTable& table) {
  std::vector<std::string> clients;
  for (const auto& code : table.texts(0))
    if (clients.empty() || clients.back() != code) clients.push_back(code);
  return clients;
}

std::vector<std::string> distinctMatters(const store::RecordTable& table, const std::string& client) {
  const Run run = clientRun(table, client);
  std::vector<std::string> numbers;
  for (std::size_t p = run.first; p < run.first + run.count; ++p)
    if (numbers.empty() || numbers.back() != table.texts(1)[p]) numbers.push_back(table.texts(1)[p]);
  return numbers;
}

std::vector<std::string> dateEntries(const store::RecordTable& table, Run run, std::size_t dateColumn) {
  std::vector<std::string> entries;
  entries.reserve(run.count);
  for (std::size_t p = run.first; p < run.first + run.count; ++p)
    entries.push_back(document::recordDate(store::fromStoredDate(table.dates(dateColumn)[p])));
  return entries;
}

std::size_t costCreditAddPosition(const store::RecordTable& table, const RecordKey& key) {
  // Past the positions of lower client codes and lower matter numbers, then along those of the
  // same client and matter by stored date.
  const Run run = clientRun(table, key.client);
  std::size_t p = run.first;
  const std::size_t end = run.first + run.count;
  while (p < end && store::compareMatterNumbers(table.texts(1)[p], key.matter) < 0) ++p;
  while (p < end && store::compareMatterNumbers(table.texts(1)[p], key.matter) == 0 &&
         !(table.dates(kDateColumn)[p] > key.date))
    ++p;
  return p;
}

bool isRegisteredMatter(const matters::MatterLists& lists, const std::string& client, const std::string& number) {
  if (number.empty() || !std::all_of(number.begin(), number.end(), rules::isDigit)) return false;
  return std::any_of(lists.matters.begin(), lists.matters.end(), [&](const matters::MatterKey& key) {
    return key.client == client && store::compareMatterNumbers(key.number, number) == 0;
  });
}

}  // namespace vrk::records
