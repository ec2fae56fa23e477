#include <gtest/gtest.h>

#include <sstream>

#include "core/help/help_layout.h"
#include "core/help/help_pages.h"
#include "core/shell/commands.h"
#include "core/shell/guards.h"

namespace vrk::help {
namespace {

using document::SinkKind;

std::vector<std::string> texts(const document::Document& document) {
  std::vector<std::string> lines;
  for (const auto& line : document.lines) lines.push_back(line.text());
  return lines;
}

std::vector<std::string> words(const document::Document& document) {
  std::vector<std::string> all;
  for (const auto& line : document.lines) {
    std::istringstream in(line.text());
    for (std::string word; in >> word;) all.push_back(word);
  }
  return all;
}

// The page's words joined by single blanks, so a message can be found whatever its line breaks.
std::string flowingText(HelpPage page) {
  std::string text;
  for (const auto& word : words(helpDocument(page, SinkKind::Screen)))
    text += (text.empty() ? "" : " ") + word;
  return text;
}

std::string flowing(const char* message) {
  std::istringstream in(message);
  std::string text;
  for (std::string word; in >> word;) text += (text.empty() ? "" : " ") + word;
  return text;
}

std::size_t leadingBlanks(const std::string& line) { return line.find_first_not_of(' '); }

TEST(HelpPages, NamesCaptionsMenuEntriesAndFirstHeadings) {
  struct Case {
    HelpPage page;
    const char* formName;
    const char* batchName;
    const char* caption;
    const char* menuEntry;
    const char* firstHeading;
  };
  const Case cases[] = {
      {HelpPage::Setup, "TSetupUnitHelpForm", "setup", "VRK - Setup Help", "Setup",
       "SYSTEM REQUIREMENTS TO RUN THIS APPLICATION --"},
      {HelpPage::DataEntry, "TDataEntryHelpForm", "data-entry", "VRK - Data Entry Help", "Data Entry",
       "DATA ENTRY HELP --"},
      {HelpPage::Clients, "TClientsTabHelpForm", "clients", "VRK - Clients Help", "Clients",
       "CLIENTS HELP --"},
      {HelpPage::Attorneys, "TAttorneysTabHelpForm", "attorneys", "VRK - Attorneys Help", "Attorneys",
       "ATTORNEYS HELP --"},
      {HelpPage::Matters, "TMattersTabHelpForm", "matters", "VRK - Matters Help", "Matters",
       "MATTERS HELP --"},
      {HelpPage::BillingRecords, "TBillingRecordsTabHelpForm", "billing-records",
       "VRK - Billing Records Help", "Billing Records", "BILLING RECORDS HELP --"},
      {HelpPage::MonthlyStatements, "TMonthlyStatementsTabHelpForm", "monthly-statements",
       "VRK - Monthly Statements Help", "Monthly Statements", "MONTHLY STATEMENTS HELP --"},
      {HelpPage::Reports, "TReportsTabHelpForm", "reports", "VRK - Reports Help", "Reports",
       "REPORTS HELP --"},
  };
  ASSERT_EQ(helpPages().size(), std::size(cases));
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const Case& c = cases[i];
    SCOPED_TRACE(c.formName);
    const HelpPageInfo& info = helpPages()[i];  // menu order
    EXPECT_EQ(info.page, c.page);
    EXPECT_EQ(info.formName, c.formName);
    EXPECT_EQ(info.batchName, c.batchName);
    EXPECT_EQ(info.caption, c.caption);
    EXPECT_EQ(info.menuEntry, c.menuEntry);
    EXPECT_EQ(&helpPageInfo(c.page), &info);
    EXPECT_EQ(findHelpPage(c.batchName), c.page);

    const auto screen = texts(helpDocument(c.page, SinkKind::Screen));
    ASSERT_GT(screen.size(), 2u);
    const std::string& first = c.page == HelpPage::Setup ? screen[2] : screen[0];
    EXPECT_EQ(first, c.firstHeading);
  }
  EXPECT_EQ(findHelpPage("Setup"), std::nullopt);
  EXPECT_EQ(findHelpPage(""), std::nullopt);
}

TEST(HelpPages, SetupOpensWithTheTitleAndTheThreeStartingHeadings) {
  const auto screen = texts(helpDocument(HelpPage::Setup, SinkKind::Screen));
  ASSERT_FALSE(screen.empty());
  EXPECT_TRUE(screen[0].starts_with("VRK")) << screen[0];
  EXPECT_EQ(screen[1], "");
  std::vector<std::string> headings;
  for (const auto& line : screen)
    if (line.ends_with(" --")) headings.push_back(line);
  ASSERT_GE(headings.size(), 3u);
  EXPECT_EQ(headings[0], "SYSTEM REQUIREMENTS TO RUN THIS APPLICATION --");
  EXPECT_EQ(headings[1], "PROGRAM OVERVIEW --");
  EXPECT_EQ(headings[2], "RUNNING THE PROGRAM FOR THE FIRST TIME --");
}

TEST(HelpPages, ScreenFormIsParagraphsOfPlainLines) {
  for (const auto& info : helpPages()) {
    SCOPED_TRACE(info.formName);
    const auto document = helpDocument(info.page, SinkKind::Screen);
    const auto lines = texts(document);
    EXPECT_GE(lines.size(), 40u);
    EXPECT_LE(lines.size(), 120u);
    EXPECT_FALSE(lines.front().empty());
    EXPECT_FALSE(lines.back().empty());
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const std::string& line = lines[i];
      EXPECT_FALSE(document.lines[i].formFeed);
      EXPECT_LE(static_cast<int>(line.size()), kScreenLineWidth) << line;
      for (const char c : line) EXPECT_TRUE(c >= ' ' && c <= '~') << line;
      if (line.empty()) {
        ASSERT_LT(i + 1, lines.size());
        EXPECT_FALSE(lines[i + 1].empty()) << "one empty line between paragraphs";
        // A paragraph starts with a heading or with three blanks (the setup page's title aside).
        const std::string& next = lines[i + 1];
        EXPECT_TRUE(next.ends_with(" --") || (next.starts_with("   ") && next[3] != ' ')) << next;
      }
    }
  }
}

