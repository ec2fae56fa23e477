#include "core/reports/mailing_labels.h"

#include <gtest/gtest.h>

#include <optional>

#include "core/clients/client_fixture.h"
#include "core/rules/box_text.h"

namespace vrk::reports {
namespace {

std::vector<std::string> texts(const document::Document& document) {
  std::vector<std::string> lines;
  for (const auto& line : document.lines) lines.push_back(line.text() + (line.formFeed ? "\f" : ""));
  return lines;
}

std::vector<std::size_t> formFeeds(const document::Document& document) {
  std::vector<std::size_t> at;
  for (std::size_t k = 0; k < document.lines.size(); ++k)
    if (document.lines[k].formFeed) at.push_back(k);
  return at;
}

// Address k: "Client k" on its first line, then "Line 2 of k" … "Line 6 of k".
LabelAddress address(std::size_t k) {
  LabelAddress lines;
  lines[0] = "Client " + std::to_string(k);
  for (std::size_t n = 1; n < lines.size(); ++n)
    lines[n] = "Line " + std::to_string(n + 1) + " of " + std::to_string(k);
  return lines;
}

std::vector<LabelAddress> addresses(std::size_t count) {
  std::vector<LabelAddress> all;
  for (std::size_t k = 1; k <= count; ++k) all.push_back(address(k));
  return all;
}

std::string blanks(std::size_t n) { return std::string(n, ' '); }

TEST(MailingLabels, SheetsHoldSevenRowsOfTwoLabels) {
  struct Case {
    std::size_t labels;
    std::size_t lines;
    std::vector<std::size_t> formFeeds;  // line indices
  };
  // A sheet: 7 empty lines, rows of 6 label lines with 3 empty lines between them (none after
  // the seventh row); the last row of a document is followed by its 3 empty lines.
  const Case cases[] = {
      {0, 7, {}},   {1, 16, {}},    {2, 16, {}},    {5, 34, {}},     {13, 70, {}},
      {14, 67, {}}, {15, 83, {66}}, {16, 83, {66}}, {28, 134, {66}}, {29, 150, {66, 133}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.labels);
    const auto sheets = layoutMailingLabels(addresses(c.labels));
    EXPECT_EQ(sheets.lines.size(), c.lines);
    EXPECT_EQ(formFeeds(sheets), c.formFeeds);
    EXPECT_EQ(sheets.pointSize, kLabelPointSize);
    // Every sheet starts with its 7 empty lines.
    std::size_t sheetStart = 0;
    for (std::size_t end : formFeeds(sheets)) {
      for (std::size_t k = end + 1; k < end + 8; ++k) EXPECT_EQ(sheets.lines[k].text(), "") << k;
      sheetStart = end + 1;
    }
    for (std::size_t k = sheetStart; k < sheetStart + 7; ++k) EXPECT_EQ(sheets.lines[k].text(), "") << k;
  }
}

TEST(MailingLabels, EachLabelKeepsItsColumnAndItsSixLines) {
  const std::string forty(40, 'W');
  struct Case {
    const char* what;
    LabelAddress left;
    std::optional<LabelAddress> right;
    std::vector<std::string> rowLines;  // the six lines after the sheet's first 7
  };
  const Case cases[] = {
      {"two labels",
       {"Acme", "1 Main", "", "", "", ""},
       LabelAddress{"Beta", "", "", "", "", "Zip"},
       {"  Acme" + blanks(40) + "Beta", "  1 Main" + blanks(38), blanks(46), blanks(46), blanks(46),
        blanks(46) + "Zip"}},
      {"a 40-character line leaves 4 blanks before the right label",
       {forty, "", "", "", "", ""},
       LabelAddress{"Right", "", "", "", "", ""},
       {"  " + forty + "    Right", blanks(46), blanks(46), blanks(46), blanks(46), blanks(46)}},
      {"a two-line address keeps the row aligned",
       {"Zed Holdings", "PO Box 7", "", "", "", ""},
       LabelAddress{"R1", "R2", "R3", "R4", "R5", "R6"},
       {"  Zed Holdings" + blanks(32) + "R1", "  PO Box 7" + blanks(36) + "R2", blanks(46) + "R3",
        blanks(46) + "R4", blanks(46) + "R5", blanks(46) + "R6"}},
      {"a last single label prints only the left one",
       {"Alone", "", "", "", "", "Six"},
       std::nullopt,
       {"  Alone", "  ", "  ", "  ", "  ", "  Six"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<LabelAddress> list{c.left};
    if (c.right) list.push_back(*c.right);
    const auto lines = texts(layoutMailingLabels(list));
    ASSERT_EQ(lines.size(), 16u);
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 7, lines.begin() + 13), c.rowLines);
    for (std::size_t k = 13; k < 16; ++k) EXPECT_EQ(lines[k], "");
  }
}

TEST(MailingLabels, BillingActivityLooksAtSevenAmountsAboveOneTenthOfACent) {
  struct Case {
    clients::Amount amount;
    const char* text;
    bool active;
  };
  const Case cases[] = {
      {clients::kMonthlyRetainer, "00000000.01", true},
      {clients::kFeesOnLastStatement, "00000000.01", true},
      {clients::kCostsOnLastStatement, "00000000.01", true},
      {clients::kCreditsOnLastStatement, "00000000.01", true},
      {clients::kTrustAccountBalance, "00000000.01", true},
      {clients::kBalanceDue, "00001250.00", true},
      {clients::kPaymentsSinceLastStatement, "1500.00", true},
      {clients::kBalanceDue30Days, "00001250.00", false},
      {clients::kBalanceDue60Days, "00000400.00", false},
      {clients::kBalanceDue90Days, "00000100.00", false},
      {clients::kBalanceDue, "0.001", false},
      {clients::kBalanceDue, "0.0011", true},
      {clients::kBalanceDue, "-250.00", false},
      {clients::kTrustAccountBalance, "", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.amount) + " " + c.text);
    clients::ClientRecord record;
    record.amounts.fill("00000000.00");
    record.amounts[c.amount] = c.text;
    EXPECT_EQ(hasBillingActivity(record), c.active);
  }
}

class MailingLabelsSample : public clients::SampleOfficeTest {};

TEST_F(MailingLabelsSample, NoClientWithBillingActivityPrintsOnlyTheSheetsFirstLines) {
  for (const char* code : {"ACME", "BETA1"}) remove(code);
  const auto labels = mailingLabels(dir(), LabelChoice::ClientsWithBillingActivity);
  EXPECT_EQ(texts(labels), std::vector<std::string>(7, ""));
  EXPECT_EQ(texts(mailingLabels(dir(), LabelChoice::AllClients)).size(), 16u);
}

TEST_F(MailingLabelsSample, SelectedClientsPrintInTheOrderOfSelection) {
  struct Case {
    std::vector<std::string> typed;
    std::vector<std::string> selection;
    int errors;
    std::vector<std::string> firstLines;  // the first line of each label row
  };
  const Case cases[] = {
      {{"ZED", "acme"}, {"ZED", "ACME"}, 0, {"  Zed Holdings" + blanks(32) + "Acme Widgets Inc."}},
      {{"BETA1", "BETA1", "BETA1"},
       {"BETA1", "BETA1", "BETA1"},
       0,
       {"  Beta One LLC" + blanks(32) + "Beta One LLC", "  Beta One LLC"}},
      {{"NOPE", "ZED", "", "ZE"}, {"ZED"}, 3, {"  Zed Holdings"}},
      {{}, {}, 0, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed.size());
    SelectedClientLabels logic(dir());
    EXPECT_EQ(logic.codes(), (std::vector<std::string>{"ACME", "BETA1", "ZED"}));
    int errors = 0;
    for (const auto& typed : c.typed) {
      const auto outcome = logic.select(typed);
      EXPECT_EQ(outcome.closing, dialog::Closing::Stay);
      if (!outcome.messages.empty()) {
        ++errors;
        EXPECT_EQ(outcome.messages,
                  (std::vector<dialog::Message>{
                      {dialog::MessageKind::Error,
                       "            INVALID CLIENT CODE\r\nNO DATA IS PRESENT FOR THIS CLIENT"}}));
      }
    }
    EXPECT_EQ(errors, c.errors);
    EXPECT_EQ(logic.selection(), c.selection);
    const auto labels = logic.print();
    if (c.selection.empty()) {
      EXPECT_TRUE(labels.lines.empty());  // nothing is printed
      continue;
    }
    const auto lines = texts(labels);
    for (std::size_t row = 0; row < c.firstLines.size(); ++row)
      EXPECT_EQ(lines[7 + row * 9], c.firstLines[row]);
    EXPECT_EQ(lines.size(), 7 + c.firstLines.size() * 9);
  }
}

TEST_F(MailingLabelsSample, AClientDeletedAfterItsSelectionGetsNoLabel) {
  SelectedClientLabels logic(dir());
  for (const char* code : {"BETA1", "ACME", "ZED"}) logic.select(code);
  remove("BETA1");
  const auto lines = texts(logic.print());
  ASSERT_EQ(lines.size(), 16u);
  EXPECT_EQ(lines[7], "  Acme Widgets Inc." + blanks(27) + "Zed Holdings");
}

TEST_F(MailingLabelsSample, TheSelectionGridGrowsByARowWhenItsCellsAreFull) {
  struct Case {
    int selected;
    int rows;
  };
  // Three clients: 3 / 10 + 1 = 1 row of ten cells.
  const Case cases[] = {{0, 1}, {10, 1}, {11, 2}, {20, 2}, {21, 3}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.selected);
    SelectedClientLabels logic(dir());
    for (int k = 0; k < c.selected; ++k) logic.select("ACME");
    EXPECT_EQ(logic.gridRows(), c.rows);
  }
}

TEST(MailingLabelsOffice, ThreeHundredAndThreeClientsStartWithThirtyOneGridRows) {
  test::TempFolder temp;
  EXPECT_EQ(SelectedClientLabels(test::copyOffice(temp.path(), "three-hundred-clients")).gridRows(), 31);
}

}  // namespace
}  // namespace vrk::reports
