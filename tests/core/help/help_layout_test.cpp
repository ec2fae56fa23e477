#include <gtest/gtest.h>

#include "core/help/help_layout.h"

namespace vrk::help {
namespace {

std::vector<std::string> texts(const document::Document& document) {
  std::vector<std::string> lines;
  for (const auto& line : document.lines) lines.push_back(line.text());
  return lines;
}

TEST(HelpText, ParagraphsHeadingsAndListItems) {
  const auto paragraphs = parseHelpText(
      "TITLE LINE\n"
      "\n"
      "FIRST --\n"
      "Some words\n"
      "  that run on.\n"
      "- an item\n"
      "  continued;\n"
      "- a second item\n"
      "Back at the margin.\n"
      "\n"
      "\n"
      "   An indented paragraph\n"
      "of two lines.\n");
  ASSERT_EQ(paragraphs.size(), 3u);
  EXPECT_EQ(paragraphs[0].heading, "");
  EXPECT_EQ(paragraphs[0].runs, std::vector<std::string>{"TITLE LINE"});
  EXPECT_EQ(paragraphs[1].heading, "FIRST --");
  EXPECT_EQ(paragraphs[1].runs, (std::vector<std::string>{"Some words that run on.", "- an item continued;",
                                                          "- a second item", "Back at the margin."}));
  EXPECT_EQ(paragraphs[2].heading, "");
  EXPECT_EQ(paragraphs[2].runs, std::vector<std::string>{"   An indented paragraph of two lines."});
}

TEST(HelpText, BreakingIntoLines) {
  struct Case {
    const char* run;
    int width;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"one two three", 20, {"one two three"}},
      {"one two three", 7, {"one two", "three"}},  // exactly the width fits
      {"one two three", 6, {"one", "two", "three"}},
      {"a unbreakableword b", 5, {"a", "unbreakableword", "b"}},
      {"   Indented start of words", 12, {"   Indented", "start of", "words"}},
      {"spaced    out", 20, {"spaced out"}},
      {"", 10, {}},
  };
  for (const auto& c : cases) EXPECT_EQ(breakIntoLines(c.run, c.width), c.lines) << c.run << " / " << c.width;
}

TEST(HelpLayout, ScreenFormKeepsParagraphsApartAndHangsListItems) {
  const std::string text =
      "HEADING --\n"
      "- an item with enough words to need a second line on the screen, which hangs under its text\n"
      "\n"
      "   Indented.\n";
  const auto lines = texts(layoutHelpText(text, document::SinkKind::Screen));
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[0], "HEADING --");
  EXPECT_TRUE(lines[1].starts_with("- an item"));
  EXPECT_TRUE(lines[2].starts_with("  ") && lines[2][2] != ' ') << lines[2];
  EXPECT_EQ(lines[3], "");
  EXPECT_EQ(lines[4], "   Indented.");
}

TEST(HelpLayout, PrintedPagesKeepAHeadingWithItsText) {
  // Paragraphs of a heading and one line fill the first page up to its last two lines: the next
  // heading would stand alone at the foot of the page, so it starts the second page instead.
  std::string text;
  const int paragraphs = (kPrintedPageLines - kPrintedTopLines + 1) / 3;  // 3 lines each with its gap
  for (int i = 0; i < paragraphs; ++i) text += "HEADING " + std::to_string(i) + " --\nText.\n\n";
  text += "LAST --\nFirst line of the last paragraph.\nSecond line.\n";
  const auto document = layoutHelpText(text, document::SinkKind::Printer);

  std::size_t feed = 0;
  while (feed < document.lines.size() && !document.lines[feed].formFeed) ++feed;
  ASSERT_LT(feed, document.lines.size()) << "the text must run onto a second page";
  EXPECT_EQ(document.lines[feed].text(), std::string(kPrintedTextIndent, ' ') + "Text.");
  EXPECT_LE(static_cast<int>(feed) + 1, kPrintedPageLines);
  const auto rest =
      std::vector<document::Line>(document.lines.begin() + static_cast<long>(feed) + 1, document.lines.end());
  ASSERT_EQ(rest.size(), static_cast<std::size_t>(kPrintedTopLines + 2));
  for (int i = 0; i < kPrintedTopLines; ++i) EXPECT_EQ(rest[static_cast<std::size_t>(i)].text(), "");
  EXPECT_EQ(rest[kPrintedTopLines].text(), std::string(kPrintedHeadingIndent, ' ') + "LAST --");
  EXPECT_FALSE(document.lines.back().formFeed);
}

}  // namespace
}  // namespace vrk::help
