#include "core/interchange/ledes_check.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <map>
#include <optional>
#include <utility>

#include "core/interchange/csv.h"
#include "core/store/dates.h"

namespace vrk::interchange {
namespace {

constexpr std::size_t kLargestFile = 64u << 20;
constexpr std::string_view kFirstLine = "LEDES1998B[]";
constexpr std::string_view kLineEnd = "[]";

// The fields of every line item, in file order.
enum Field {
  kInvoiceDate, kInvoiceNumber, kClientId, kLawFirmMatterId, kInvoiceTotal, kBillingStartDate,
  kBillingEndDate, kInvoiceDescription, kLineItemNumber, kType, kUnits, kAdjustment, kLineItemTotal,
  kLineItemDate, kTaskCode, kExpenseCode, kActivityCode, kTimekeeperId, kLineItemDescription,
  kLawFirmId, kUnitCost, kTimekeeperName, kTimekeeperClassification, kClientMatterId, kFieldCount
};

constexpr std::array<std::string_view, kFieldCount> kFieldNames = {
    "INVOICE_DATE", "INVOICE_NUMBER", "CLIENT_ID", "LAW_FIRM_MATTER_ID", "INVOICE_TOTAL",
    "BILLING_START_DATE", "BILLING_END_DATE", "INVOICE_DESCRIPTION", "LINE_ITEM_NUMBER",
    "EXP/FEE/INV_ADJ_TYPE", "LINE_ITEM_NUMBER_OF_UNITS", "LINE_ITEM_ADJUSTMENT_AMOUNT",
    "LINE_ITEM_TOTAL", "LINE_ITEM_DATE", "LINE_ITEM_TASK_CODE", "LINE_ITEM_EXPENSE_CODE",
    "LINE_ITEM_ACTIVITY_CODE", "TIMEKEEPER_ID", "LINE_ITEM_DESCRIPTION", "LAW_FIRM_ID",
    "LINE_ITEM_UNIT_COST", "TIMEKEEPER_NAME", "TIMEKEEPER_CLASSIFICATION", "CLIENT_MATTER_ID"};

constexpr Field kRequired[] = {kInvoiceDate,    kInvoiceNumber,    kClientId,       kLawFirmMatterId,
                               kInvoiceTotal,   kBillingStartDate, kBillingEndDate, kLineItemNumber,
                               kType,           kLineItemTotal,    kLineItemDate};
constexpr Field kDates[] = {kInvoiceDate, kBillingStartDate, kBillingEndDate, kLineItemDate};
constexpr Field kAmounts[] = {kInvoiceTotal, kUnits, kAdjustment, kLineItemTotal, kUnitCost};
// Fields every line of one invoice repeats.
constexpr Field kShared[] = {kInvoiceDate, kInvoiceTotal, kBillingStartDate, kBillingEndDate, kClientId};

std::string name(Field f) { return std::string(kFieldNames[f]); }

// A value in a message: quoted, and cut short when long.
std::string quoted(std::string_view value) {
  if (value.size() > 40) return "\"" + std::string(value.substr(0, 37)) + "...\"";
  return "\"" + std::string(value) + "\"";
}

// "1 field", "23 fields".
std::string counted(std::size_t n, const std::string& what) {
  return std::to_string(n) + " " + what + (n == 1 ? "" : "s");
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// YYYYMMDD naming a real calendar day.
bool isDate(std::string_view s) {
  if (s.size() != 8 || !std::all_of(s.begin(), s.end(), isDigit)) return false;
  const auto number = [&](std::size_t at, std::size_t size) {
    int n = 0;
    for (const char c : s.substr(at, size)) n = n * 10 + (c - '0');
    return n;
  };
  const store::CalendarDate date{number(0, 4), number(4, 2), number(6, 2)};
  return date.year >= 1 && store::isValidDate(date);
}

// An optional minus, 1 to 9 digits, and 1 to 4 decimals after a point if there is one; in
// ten-thousandths.
std::optional<long long> amount(std::string_view s) {
  const bool negative = !s.empty() && s.front() == '-';
  if (negative) s.remove_prefix(1);
  const std::size_t point = s.find('.');
  const std::string_view whole = s.substr(0, point);
  const std::string_view decimals = point == std::string_view::npos ? "" : s.substr(point + 1);
  if (whole.empty() || whole.size() > 9) return std::nullopt;
  if (point != std::string_view::npos && (decimals.empty() || decimals.size() > 4)) return std::nullopt;
  long long value = 0;
  for (const char c : whole) {
    if (!isDigit(c)) return std::nullopt;
    value = value * 10 + (c - '0');
  }
  for (std::size_t i = 0; i < 4; ++i) {
    if (i < decimals.size() && !isDigit(decimals[i])) return std::nullopt;
    value = value * 10 + (i < decimals.size() ? decimals[i] - '0' : 0);
  }
  return negative ? -value : value;
}

// Ten-thousandths to whole cents, halves away from zero.
long long toCents(long long tenThousandths) {
  return tenThousandths >= 0 ? (tenThousandths + 50) / 100 : -((-tenThousandths + 50) / 100);
}

std::string centsText(long long c) {
  const long long whole = c < 0 ? -c : c;
  const long long fraction = whole % 100;
  return (c < 0 ? "-" : "") + std::to_string(whole / 100) + (fraction < 10 ? ".0" : ".") +
         std::to_string(fraction);
}

// A sum of ten-thousandths kept as whole cents and a remainder, so that no file can overflow it.
struct Sum {
  long long wholeCents = 0;
  long long rest = 0;
  void add(long long tenThousandths) {
    wholeCents += tenThousandths / 100;
    rest += tenThousandths % 100;
  }
  long long cents() const { return wholeCents + toCents(rest); }
};

struct Invoice {
  int firstLine = 0;
  std::array<std::string, kFieldCount> first;  // the fields of its first line
  std::map<std::string, int, std::less<>> itemNumbers;  // the line each number is first used on
  Sum lineTotals;
  bool everyTotalRead = true;
};

// The lines, each without its CRLF or LF; blank lines at the end left out.
std::vector<std::string_view> linesOf(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    text.remove_prefix(std::min(end + 1, text.size()));
  }
  while (!lines.empty() && lines.back().empty()) lines.pop_back();
  return lines;
}

std::vector<std::string_view> split(std::string_view line) {
  std::vector<std::string_view> fields;
  for (;;) {
    const std::size_t bar = line.find('|');
    fields.push_back(line.substr(0, bar));
    if (bar == std::string_view::npos) return fields;
    line.remove_prefix(bar + 1);
  }
}

class Checker {
 public:
  std::vector<LedesProblem> check(std::string_view bytes) {
    if (bytes.size() > kLargestFile) return {{0, "the file is larger than 64 MiB"}};
    const std::string text = storedText(bytes);
    const std::vector<std::string_view> lines = linesOf(text);
    if (lines.empty()) return {{0, "the file is empty"}};
    if (lines[0] != kFirstLine) add(1, "the first line is not LEDES1998B[]");
    if (lines.size() < 2) {
      add(0, "the file ends before its line of field names");
    } else {
      checkFieldNames(lines[1]);
      if (lines.size() < 3) add(0, "the file has no line items");
    }
    for (std::size_t i = 2; i < lines.size(); ++i) {
      const int line = static_cast<int>(i) + 1;
      if (lines[i].empty())
        add(line, "the line is empty");
      else
        checkLineItem(line, lines[i]);
    }
    checkInvoices();
    std::stable_sort(problems_.begin(), problems_.end(),
                     [](const LedesProblem& a, const LedesProblem& b) { return a.line < b.line; });
    return std::move(problems_);
  }

