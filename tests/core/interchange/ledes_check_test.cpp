#include "core/interchange/ledes_check.h"

#include <gtest/gtest.h>

#include <functional>

namespace vrk::interchange {
namespace {

using Row = std::vector<std::string>;

// Positions of the fields the cases change.
enum {
  kClientId = 2, kInvoiceTotal = 4, kBillingStartDate = 5, kBillingEndDate = 6, kItemNumber = 8,
  kType = 9, kUnits = 10, kItemTotal = 12, kItemDate = 13, kUnitCost = 20
};

const std::string kNames =
    "INVOICE_DATE|INVOICE_NUMBER|CLIENT_ID|LAW_FIRM_MATTER_ID|INVOICE_TOTAL|BILLING_START_DATE|"
    "BILLING_END_DATE|INVOICE_DESCRIPTION|LINE_ITEM_NUMBER|EXP/FEE/INV_ADJ_TYPE|LINE_ITEM_NUMBER_OF_UNITS|"
    "LINE_ITEM_ADJUSTMENT_AMOUNT|LINE_ITEM_TOTAL|LINE_ITEM_DATE|LINE_ITEM_TASK_CODE|LINE_ITEM_EXPENSE_CODE|"
    "LINE_ITEM_ACTIVITY_CODE|TIMEKEEPER_ID|LINE_ITEM_DESCRIPTION|LAW_FIRM_ID|LINE_ITEM_UNIT_COST|"
    "TIMEKEEPER_NAME|TIMEKEEPER_CLASSIFICATION|CLIENT_MATTER_ID";

Row fields(const std::string& line) {
  Row row(1);
  for (const char c : line) {
    if (c == '|') row.emplace_back();
    else row.back() += c;
  }
  return row;
}

std::string joined(const Row& row) {
  std::string line;
  for (std::size_t i = 0; i < row.size(); ++i) line += (i == 0 ? "" : "|") + row[i];
  return line;
}

// Two invoices on lines 3-5 and 6-7: two fees (one with an adjustment) and an expense adding up to
// 642.18; a fee and an invoice-level expense credit adding up to 100.00.
std::vector<Row> validRows() {
  return {
      fields("20010731|INV-1001|C-10|M-77|642.18|20010701|20010731|July services|1|F|1.5||300.00|20010703|"
             "L110||A101|JD|Review of lease|12-3456789|200.00|Doe, Jane|PT|CM-1"),
      fields("20010731|INV-1001|C-10|M-77|642.18|20010701|20010731|July services|2|F|2.25|-37.50|300.00|"
             "20010710|L120||A102|RS|Draft of answer|12-3456789|150|Roe, Sam|AS|CM-1"),
      fields("20010731|INV-1001|C-10|M-77|642.18|20010701|20010731|July services|3|E|1||42.18|20010712||"
             "E101||JD|Copies|12-3456789|42.18|Doe, Jane|PT|CM-1"),
      fields("20010731|INV-1002|C-10|M-78|100.00|20010701|20010731|July services|1|F|0.5||125.00|20010720|"
             "L110||A101|JD|Call with client|12-3456789|250.00|Doe, Jane|PT|CM-2"),
      fields("20010731|INV-1002|C-10|M-78|100.00|20010701|20010731|July services|2|IE||-25|-25.00|20010731|"
             "||||Courtesy credit|12-3456789||||CM-2"),
  };
}

std::string ledes(const std::vector<Row>& rows, const std::string& end = "\r\n") {
  std::string file = "LEDES1998B[]" + end + kNames + "[]" + end;
  for (const auto& row : rows) file += joined(row) + "[]" + end;
  return file;
}

// The valid file with one line (from 1) replaced.
std::string withLine(int n, const std::string& text) {
  std::string file = ledes(validRows());
  std::size_t at = 0;
  for (int i = 1; i < n; ++i) at = file.find('\n', at) + 1;
  return file.replace(at, file.find('\r', at) - at, text);
}

// The same field on every line of one invoice (rows first to last).
void setAll(std::vector<Row>& rows, std::size_t first, std::size_t last, int field,
            const std::string& value) {
  for (std::size_t i = first; i <= last; ++i) rows[i][static_cast<std::size_t>(field)] = value;
}

std::vector<std::string> described(const std::string& file) {
  std::vector<std::string> texts;
  for (const auto& problem : checkLedes(file)) texts.push_back(describe(problem));
  return texts;
}

struct Case {
  const char* what;
  std::function<std::string()> file;
  std::vector<std::string> problems;
};

TEST(LedesCheck, ValidFilesHaveNoProblems) {
  const Case cases[] = {
      {"two invoices, CRLF", [] { return ledes(validRows()); }, {}},
      {"LF line ends", [] { return ledes(validRows(), "\n"); }, {}},
      {"no last line end", [] { auto f = ledes(validRows()); return f.substr(0, f.size() - 2); }, {}},
      {"blank lines at the end", [] { return ledes(validRows()) + "\r\n\r\n"; }, {}},
      {"UTF-8 byte-order mark", [] { return "\xEF\xBB\xBF" + ledes(validRows()); }, {}},
      {"the same number on another matter is another invoice", [] {
         auto rows = validRows();
         setAll(rows, 3, 4, 1, "INV-1001");
         return ledes(rows);
       }, {}},
      {"line total off by less than a cent", [] {
         auto rows = validRows();
         rows[3][kUnits] = "1";
         rows[3][kUnitCost] = "124.9901";
         return ledes(rows);
       }, {}},
      {"invoice total is the sum rounded to cents", [] {
         auto rows = validRows();
         rows[3][kUnitCost] = "250.01";
         rows[3][kItemTotal] = "125.005";
         setAll(rows, 3, 4, kInvoiceTotal, "100.01");
         return ledes(rows);
       }, {}},
      {"a leap day", [] {
         auto rows = validRows();
         rows[0][kItemDate] = "20000229";
         return ledes(rows);
       }, {}},
  };
  for (const auto& c : cases) EXPECT_EQ(described(c.file()), c.problems) << c.what;
}

TEST(LedesCheck, EachProblemIsNamedOnItsLine) {
  const auto changed = [](std::function<void(std::vector<Row>&)> change) {
    return [change] {
      auto rows = validRows();
      change(rows);
      return ledes(rows);
    };
  };
  const Case cases[] = {
      {"invoice total", changed([](auto& rows) { setAll(rows, 0, 2, kInvoiceTotal, "650.00"); }),
       {"line 3: INVOICE_TOTAL 650.00 is not the sum of its lines (642.18)"}},
      {"invoice total against a sum of sub-cent line totals", changed([](auto& rows) {
         rows[3][kUnitCost] = "250.01";
         rows[3][kItemTotal] = "125.005";
       }),
       {"line 6: INVOICE_TOTAL 100.00 is not the sum of its lines (100.01)"}},
      {"field count, and the invoice no longer adding up", changed([](auto& rows) { rows[1].pop_back(); }),
       {"line 3: INVOICE_TOTAL 642.18 is not the sum of its lines (342.18)", "line 4: 23 fields, not 24"}},
      {"impossible day", changed([](auto& rows) { rows[0][kItemDate] = "20010230"; }),
       {"line 3: LINE_ITEM_DATE \"20010230\" is not a date as YYYYMMDD"}},
      {"no leap day in 1900", changed([](auto& rows) { rows[0][kItemDate] = "19000229"; }),
       {"line 3: LINE_ITEM_DATE \"19000229\" is not a date as YYYYMMDD"}},
      {"date in another layout", changed([](auto& rows) { rows[2][kItemDate] = "07/12/2001"; }),
       {"line 5: LINE_ITEM_DATE \"07/12/2001\" is not a date as YYYYMMDD"}},
      {"required field empty", changed([](auto& rows) { rows[2][kItemDate] = ""; }),
       {"line 5: LINE_ITEM_DATE is empty"}},
      {"type", changed([](auto& rows) { rows[4][kType] = "X"; }),
       {"line 7: the type \"X\" is not F, E, IF or IE"}},
      {"units not a number", changed([](auto& rows) { rows[0][kUnits] = "1.5h"; }),
       {"line 3: LINE_ITEM_NUMBER_OF_UNITS \"1.5h\" is not a number (up to 9 digits and 4 decimals)"}},
      {"five decimals", changed([](auto& rows) { rows[2][kUnitCost] = "42.18005"; }),
       {"line 5: LINE_ITEM_UNIT_COST \"42.18005\" is not a number (up to 9 digits and 4 decimals)"}},
      {"line total against units and cost", changed([](auto& rows) {
         rows[0][kItemTotal] = "320.00";
         setAll(rows, 0, 2, kInvoiceTotal, "662.18");
       }),
       {"line 3: LINE_ITEM_TOTAL 320.00 is not units times unit cost plus adjustment (300.00)"}},
      {"line total off by a cent", changed([](auto& rows) {
         rows[3][kUnits] = "1";
         rows[3][kUnitCost] = "124.99";
       }),
       {"line 6: LINE_ITEM_TOTAL 125.00 is not units times unit cost plus adjustment (124.99)"}},
      {"shared field differs", changed([](auto& rows) { rows[1][kClientId] = "C-11"; }),
       {"line 4: CLIENT_ID \"C-11\" differs from \"C-10\" on the invoice's first line (line 3)"}},
      {"billing period backwards",
       changed([](auto& rows) { setAll(rows, 3, 4, kBillingStartDate, "20010801"); }),
       {"line 6: BILLING_START_DATE 20010801 is after BILLING_END_DATE 20010731"}},
      {"line item number twice", changed([](auto& rows) { rows[2][kItemNumber] = "1"; }),
       {"line 5: LINE_ITEM_NUMBER \"1\" is already used in the invoice on line 3"}},
      {"long value cut short", changed([](auto& rows) { rows[4][kType] = std::string(50, 'Z'); }),
       {"line 7: the type \"" + std::string(37, 'Z') + "...\" is not F, E, IF or IE"}},
      {"first line", [] { return withLine(1, "LEDES98B[]"); },
       {"line 1: the first line is not LEDES1998B[]"}},
      {"a field name", [] { return withLine(2, kNames.substr(0, kNames.rfind('|')) + "|CLIENT_MATTER[]"); },
       {"line 2: field 24 is \"CLIENT_MATTER\", not CLIENT_MATTER_ID"}},
      {"field name count", [] { return withLine(2, kNames.substr(0, kNames.rfind('|')) + "[]"); },
       {"line 2: 23 field names, not 24"}},
      {"a line of one field", [] { return withLine(7, "not a line item[]"); },
       {"line 6: INVOICE_TOTAL 100.00 is not the sum of its lines (125.00)", "line 7: 1 field, not 24"}},
      {"line end", [] { return withLine(4, joined(validRows()[1])); },
       {"line 4: the line does not end in []"}},
      {"blank line", [] { return withLine(5, "\r\n" + joined(validRows()[2]) + "[]"); },
       {"line 5: the line is empty"}},
      {"empty file", [] { return std::string("\r\n"); }, {"file: the file is empty"}},
      {"first line only", [] { return std::string("LEDES1998B[]\r\n"); },
       {"file: the file ends before its line of field names"}},
      {"no line items", [] { return "LEDES1998B[]\r\n" + kNames + "[]\r\n"; },
       {"file: the file has no line items"}},
      {"too large", [] { return std::string((64u << 20) + 1, 'x'); },
       {"file: the file is larger than 64 MiB"}},
  };
  for (const auto& c : cases) EXPECT_EQ(described(c.file()), c.problems) << c.what;
}

}  // namespace
}  // namespace vrk::interchange
