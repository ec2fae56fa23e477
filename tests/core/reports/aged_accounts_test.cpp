#include "core/reports/aged_accounts.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/document/long_document.h"
#include "support/temp_folder.h"

namespace vrk::reports {
namespace {

using document::SinkKind;

const AgedReportHeading kHeading{"072001", {2001, 8, 14}};

std::vector<std::string> texts(const document::Document& document) {
  std::vector<std::string> lines;
  for (const auto& line : document.lines) lines.push_back(line.text() + (line.formFeed ? "\f" : ""));
  return lines;
}

// The column (from 1) where `word` ends in `line`, or 0.
int endOf(const std::string& line, const std::string& word) {
  const auto at = line.find(word);
  return at == std::string::npos ? 0 : static_cast<int>(at + word.size());
}

std::vector<AgedClient> clients(std::size_t count) {
  std::vector<AgedClient> list;
  for (std::size_t k = 0; k < count; ++k) list.push_back({"C" + std::to_string(k), 10, 0, 0, 0, 0, 0});
  return list;
}

TEST(AgedAccounts, FiguresFollowTheScreenAndPrinterRules) {
  struct Case {
    const char* name;
    AgedClient client;
    AgedFigures screen;
    AgedFigures printer;
  };
  // AgedClient: code, balance due, trust, 30, 60, 90 days, payments.
  // AgedFigures: 90, 60, 30 days, last statement, payments, due now.
  const Case cases[] = {
      {"all zeros", {"Z", 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}},
      {"trust credit", {"T", 0, 200, 0, 0, 0, 0}, {0, 0, 0, -200, 0, -200}, {0, 0, 0, -200, 0, -200}},
      {"trust wins over a stored balance",
       {"T", 900, 50, 0, 0, 0, 0},
       {0, 0, 0, -50, 0, -50},
       {0, 0, 0, -50, 0, -50}},
      {"payments above the 30-day balance",
       {"P", 100, 0, 100, 0, 0, 150},
       {0, 0, 0, 100, 150, -50},
       {0, 0, 0, 100, 150, -50}},
      {"printed 30 days held to the balance due now",
       {"H", 250, 0, 300, 0, 0, 0},
       {0, 0, 300, 250, 0, 250},
       {0, 0, 250, 250, 0, 250}},
      {"each printed age held to the younger one",
       {"H", 250, 0, 300, 400, 500, 0},
       {500, 400, 300, 250, 0, 250},
       {250, 250, 250, 250, 0, 250}},
      {"payments come off every age",
       {"A", 1250, 0, 1250, 400, 100, 500},
       {0, 0, 750, 1250, 500, 750},
       {0, 0, 750, 1250, 500, 750}},
      {"printed ages of a trust client are 0",
       {"T", 0, 200, 300, 200, 100, 0},
       {100, 200, 300, -200, 0, -200},
       {0, 0, 0, -200, 0, -200}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(agedFigures(c.client, SinkKind::Screen), c.screen);
    EXPECT_EQ(agedFigures(c.client, SinkKind::Printer), c.printer);
  }
}

TEST(AgedAccounts, ClientLinesAndTotalsInBothForms) {
  struct Case {
    const char* name;
    SinkKind sink;
    std::vector<AgedClient> clients;
    std::string clientLine;  // the first client's line
    std::string totals;
  };
  const Case cases[] = {
      {"all zeros listed",
       SinkKind::Screen,
       {{"ZERO", 0, 0, 0, 0, 0, 0}},
       "      ZERO           $0.00        $0.00        $0.00           $0.00        $0.00        $0.00",
       "    TOTALS           $0.00        $0.00        $0.00           $0.00        $0.00        $0.00"},
      {"trust credit left out of the totals",
       SinkKind::Screen,
       {{"TRUST", 0, 200, 0, 0, 0, 0}, {"OWES", 100, 0, 100, 0, 0, 0}},
       "     TRUST           $0.00        $0.00        $0.00        ($200.00)       $0.00     ($200.00)",
       "    TOTALS           $0.00        $0.00      $100.00         $100.00        $0.00      $100.00"},
      {"printed columns",
       SinkKind::Printer,
       {{"ACME", 1250, 0, 1250, 400, 100, 500}, {"TRUST", 0, 200, 0, 0, 0, 0}},
       "       ACME        $0.00        $0.00      $750.00       $1,250.00      $500.00      $750.00",
       "     TOTALS        $0.00        $0.00      $750.00       $1,250.00      $500.00      $750.00"},
      {"printed 30 days held while the screen is not",
       SinkKind::Printer,
       {{"H", 250, 0, 300, 0, 0, 0}},
       "          H        $0.00        $0.00      $250.00         $250.00        $0.00      $250.00",
       "     TOTALS        $0.00        $0.00      $250.00         $250.00        $0.00      $250.00"},
      {"screen shows the stored 30 days",
       SinkKind::Screen,
       {{"H", 250, 0, 300, 0, 0, 0}},
       "         H           $0.00        $0.00      $300.00         $250.00        $0.00      $250.00",
       "    TOTALS           $0.00        $0.00      $300.00         $250.00        $0.00      $250.00"},
      // Nine significant digits; a figure wider than its column keeps a blank before it.
      {"wide figures stay apart",
       SinkKind::Screen,
       {{"BIG", 123456789.99, 0, 123456789.99, 0, 0, 0}},
       "       BIG           $0.00        $0.00 $123,456,790.00 $123,456,790.00     $0.00 $123,456,790.00",
       "    TOTALS           $0.00        $0.00 $123,456,790.00 $123,456,790.00     $0.00 $123,456,790.00"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto lines = texts(layoutAgedAccounts(c.clients, kHeading, c.sink).document);
    ASSERT_EQ(lines.size(), 14 + 2 * c.clients.size() + 3);
    EXPECT_EQ(lines[14], "");
    EXPECT_EQ(lines[15], c.clientLine);
    EXPECT_EQ(lines.back(), c.totals);
    EXPECT_EQ(lines[lines.size() - 3].find_first_not_of(" _"), std::string::npos);  // the underline
    EXPECT_EQ(lines[lines.size() - 2], "");
  }
}

TEST(AgedAccounts, PagesHoldTwentySixClientsAndTheTotalsNeedRoom) {
  struct Case {
    SinkKind sink;
    std::size_t clients;
    int pages;
  };
  const Case cases[] = {
      {SinkKind::Printer, 0, 1},  {SinkKind::Printer, 25, 1}, {SinkKind::Printer, 26, 2},
      {SinkKind::Printer, 51, 2}, {SinkKind::Printer, 52, 3}, {SinkKind::Screen, 25, 1},
      {SinkKind::Screen, 26, 2},  {SinkKind::Screen, 104, 5},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.clients) + (c.sink == SinkKind::Screen ? " screen" : " printer"));
    const auto report = layoutAgedAccounts(clients(c.clients), kHeading, c.sink);
    EXPECT_EQ(report.pages, c.pages);
    const auto lines = texts(report.document);
    const bool screen = c.sink == SinkKind::Screen;
    // Each page but the last ends with its page field (a form feed when printed), the separator on
    // screen, and the heading again.
    int footers = 0;
    std::size_t pageStart = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const std::string field = std::string(50, ' ') + "-" + std::to_string(footers + 1) + "-";
      const bool last = footers + 1 == c.pages;
      if (lines[i] != field + (screen || last ? "" : "\f")) continue;
      ++footers;
      if (last) break;
      EXPECT_GE(i - pageStart, 65U);  // the page was full: its footer is line 66 or 67
      EXPECT_LE(i - pageStart, 66U);
      const std::size_t next = i + 1 + (screen ? 1 : 0);
      if (screen) {
        EXPECT_EQ(lines[i + 1], " " + std::string(91, 'x'));
      }
      ASSERT_LT(next + 13, lines.size());
      EXPECT_EQ(lines[next + 3], lines[3]);
      EXPECT_EQ(lines[next + 13], lines[13]);
      pageStart = next;
    }
    if (c.pages == 1) {
      EXPECT_EQ(footers, 0);
      EXPECT_EQ(endOf(lines.back(), "TOTALS"), screen ? 10 : 11);
    } else {
      EXPECT_EQ(footers, c.pages);
      // The last page is filled to line 70; its page field follows without a form feed.
      EXPECT_EQ(lines.size() - pageStart, 71U);
      EXPECT_EQ(lines.back(), std::string(50, ' ') + "-" + std::to_string(c.pages) + "-");
    }
    EXPECT_EQ(report.document.pageCount(), screen ? 1 : c.pages);
  }
}

TEST(AgedAccounts, TheDialogWarnsOnlyWhenTheScreenFormReachesAFifthPage) {
  struct Case {
    const char* office;
    bool warns;
  };
  const Case cases[] = {{"sample-office", false}, {"three-hundred-clients", true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.office);
    test::TempFolder temp;
    const AgedAccountsReport report(test::copyOffice(temp.path(), c.office), kHeading);
    const auto shown = report.display();
    EXPECT_EQ(shown.outcome.messages.size(), c.warns ? 1U : 0U);
    if (c.warns) {
      EXPECT_EQ(shown.outcome.messages[0].text, document::kLongDocumentMessage);
    }
    EXPECT_EQ(shown.outcome.closing, dialog::Closing::Stay);
    EXPECT_EQ(texts(shown.document)[3], std::string(39, ' ') + "Aged Accounts Report");
    const auto printout = report.printout();
    EXPECT_EQ(texts(printout)[3], std::string(32, ' ') + "Aged Accounts Report");
    ASSERT_EQ(printout.lines[3].pieces.size(), 2U);  // the title alone in Arial
    EXPECT_EQ(printout.lines[3].pieces[1].font, document::Font::Arial);
    EXPECT_EQ(texts(printout)[7], "    Billing Period:  07/2001");
    EXPECT_EQ(texts(printout)[9], "    Date Of This Report:  8/14/2001");
  }
}

}  // namespace
}  // namespace vrk::reports