 private:
  void add(int line, std::string text) { problems_.push_back({line, std::move(text)}); }

  // The fields of a line without its closing [], reporting a line that lacks it.
  std::vector<std::string_view> fieldsOf(int line, std::string_view text) {
    if (text.ends_with(kLineEnd))
      text.remove_suffix(kLineEnd.size());
    else
      add(line, "the line does not end in []");
    return split(text);
  }

  void checkFieldNames(std::string_view text) {
    const std::vector<std::string_view> names = fieldsOf(2, text);
    if (names.size() != kFieldNames.size()) {
      add(2, counted(names.size(), "field name") + ", not 24");
      return;
    }
    for (std::size_t i = 0; i < names.size(); ++i) {
      if (names[i] != kFieldNames[i])
        add(2, "field " + std::to_string(i + 1) + " is " + quoted(names[i]) + ", not " +
                   std::string(kFieldNames[i]));
    }
  }

  void checkLineItem(int line, std::string_view text) {
    const std::vector<std::string_view> fields = fieldsOf(line, text);
    if (fields.size() != kFieldCount) {
      add(line, counted(fields.size(), "field") + ", not 24");
      return;
    }
    const auto field = [&](Field f) { return fields[f]; };
    for (const Field f : kRequired)
      if (field(f).empty()) add(line, name(f) + " is empty");
    for (const Field f : kDates)
      if (!field(f).empty() && !isDate(field(f)))
        add(line, name(f) + " " + quoted(field(f)) + " is not a date as YYYYMMDD");
    std::array<std::optional<long long>, kFieldCount> amounts;
    for (const Field f : kAmounts) {
      if (field(f).empty()) continue;
      amounts[f] = amount(field(f));
      if (!amounts[f])
        add(line, name(f) + " " + quoted(field(f)) + " is not a number (up to 9 digits and 4 decimals)");
    }
    const auto value = [&](Field f) { return amounts[f]; };
    const std::string_view type = field(kType);
    const bool feeOrExpense = type == "F" || type == "E";
    if (!type.empty() && !feeOrExpense && type != "IF" && type != "IE")
      add(line, "the type " + quoted(type) + " is not F, E, IF or IE");
    if (feeOrExpense && value(kUnits) && value(kUnitCost) && value(kLineItemTotal) &&
        (value(kAdjustment) || field(kAdjustment).empty()))
      checkLineArithmetic(line, *value(kUnits), *value(kUnitCost), value(kAdjustment).value_or(0),
                          *value(kLineItemTotal), field(kLineItemTotal));
    addToInvoice(line, fields, value(kLineItemTotal));
  }

