#include "core/reports/matter_list_reports.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/clients/delete_client.h"
#include "core/dialog/prompter.h"
#include "core/document/long_document.h"
#include "core/matters/add_matter.h"
#include "core/matters/display_matter.h"
#include "core/statements/statement_run.h"
#include "support/temp_folder.h"

namespace vrk::reports {
namespace {

using document::SinkKind;

const store::CalendarDate kToday{2001, 8, 14};
const MatterListHeading kAllHeading{MatterListKind::AllClients, "", "072001", kToday};

std::vector<std::string> texts(const document::Document& document) {
  std::vector<std::string> lines;
  for (const auto& line : document.lines) lines.push_back(line.text() + (line.formFeed ? "\f" : ""));
  return lines;
}

std::vector<ListedMatter> oneLiners(int count) {
  std::vector<ListedMatter> matters;
  for (int k = 1; k <= count; ++k)
    matters.push_back({"C" + std::to_string(k), std::to_string(k), {"Matter"}});
  return matters;
}

// The indices of the lines holding a page number ("-n-", alone after blanks).
std::vector<std::size_t> pageNumberLines(const std::vector<std::string>& lines) {
  std::vector<std::size_t> found;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const auto first = lines[i].find_first_not_of(' ');
    if (first != std::string::npos && lines[i][first] == '-' && lines[i].back() != 'x') found.push_back(i);
  }
  return found;
}

TEST(MatterListLayout, PageBreaksFootersAndLineCounts) {
  struct Case {
    const char* name;
    SinkKind sink;
    int matters;
    int pages;
    std::size_t lines;                    // lines of the whole document
    std::vector<std::size_t> pageLines;   // where the page numbers stand
    std::vector<std::string> pageFields;  // what they say (form feed included)
  };
  const std::string printed(39, ' ');
  const std::string screen(38, ' ');
  const std::vector<Case> cases = {
      // Heading: 15 lines, counter 14; each matter an empty line and its line.
      {"printed, empty list", SinkKind::Printer, 0, 1, 15, {}, {}},
      {"printed, 20 matters fill 54 of 59", SinkKind::Printer, 20, 1, 55, {}, {}},
      {"printed, the 21st matter finds 54 + 4 = 58", SinkKind::Printer, 21, 1, 57, {}, {}},
      // Page 1: 57 lines (counter 56), blanks to 59 (60 lines), the footer; page 2: heading and the
      // 22nd matter (counter 16), blanks to 59 (45 lines), the footer.
      {"printed, the 22nd matter starts page 2",
       SinkKind::Printer,
       22,
       2,
       60 + 1 + 15 + 2 + 43 + 1,
       {60, 121},
       {printed + "-1-\f", printed + "-2-"}},
      {"printed, 43 matters on three pages",
       SinkKind::Printer,
       43,
       3,
       61 * 2 + 15 + 2 + 43 + 1,
       {60, 121, 182},
       {printed + "-1-\f", printed + "-2-\f", printed + "-3-"}},
      // Screen heading: 14 lines. A break: 3 blanks, the page number, 2 blanks, the line of x.
      {"screen, 21 matters on one page", SinkKind::Screen, 21, 1, 14 + 42, {}, {}},
      {"screen, 22 matters",
       SinkKind::Screen,
       22,
       2,
       14 + 42 + 3 + 1 + 2 + 1 + 14 + 2 + 40 + 1,
       {59, 119},
       {screen + "-1-", screen + "-2-"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const MatterListLayout layout = layoutMatterList(oneLiners(c.matters), kAllHeading, c.sink);
    const auto lines = texts(layout.document);
    EXPECT_EQ(layout.pages, c.pages);
    EXPECT_EQ(lines.size(), c.lines);
    EXPECT_EQ(pageNumberLines(lines), c.pageLines);
    std::vector<std::string> fields;
    for (auto index : pageNumberLines(lines)) fields.push_back(lines[index]);
    EXPECT_EQ(fields, c.pageFields);
    if (c.sink == SinkKind::Screen) {
      EXPECT_EQ(layout.document.pageCount(), 1) << "no form feed on screen";
      if (c.pages > 1) {
        EXPECT_EQ(lines[c.pageLines[0] + 3], " " + std::string(79, 'x'));
      }
    } else {
      EXPECT_EQ(layout.document.pageCount(), c.pages);
    }
    // Every page starts with its heading: the title stands 3 lines after the page's start.
    std::size_t titles = 0;
    for (const auto& line : lines) titles += line.find("Matter List") != std::string::npos;
    EXPECT_EQ(titles, static_cast<std::size_t>(c.pages));
  }
}

TEST(MatterListLayout, AMatterOfFourDescriptionLinesTakesFiveLines) {
  // The empty line, the matter's line and three more. 14 + 5 x 8 = 54 and 54 + 4 = 58 still fits,
  // so nine fill the first page to 59 and the tenth starts page 2.
  std::vector<ListedMatter> matters(13, ListedMatter{"ACME", "1", {"a", "b", "c", "d"}});
  const auto one = texts(layoutMatterList({matters[0]}, kAllHeading, SinkKind::Printer).document);
  EXPECT_EQ(one.size(), 15u + 5u);
  EXPECT_EQ(one.back(), std::string(34, ' ') + "d");
  const MatterListLayout layout = layoutMatterList(matters, kAllHeading, SinkKind::Printer);
  const auto lines = texts(layout.document);
  EXPECT_EQ(layout.pages, 2);
  EXPECT_EQ(pageNumberLines(lines), (std::vector<std::size_t>{60, 121}));
  EXPECT_EQ(lines[59], std::string(34, ' ') + "d");  // the ninth matter's last line, counter 59
}

// The sample office: clients ACME and BETA1 in group A, ZED in group B; matters ACME 1, ACME 012
// and BETA1 3; ZED has none.
class MatterListRunTest : public ::testing::Test {
 protected:
  MatterListResult list(MatterListKind kind, const std::string& choice, SinkKind sink = SinkKind::Printer) {
    MatterListRun run{"072001", kToday, sink, [this](int done, int total) {
                        progress.push_back({done, total});
                      }};
    return runMatterList(folder, kind, choice, run);
  }

  // The matters listed: "CODE/NUMBER" of each matter line.
  static std::vector<std::string> listed(const document::Document& document, SinkKind sink) {
    std::vector<std::string> found;
    const std::size_t code = sink == SinkKind::Printer ? 6 : 4;
    const std::size_t number = sink == SinkKind::Printer ? 20 : 19;
    for (const auto& text : texts(document)) {
      if (text.size() <= number || text[code] == ' ' || text.substr(0, code) != std::string(code, ' '))
        continue;
      if (text.compare(code, 4, "Code") == 0 || text.compare(code, 6, "Client") == 0) continue;
      if (text.find("Billing Period") != std::string::npos || text.find("Date Of") != std::string::npos)
        continue;
      found.push_back(text.substr(code, text.find(' ', code) - code) + "/" +
                      text.substr(number, text.find(' ', number) - number));
    }
    return found;
  }

  test::TempFolder temp;
  std::filesystem::path folder = test::copySampleOffice(temp.path());
  std::vector<std::pair<int, int>> progress;
};

TEST_F(MatterListRunTest, ChecksSelectionAndMessages) {
  struct Case {
    MatterListKind kind;
    std::string choice;
    SinkKind sink;
    std::vector<dialog::Message> messages;
    std::vector<std::string> matters;
    bool document;
    dialog::Closing closing;
  };
  using dialog::MessageKind;
  using K = MatterListKind;
  const SinkKind P = SinkKind::Printer, S = SinkKind::Screen;
  const dialog::Closing ok = dialog::Closing::Ok, stay = dialog::Closing::Stay;
  const dialog::Message noMatters{MessageKind::Information, kNoMattersForClient};
  const dialog::Message badGroup{MessageKind::Error, kMatterListInvalidGroup};
  const dialog::Message badCode{MessageKind::Error, statements::kRunInvalidClientCode};
  const std::vector<std::string> all = {"ACME/1", "ACME/012", "BETA1/3"};
  const std::vector<Case> cases = {
      {K::AllClients, "", P, {}, all, true, ok},
      {K::AllClients, "", S, {}, all, true, stay},
      {K::ClientGroup, "A", P, {}, all, true, ok},
      // A group whose client has no matters: the heading alone, no box.
      {K::ClientGroup, "B", S, {}, {}, true, stay},
      {K::ClientGroup, "C", P, {{MessageKind::Information, kMatterListNoClientsInGroup}}, {}, false, stay},
      {K::ClientGroup, "a", P, {badGroup}, {}, false, stay},
      {K::ClientGroup, "", S, {badGroup}, {}, false, stay},
      {K::Client, "ACME", S, {}, {"ACME/1", "ACME/012"}, true, stay},
      {K::Client, "BETA1", P, {}, {"BETA1/3"}, true, ok},
      // The heading is printed, then the box; the printed list still closes.
      {K::Client, "ZED", P, {noMatters}, {}, true, ok},
      {K::Client, "ZED", S, {noMatters}, {}, true, stay},
      {K::Client, "acme", P, {badCode}, {}, false, stay},
      {K::Client, "TOOLONG1", P, {badCode}, {}, false, stay},
      {K::Client, "ACM", S, {{MessageKind::Error, statements::kRunNoClientData}}, {}, false, stay},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(matterListTitle(c.kind, c.choice) +
                 (c.sink == SinkKind::Screen ? " on screen" : " printed"));
    const auto before = test::snapshot(folder);
    const MatterListResult result = list(c.kind, c.choice, c.sink);
    EXPECT_EQ(result.outcome.messages, c.messages);
    EXPECT_EQ(result.outcome.closing, c.closing);
    EXPECT_EQ(!result.document.lines.empty(), c.document);
    EXPECT_EQ(listed(result.document, c.sink), c.matters);
    if (c.document) {
      EXPECT_NE(texts(result.document)[3].find(matterListTitle(c.kind, c.choice)), std::string::npos);
    }
    EXPECT_EQ(test::snapshot(folder), before) << "a list writes nothing";
  }
}

TEST_F(MatterListRunTest, ProgressCountsEveryMatterExamined) {
  list(MatterListKind::Client, "BETA1");
  EXPECT_EQ(progress, (std::vector<std::pair<int, int>>{{1, 3}, {2, 3}, {3, 3}}));
}

TEST_F(MatterListRunTest, AMatterWhoseClientIsGoneBelongsToNoGroup) {
  clients::DeleteClient remove(folder);
  ASSERT_TRUE(remove.display("BETA1").messages.empty());
  dialog::FixedPrompter keepMatters(false);
  ASSERT_EQ(remove.remove("BETA1", keepMatters).closing, dialog::Closing::Ok);

  EXPECT_EQ(listed(list(MatterListKind::ClientGroup, "A").document, SinkKind::Printer),
            (std::vector<std::string>{"ACME/1", "ACME/012"}));
  EXPECT_EQ(listed(list(MatterListKind::AllClients, "").document, SinkKind::Printer),
            (std::vector<std::string>{"ACME/1", "ACME/012", "BETA1/3"}));
}

TEST_F(MatterListRunTest, ALongListWarnsOnScreenFromItsFifthPage) {
  const auto addAcmeMatter = [this](int number) {
    matters::AddMatter add(folder);
    matters::MatterBoxes boxes;
    boxes.client = "ACME";
    boxes.number = std::to_string(number);
    boxes.description = {"Contract review"};
    boxes.dateCreated = {2001, 7, 9};
    boxes.attorney = "JD";
    boxes.feeSchedule = "2";
    boxes.hours = "___,___._";
    boxes.fees = boxes.costs = boxes.credits = "$__,___,___.__";
    ASSERT_EQ(add.save(boxes).closing, dialog::Closing::Ok);
  };
  // ACME 1 and 012 take three lines each, so the first page holds 20 matters and the next 21 each:
  // group A's 83 matters fill four pages, the 84th starts a fifth.
  for (int k = 100; k < 180; ++k) addAcmeMatter(k);
  const MatterListResult four = list(MatterListKind::ClientGroup, "A", SinkKind::Screen);
  EXPECT_EQ(four.pages, 4);
  EXPECT_TRUE(four.outcome.messages.empty());

  addAcmeMatter(180);
  const dialog::Message warning{dialog::MessageKind::Information, document::kLongDocumentMessage};
  const MatterListResult screen = list(MatterListKind::ClientGroup, "A", SinkKind::Screen);
  EXPECT_EQ(screen.pages, 5);
  EXPECT_EQ(screen.outcome.messages, std::vector<dialog::Message>{warning});
  const MatterListResult printed = list(MatterListKind::ClientGroup, "A", SinkKind::Printer);
  EXPECT_EQ(printed.pages, 5);
  EXPECT_TRUE(printed.outcome.messages.empty());
}

TEST_F(MatterListRunTest, AllMatterDataPrintsAPagePerMatter) {
  struct Case {
    std::string client;
    std::vector<dialog::Message> messages;
    int pages;
    dialog::Closing closing;
  };
  using dialog::MessageKind;
  const std::vector<Case> cases = {
      {"ACME", {}, 2, dialog::Closing::Ok},
      {"BETA1", {}, 1, dialog::Closing::Ok},
      {"ZED", {{MessageKind::Information, kNoMattersForClient}}, 0, dialog::Closing::Ok},
      {"Acme", {{MessageKind::Error, statements::kRunInvalidClientCode}}, 0, dialog::Closing::Stay},
      {"NOBODY", {{MessageKind::Error, statements::kRunNoClientData}}, 0, dialog::Closing::Stay},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.client);
    const MatterListResult result =
        printAllMatterData(folder, c.client, {"072001", kToday, SinkKind::Printer, {}});
    EXPECT_EQ(result.outcome.messages, c.messages);
    EXPECT_EQ(result.outcome.closing, c.closing);
    EXPECT_EQ(result.pages, c.pages);
    EXPECT_EQ(c.pages == 0 ? 0 : result.document.pageCount(), c.pages);
  }
}

TEST_F(MatterListRunTest, AllMatterDataPagesAreTheOneMatterPrintOut) {
  const MatterListResult result =
      printAllMatterData(folder, "ACME", {"072001", kToday, SinkKind::Printer, {}});
  const auto lines = texts(result.document);
  std::vector<std::string> pages(1);
  for (const auto& line : lines) {
    if (line.ends_with('\f')) {
      pages.back() += line.substr(0, line.size() - 1) + "\n";
      pages.emplace_back();
    } else {
      pages.back() += line + "\n";
    }
  }
  ASSERT_EQ(pages.size(), 2u);
  // Each page is exactly what the one-matter print-out gives for that matter.
  for (const auto& [number, page] : {std::pair{"1", 0}, std::pair{"012", 1}}) {
    matters::DisplayMatter one(folder);
    ASSERT_TRUE(one.selection().display("ACME", number).messages.empty());
    EXPECT_EQ(pages[static_cast<std::size_t>(page)],
              document::toPlainText(*one.print("072001", kToday).printed) + "\n");
  }
}

}  // namespace
}  // namespace vrk::reports
