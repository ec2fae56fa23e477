#include "core/statements/statement_layout.h"

#include <algorithm>

#include "statement_office.h"

namespace vrk::statements {
namespace {

std::vector<std::string> printed(const Statement& statement, document::SinkKind sink, bool invoice,
                                 bool formFeedAtEnd) {
  document::Document document;
  StatementPrinting printing;
  printing.sink = sink;
  printing.date = {2001, 8, 3};
  printing.invoiceLine = invoice;
  printing.invoiceNumber = 1001;
  printing.formFeedAtEnd = formFeedAtEnd;
  layoutStatement(statement, printing, document);
  std::vector<std::string> lines;
  for (const auto& line : document.lines) lines.push_back(line.text() + (line.formFeed ? "\f" : ""));
  return lines;
}

TEST(StatementLayout, ColumnsOfTheEntriesTotalsAndFooter) {
  StatementOffice office;
  office.client("C", kItemized, {"100.00", "", "", ""});
  office.matter("C", "1", 1, {"General", "", "", ""});
  office.time("C", "1", 3, "JD", "2.5", "", std::string(40, 'd'));
  office.cost("C", "1", 4, "25.00", true);
  const auto lines = printed(office.compute("C"), document::SinkKind::Printer, true, false);

  EXPECT_EQ(lines.at(11), std::string(40, ' ') + "August 3, 2001");
  EXPECT_EQ(lines.at(14), std::string(61, ' ') + "Invoice No. 1001");  // ends in column 77
  EXPECT_EQ(lines.at(16), "      C Inc.");
  const auto find = [&](const std::string& start) {
    for (const auto& line : lines)
      if (line.rfind(start, 0) == 0) return line;
    return std::string("(missing) ") + start;
  };
  // The 40-character description leaves 2 blanks before the initials; hours end in 67, fees in 77.
  EXPECT_EQ(find("      07/03/2001 d"), "      07/03/2001 " + std::string(40, 'd') + "  JD   2.5   $625.00");
  EXPECT_EQ(find("      07/04/2001"), "      07/04/2001 Expense" + std::string(46, ' ') + "($25.00)");
  EXPECT_EQ(find("      Total Credits On This Statement").size(), 78u);  // the parenthesis in 78
  EXPECT_EQ(find("      Balance Now Due").size(), 77u);
  EXPECT_EQ(find(std::string(35, ' ') + "Total Fees For This Matter"),
            std::string(35, ' ') + "Total Fees For This Matter " + std::string(8, ' ') + "$625.00");
  // The totals block (25 lines with its credits) does not fit below the entries: page 2, whose
  // footer carries its page field; a statement alone ends without a form feed.
  ASSERT_EQ(lines.size(), 120u);
  EXPECT_EQ(lines.at(59), "      C" + std::string(33, ' ') + "-1-\f");
  EXPECT_EQ(lines.back(), "      C" + std::string(33, ' ') + "-2-");

  // A statement of one page: the footer on line 60 names the client only.
  office.client("E", kItemized);
  const auto alone = printed(office.compute("E"), document::SinkKind::Printer, false, false);
  ASSERT_EQ(alone.size(), 60u);
  EXPECT_EQ(alone.back(), "      E");
}

TEST(StatementLayout, ABlockThatWouldReachLine57StartsTheNextPage) {
  StatementOffice office;
  office.client("C", kItemized);
  office.matter("C", "1", 1);
  for (int day = 1; day <= 20; ++day) office.time("C", "1", day, "AB", "1.0");
  for (const bool screen : {false, true}) {
    const auto lines = printed(office.compute("C"), screen ? document::SinkKind::Screen : document::SinkKind::Printer, false, true);
    SCOPED_TRACE(screen ? "screen" : "printer");
    // The first page ends with its footer: the client and the page field (column 41 printed, 40 on
    // screen), a form feed on paper; on screen 2 blank lines and the separator follow.
    const std::string footer = "      C" + std::string(screen ? 32 : 33, ' ') + "-1-" + (screen ? "" : "\f");
    const auto at = std::find(lines.begin(), lines.end(), footer);
    ASSERT_NE(at, lines.end());
    EXPECT_EQ(at - lines.begin(), screen ? 60 : 59);  // the screen's heading has one more blank line
    if (screen) {
      EXPECT_EQ(*(at + 3), " " + std::string(79, 'x'));
    }
    // The last page's footer carries its page field too; a statement followed by another ends its page.
    const std::string& last = screen ? lines.at(lines.size() - 3) : lines.back();
    EXPECT_NE(last.find("-2-"), std::string::npos);
    EXPECT_EQ(last.back() == '\f', !screen);
  }
}

}  // namespace
}  // namespace vrk::statements