  // LINE_ITEM_TOTAL against units times unit cost plus adjustment, to within a cent. The product
  // can outgrow a 64-bit integer, so it is worked out in long double.
  void checkLineArithmetic(int line, long long units, long long unitCost, long long adjustment,
                           long long total, std::string_view totalText) {
    const long double expected = static_cast<long double>(units) * static_cast<long double>(unitCost) / 1e8L +
                                 static_cast<long double>(adjustment) / 1e4L;
    if (std::fabs(static_cast<long double>(total) / 1e4L - expected) < 0.01L - 1e-9L) return;
    char text[64];
    std::snprintf(text, sizeof text, "%.2Lf", std::fabs(expected) < 0.005L ? 0.0L : expected);
    add(line, "LINE_ITEM_TOTAL " + std::string(totalText) +
                  " is not units times unit cost plus adjustment (" + text + ")");
  }

  void addToInvoice(int line, const std::vector<std::string_view>& fields,
                    std::optional<long long> lineTotal) {
    auto key = std::make_pair(std::string(fields[kInvoiceNumber]), std::string(fields[kLawFirmMatterId]));
    auto [at, added] = invoices_.try_emplace(std::move(key));
    Invoice& invoice = at->second;
    if (added) {
      invoice.firstLine = line;
      std::copy(fields.begin(), fields.end(), invoice.first.begin());
    } else {
      for (const Field f : kShared) {
        if (fields[f] != invoice.first[f])
          add(line, name(f) + " " + quoted(fields[f]) + " differs from " + quoted(invoice.first[f]) +
                        " on the invoice's first line (line " + std::to_string(invoice.firstLine) + ")");
      }
    }
    const std::string_view number = fields[kLineItemNumber];
    if (!number.empty()) {
      const auto [used, fresh] = invoice.itemNumbers.try_emplace(std::string(number), line);
      if (!fresh)
        add(line, "LINE_ITEM_NUMBER " + quoted(number) + " is already used in the invoice on line " +
                      std::to_string(used->second));
    }
    if (lineTotal)
      invoice.lineTotals.add(*lineTotal);
    else
      invoice.everyTotalRead = false;
  }

  // What only a whole invoice shows, reported on its first line.
  void checkInvoices() {
    for (const auto& [key, invoice] : invoices_) {
      const std::string& start = invoice.first[kBillingStartDate];
      const std::string& end = invoice.first[kBillingEndDate];
      if (isDate(start) && isDate(end) && start > end)
        add(invoice.firstLine, "BILLING_START_DATE " + start + " is after BILLING_END_DATE " + end);
      const std::string& totalText = invoice.first[kInvoiceTotal];
      const std::optional<long long> total = amount(totalText);
      if (total && invoice.everyTotalRead && toCents(*total) != invoice.lineTotals.cents())
        add(invoice.firstLine, "INVOICE_TOTAL " + totalText + " is not the sum of its lines (" +
                                   centsText(invoice.lineTotals.cents()) + ")");
    }
  }

  std::vector<LedesProblem> problems_;
  std::map<std::pair<std::string, std::string>, Invoice> invoices_;  // by number and matter
};

}  // namespace

std::vector<LedesProblem> checkLedes(std::string_view bytes) { return Checker().check(bytes); }

std::string describe(const LedesProblem& p) {
  return (p.line == 0 ? std::string("file") : "line " + std::to_string(p.line)) + ": " + p.text;
}

std::string ledesFieldNamesLine() {
  std::string line;
  for (const auto& field : kFieldNames) line += (line.empty() ? "" : "|") + std::string(field);
  return line + std::string(kLineEnd);
}

}  // namespace vrk::interchange