TEST(HelpPages, PrintedFormFollowsThePrintedPageRules) {
  for (const auto& info : helpPages()) {
    SCOPED_TRACE(info.formName);
    const auto printed = helpDocument(info.page, SinkKind::Printer);
    const auto lines = texts(printed);
    ASSERT_GT(lines.size(), static_cast<std::size_t>(kPrintedTopLines));
    EXPECT_FALSE(printed.lines.back().formFeed);

    std::size_t pageStart = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const std::string& line = lines[i];
      const std::size_t onPage = i - pageStart;  // 0-based line on its page
      EXPECT_LE(line.size(), 75u) << line;
      if (onPage < static_cast<std::size_t>(kPrintedTopLines)) {
        EXPECT_EQ(line, "") << "the top of each page is " << kPrintedTopLines << " empty lines";
      } else if (onPage == static_cast<std::size_t>(kPrintedTopLines)) {
        EXPECT_FALSE(line.empty()) << "a page's text starts with text, not with an empty line";
      }
      if (!line.empty()) {
        const std::size_t indent = leadingBlanks(line);
        if (line.ends_with(" --")) {
          EXPECT_EQ(indent, 5u) << line;
          EXPECT_FALSE(printed.lines[i].formFeed) << "a heading never ends a page: " << line;
        } else {
          EXPECT_TRUE(indent == 7u || indent == 10u) << line;  // 10: a paragraph opening with three blanks
        }
      }
      if (printed.lines[i].formFeed) {
        EXPECT_LE(onPage + 1, static_cast<std::size_t>(kPrintedPageLines));
        pageStart = i + 1;
      }
    }
    EXPECT_LE(lines.size() - pageStart, static_cast<std::size_t>(kPrintedPageLines));
    // Re-broken, not re-worded: the same words in the same order as on screen.
    EXPECT_EQ(words(printed), words(helpDocument(info.page, SinkKind::Screen)));
  }
}

TEST(HelpPages, TabPagesNameEveryCommandOfTheirTab) {
  const std::pair<shell::Tab, HelpPage> tabs[] = {
      {shell::Tab::Clients, HelpPage::Clients},
      {shell::Tab::Attorneys, HelpPage::Attorneys},
      {shell::Tab::Matters, HelpPage::Matters},
      {shell::Tab::BillingRecords, HelpPage::BillingRecords},
      {shell::Tab::MonthlyStatements, HelpPage::MonthlyStatements},
      {shell::Tab::Reports, HelpPage::Reports},
  };
  for (const auto& [tab, page] : tabs) {
    const std::string text = flowingText(page);
    for (const auto* command : shell::commandsOn(tab))
      EXPECT_NE(text.find("\"" + command->label + "\""), std::string::npos)
          << helpPageInfo(page).formName << " does not name " << command->label;
  }
}

TEST(HelpPages, QuoteTheGuardsMessagesAsTheyAreShown) {
  const std::pair<HelpPage, const char*> quotes[] = {
      {HelpPage::DataEntry, shell::kPriorPeriodMessage},
      {HelpPage::DataEntry, shell::kFinalStatementsQuestion},
      {HelpPage::BillingRecords, shell::kFinalStatementsQuestion},
      {HelpPage::MonthlyStatements, shell::kFinalStatementsQuestion},
      {HelpPage::Reports, shell::kNoFinalStatementsMessage},
      {HelpPage::Reports, shell::kNotAllFinalStatementsMessage},
  };
  for (const auto& [page, message] : quotes)
    EXPECT_NE(flowingText(page).find(flowing(message)), std::string::npos)
        << helpPageInfo(page).formName << " should quote: " << flowing(message);
}

}  // namespace
}  // namespace vrk::help
