#include "core/interchange/record_import.h"

#include <algorithm>
#include <map>
#include <optional>

#include "core/document/date_text.h"
#include "core/interchange/csv.h"
#include "core/records/billing_table.h"
#include "core/records/cost_credit_records.h"
#include "core/records/payments.h"
#include "core/records/record_fields.h"
#include "core/records/record_messages.h"
#include "core/records/time_records.h"
#include "core/rules/decimal_value.h"
#include "core/rules/input_rules.h"
#include "core/store/record_table.h"
#include "core/store/tables.h"
#include "core/store/transaction.h"

namespace vrk::interchange {
namespace {

std::string lowered(std::string text) {
  for (auto& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

std::string trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// A dialog's message on one line: its lines without their centring blanks, joined by " - ".
std::string oneLine(const std::string& message) {
  std::string line;
  std::size_t at = 0;
  while (at <= message.size()) {
    auto end = message.find("\r\n", at);
    if (end == std::string::npos) end = message.size();
    const std::string part = trimmed(message.substr(at, end - at));
    if (!part.empty()) line += (line.empty() ? "" : " - ") + part;
    at = end + 2;
  }
  return line;
}

std::optional<store::CalendarDate> parseDate(const std::string& text) {
  if (text.size() == 10 && text[4] == '-' && text[7] == '-') {
    for (const std::size_t i : {0, 1, 2, 3, 5, 6, 8, 9})
      if (!rules::isDigit(text[i])) return std::nullopt;
    const store::CalendarDate date{std::stoi(text.substr(0, 4)), std::stoi(text.substr(5, 2)),
                                   std::stoi(text.substr(8, 2))};
    if (!store::isValidDate(date)) return std::nullopt;
    return date;
  }
  return document::parseRecordDate(text, document::DateForm::Loose);
}

// The rows of one file, their fields by column name.
class Rows {
 public:
  Rows(const CsvFile& file, ImportKind kind, std::vector<std::string>& problems) : file_(file) {
    if (!file.error.empty()) {
      problems.push_back(file.error);
      return;
    }
    if (file.rows.empty()) {
      problems.push_back("line 1: the file has no header row naming the columns");
      return;
    }
    const auto& known = importColumns(kind);
    const auto& header = file.rows.front();
    for (std::size_t i = 0; i < header.fields.size(); ++i) {
      const std::string name = lowered(trimmed(header.fields[i]));
      if (std::find(known.begin(), known.end(), name) == known.end()) {
        problems.push_back("line " + std::to_string(header.line) + ": the column \"" + header.fields[i] +
                           "\" is not one of " + joinedNames(known));
      } else if (!columns_.emplace(name, i).second) {
        problems.push_back("line " + std::to_string(header.line) + ": the column \"" + name + "\" is named twice");
      }
    }
    for (const auto& name : known) {
      const bool optional = name == "rate" || name == "kind" || name == "description";
      if (!optional && !columns_.count(name))
        problems.push_back("line " + std::to_string(header.line) + ": the column \"" + name + "\" is missing");
    }
  }

  std::size_t size() const { return file_.rows.empty() ? 0 : file_.rows.size() - 1; }
  int line(std::size_t row) const { return file_.rows[row + 1].line; }
  // The row's field of that column, blanks around it removed; empty when the row is short.
  std::string get(std::size_t row, const std::string& column, bool keepBlanks = false) const {
    const auto it = columns_.find(column);
    const auto& fields = file_.rows[row + 1].fields;
    if (it == columns_.end() || it->second >= fields.size()) return {};
    return keepBlanks ? fields[it->second] : trimmed(fields[it->second]);
  }
  std::size_t fieldsIn(std::size_t row) const { return file_.rows[row + 1].fields.size(); }
  std::size_t headerFields() const { return file_.rows.front().fields.size(); }

 private:
  static std::string joinedNames(const std::vector<std::string>& names) {
    std::string text;
    for (const auto& name : names) text += (text.empty() ? "" : ", ") + name;
    return text;
  }

  const CsvFile& file_;
  std::map<std::string, std::size_t> columns_;
};

// The checks every kind shares before its dialog's: the row's field count and its date.
std::optional<store::CalendarDate> commonChecks(const Rows& rows, std::size_t row, std::string& problem) {
  if (rows.fieldsIn(row) > rows.headerFields()) {
    problem = "the row has more fields than the header names";
    return std::nullopt;
  }
  const std::string text = rows.get(row, "date");
  const auto date = parseDate(text);
  if (!date) problem = "the date \"" + text + "\" is not a date as MM/DD/YYYY or YYYY-MM-DD";
  return date;
}

template <std::size_t N>
bool description(const Rows& rows, std::size_t row, std::vector<std::string>& lines, std::string& problem) {
  lines = wrapDescription(rows.get(row, "description", true), records::kDescriptionWidth, N);
  if (!lines.empty() || rows.get(row, "description").empty()) return true;
  problem = "the description does not fit in " + std::to_string(N) + " lines of " +
            std::to_string(records::kDescriptionWidth) + " characters";
  return false;
}

// Checks every row; the records to add when all pass.
struct Checked {
  std::vector<store::RecordTable::NewRecord> records;
  struct Payment {
    int line = 0;
    std::string client;
    double amount = 0;
  };
  std::vector<Payment> payments;  // the totals to raise
};

Checked checkRows(const std::filesystem::path& folder, ImportKind kind, const Rows& rows,
                  std::vector<std::string>& problems) {
  Checked checked;
  matters::MatterLists lists;  // time and cost/credit rows
  std::vector<std::string> clientCodes;  // payment rows
  if (kind == ImportKind::Payment) {
    clientCodes = records::loadClientCodes(folder);
  } else {
    lists = matters::loadMatterLists(folder);
  }
  for (std::size_t row = 0; row < rows.size(); ++row) {
    std::string problem;
    dialog::Outcome outcome;
    const auto date = commonChecks(rows, row, problem);
    if (date && kind == ImportKind::Time) {
      records::TimeBoxes boxes{rules::capitals(rows.get(row, "client")), rows.get(row, "matter"), *date,
                               rules::capitals(rows.get(row, "attorney")), rows.get(row, "hours"),
                               rows.get(row, "rate").empty() ? "$" : rows.get(row, "rate"), {}};
      if (description<records::kTimeDescriptionLines>(rows, row, boxes.description, problem)) {
        const auto entry =
            records::checkTimeEntry(boxes, lists, records::Entry::Add, nullptr, records::message::kRate, outcome);
        if (entry)
          checked.records.push_back({records::toKey(entry->key), records::encodeTimeRecord(entry->record)});
      }
    } else if (date && kind == ImportKind::CostCredit) {
      const std::string kindText = lowered(rows.get(row, "kind"));
      records::CostCreditBoxes boxes{rules::capitals(rows.get(row, "client")), rows.get(row, "matter"), *date,
                                     kindText == "credit" ? records::kCredit : records::kCost,
                                     rows.get(row, "amount"), {}};
      if (!kindText.empty() && kindText != "cost" && kindText != "credit") {
        problem = "the kind \"" + rows.get(row, "kind") + "\" is neither cost nor credit";
      } else if (description<records::kCostCreditDescriptionLines>(rows, row, boxes.description, problem)) {
        const auto entry = records::checkCostCreditEntry(boxes, lists, records::Entry::Add, nullptr, outcome);
        if (entry)
          checked.records.push_back({records::toKey(entry->key), records::encodeCostCreditRecord(entry->record)});
      }
    } else if (date) {
      const records::PaymentBoxes boxes{rules::capitals(rows.get(row, "client")), *date, rows.get(row, "amount")};
      if (const auto entry = records::checkPaymentEntry(boxes, clientCodes, outcome)) {
        checked.records.push_back({records::toKey(*entry), {}});
        checked.payments.push_back({rows.line(row), entry->client, rules::storedDecimalValue(entry->amount)});
      }
    }
    if (problem.empty() && !outcome.messages.empty()) problem = oneLine(outcome.messages.front().text);
    if (!problem.empty()) problems.push_back("line " + std::to_string(rows.line(row)) + ": " + problem);
  }
  return checked;
}

// Where the add dialog puts a cost/credit record: after the client's and matter's records whose
// stored dates are not after its own.
int costCreditPlacement(const store::Key& a, const store::Key& b) {
  if (const int c = store::compareBytes(std::get<std::string>(a[0]), std::get<std::string>(b[0]))) return c;
  if (const int c = store::compareMatterNumbers(std::get<std::string>(a[1]), std::get<std::string>(b[1]))) return c;
  const double x = std::get<double>(a[2]);
  const double y = std::get<double>(b[2]);
  return x < y ? -1 : (x > y ? 1 : 0);
}

}  // namespace

const std::vector<std::string>& importColumns(ImportKind kind) {
  static const std::vector<std::string> time = {"client", "matter", "date", "attorney", "hours", "rate", "description"};
  static const std::vector<std::string> costs = {"client", "matter", "date", "kind", "amount", "description"};
  static const std::vector<std::string> payments = {"client", "date", "amount"};
  return kind == ImportKind::Time ? time : (kind == ImportKind::CostCredit ? costs : payments);
}

std::vector<std::string> wrapDescription(const std::string& text, std::size_t width, std::size_t lines) {
  std::vector<std::string> wrapped;
  std::size_t at = 0;
  while (at <= text.size()) {
    auto end = text.find('\n', at);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(at, end - at);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    while (line.size() > width) {
      auto cut = line.rfind(' ', width);
      const std::size_t next = cut == std::string::npos || cut == 0 ? width : cut + 1;
      if (cut == std::string::npos || cut == 0) cut = width;
      wrapped.push_back(line.substr(0, cut));
      line = line.substr(next);
    }
    wrapped.push_back(line);
    at = end + 1;
  }
  while (!wrapped.empty() && wrapped.back().empty()) wrapped.pop_back();
  if (wrapped.size() > lines) return {};
  return wrapped;
}

ImportResult importRecords(const std::filesystem::path& folder, ImportKind kind, std::string_view csvBytes) {
  ImportResult result;
  const CsvFile file = readCsv(csvBytes);
  const Rows rows(file, kind, result.problems);
  if (!result.problems.empty()) return result;
  Checked checked = checkRows(folder, kind, rows, result.problems);
  if (!result.problems.empty() || checked.records.empty()) return result;

  store::Transaction tx(folder);
  const auto layout = kind == ImportKind::Time         ? store::timeRecordTable()
                      : kind == ImportKind::CostCredit ? store::costCreditRecordTable()
                                                       : store::paymentRecordTable();
  store::RecordTable table(layout, tx);
  for (const auto& payment : checked.payments)
    if (!records::adjustPaymentsSince(tx, payment.client, payment.amount))
      result.problems.push_back("line " + std::to_string(payment.line) + ": " +
                                oneLine(records::message::kPaymentsTotalTooLarge));
  if (!result.problems.empty()) return result;  // nothing staged is committed
  result.imported = checked.records.size();
  table.addAll(std::move(checked.records), kind == ImportKind::CostCredit ? store::KeyOrder(costCreditPlacement)
                                                                           : store::KeyOrder());
  tx.commit();
  return result;
}

}  // namespace vrk::interchange
