#include "core/records/record_listing.h"

#include "core/document/date_text.h"
#include "core/document/line_builder.h"
#include "core/records/billing_table.h"
#include "core/records/payments.h"
#include "core/records/record_fields.h"
#include "core/records/record_numbers.h"
#include "core/store/dates.h"
#include "core/store/tables.h"

namespace vrk::records {
namespace {

// Column widths; a longer text pushes the rest of its line on.
namespace width {
constexpr int kPosition = 3;
constexpr int kMatter = static_cast<int>(store::kMatterNumberWidth);
constexpr int kSlot = 8;  // "slot 123"
constexpr int kInitials = static_cast<int>(records::kInitialsWidth);
constexpr int kTime = static_cast<int>(records::kTimeWidth);  // "999.9"
constexpr int kRate = 10;                                     // "$99,999.99"
constexpr int kKind = 6;                                      // "credit"
constexpr int kAmount = 14;                                   // "$99,999,999.99"
constexpr int kGap = 2;                                       // blanks between columns
}  // namespace width

const char* kindName(ListedKind kind) {
  switch (kind) {
    case ListedKind::Time:
      return "time";
    case ListedKind::CostCredit:
      return "cost/credit";
    case ListedKind::Payment:
      return "payment";
  }
  return "";
}

// The text followed by blanks up to `width` characters (a longer text stays whole).
std::string leftAligned(const std::string& text, int width) {
  const auto length = static_cast<int>(text.size());
  return length >= width ? text : text + std::string(static_cast<std::size_t>(width - length), ' ');
}

template <std::size_t N>
std::string joinedDescription(const std::array<std::string, N>& lines) {
  std::string joined;
  for (const auto& line : lines) {
    if (line.empty()) continue;
    if (!joined.empty()) joined += " / ";
    joined += line;
  }
  return joined;
}

std::string dayText(double stored) { return document::recordDate(store::fromStoredDate(stored)); }

// Position, matter, day and data slot: the start of a time or cost/credit line.
document::LineBuilder keyColumns(const store::RecordTable& table, std::size_t number, std::size_t position) {
  const RecordKey key = keyAt(table, position);
  document::LineBuilder line;
  line.right(std::to_string(number), width::kPosition)
      .blanks(width::kGap)
      .text(leftAligned(key.matter, width::kMatter))
      .blanks(width::kGap)
      .text(dayText(key.date))
      .blanks(width::kGap)
      .text(leftAligned("slot " + std::to_string(table.dataSlotAt(position)), width::kSlot));
  return line;
}

void addDescription(document::LineBuilder& line, const std::string& description) {
  if (!description.empty()) line.blanks(width::kGap).text(description);
}

document::Line timeLine(const store::RecordTable& table, std::size_t number, std::size_t position) {
  const TimeRecord record = decodeTimeRecord(table.readRecord(position));
  document::LineBuilder line = keyColumns(table, number, position);
  line.blanks(width::kGap)
      .text(leftAligned(record.initials, width::kInitials))
      .blanks(width::kGap)
      .right(record.time, width::kTime)
      .blanks(width::kGap)
      .right(shownRate(record.rate), width::kRate);
  addDescription(line, joinedDescription(record.description));
  return line.line();
}

document::Line costCreditLine(const store::RecordTable& table, std::size_t number, std::size_t position) {
  const CostCreditRecord record = decodeCostCreditRecord(table.readRecord(position));
  document::LineBuilder line = keyColumns(table, number, position);
  line.blanks(width::kGap)
      .text(leftAligned(record.kind == kCredit ? "credit" : "cost", width::kKind))
      .blanks(width::kGap)
      .right(shownAmount(record.amount), width::kAmount);
  addDescription(line, joinedDescription(record.description));
  return line.line();
}

document::Line paymentLine(const store::RecordTable& table, std::size_t number, std::size_t position) {
  const PaymentKey key = paymentAt(table, position);
  return document::LineBuilder()
      .right(std::to_string(number), width::kPosition)
      .blanks(width::kGap)
      .text(dayText(key.date))
      .blanks(width::kGap)
      .right(shownAmount(key.amount), width::kAmount)
      .line();
}

store::TableLayout layoutOf(ListedKind kind) {
  switch (kind) {
    case ListedKind::Time:
      return store::timeRecordTable();
    case ListedKind::CostCredit:
      return store::costCreditRecordTable();
    case ListedKind::Payment:
      break;
  }
  return store::paymentRecordTable();
}

}  // namespace

document::Document recordListing(const std::filesystem::path& folder, ListedKind kind,
                                 const std::string& client) {
  store::Transaction tx(folder);
  const store::RecordTable table(layoutOf(kind), tx);
  const Run run = clientRun(table, client);
  document::Document listing;
  if (run.empty()) {
    listing.lines.push_back(document::LineBuilder()
                                .text(std::string("No ") + kindName(kind) + " records for client " + client)
                                .line());
    return listing;
  }
  for (std::size_t i = 0; i < run.count; ++i) {
    const std::size_t position = run.first + i;
    switch (kind) {
      case ListedKind::Time:
        listing.lines.push_back(timeLine(table, i + 1, position));
        break;
      case ListedKind::CostCredit:
        listing.lines.push_back(costCreditLine(table, i + 1, position));
        break;
      case ListedKind::Payment:
        listing.lines.push_back(paymentLine(table, i + 1, position));
        break;
    }
  }
  return listing;
}

}  // namespace vrk::records
