#include <gtest/gtest.h>

#include "core/document/line_builder.h"
#include "core/document/long_document.h"
#include "core/document/page_writer.h"

namespace vrk::document {
namespace {

TEST(LineBuilder, FieldsAndBlankRuns) {
  struct Case {
    int width;
    const char* text;
    const char* expected;
  };
  const Case cases[] = {
      {8, "12.5", "    12.5"}, {4, "12.5", "12.5"},  {2, "12.5", "12.5"},
      {0, "12.5", "12.5"},     {-3, "12.5", "12.5"}, {3, "", "   "},
  };
  for (const auto& c : cases) EXPECT_EQ(rightAligned(c.text, c.width), c.expected) << c.width;

  for (const auto& [count, blanks] : {std::pair{3, 3}, {1, 1}, {0, 1}, {-2, 1}}) {
    EXPECT_EQ(LineBuilder().text("a").blanks(count).text("b").line().text(),
              "a" + std::string(static_cast<size_t>(blanks), ' ') + "b")
        << count;
  }
  EXPECT_EQ(LineBuilder().text("ABC").toColumn(7).text("x").line().text(), "ABC   x");
  EXPECT_EQ(LineBuilder().text("ABCDEFG").toColumn(3).text("x").line().text(), "ABCDEFGx");
}

TEST(LineBuilder, ArialTitleBetweenCourierPieces) {
  const Line line = LineBuilder().blanks(25).title("FEE SCHEDULES").line();
  const std::vector<Piece> expected = {{std::string(25, ' '), Font::Courier}, {"FEE SCHEDULES", Font::Arial}};
  EXPECT_EQ(line.pieces, expected);
  EXPECT_FALSE(line.formFeed);

  // A title line followed by Courier lines on the same page.
  Document document;
  document.lines = {line, LineBuilder().text("      Billing").text(" Period:").line()};
  EXPECT_EQ(document.lines[1].pieces, (std::vector<Piece>{{"      Billing Period:", Font::Courier}}));
  EXPECT_EQ(toPlainText(document), std::string(25, ' ') + "FEE SCHEDULES\n      Billing Period:");
  EXPECT_EQ(document.pageCount(), 1);
}

// A document of `pages` pages, each page a body line filled to line 5, then its footer.
Document pagedDocument(int pages, const FooterStyle& footer) {
  PageWriter writer;
  for (int page = 1; page <= pages; ++page) {
    writer.add(LineBuilder().text("body " + std::to_string(page)).line());
    writer.fillTo(5);
    EXPECT_EQ(writer.lineCount(), 5);
    if (page < pages) writer.endPage(footer);
  }
  writer.finish(footer);
  return writer.release();
}

TEST(PageWriter, FootersOfOneAndThreePageDocuments) {
  const FooterStyle footer{"      ABC", 41};
  const Document one = pagedDocument(1, footer);
  EXPECT_EQ(toPlainText(one), "body 1\n\n\n\n\n      ABC");

  const Document three = pagedDocument(3, footer);
  const std::string pad(31, ' ');  // "      ABC" ends in column 9; the field starts in column 41
  const std::string page = "\n\n\n\n\n      ABC" + pad;
  EXPECT_EQ(toPlainText(three), "body 1" + page + "-1-\f\nbody 2" + page + "-2-\f\nbody 3" + page + "-3-");
  EXPECT_EQ(three.pageCount(), 3);
}

TEST(PageWriter, BookkeepingAndThresholds) {
  PageWriter writer(15);
  EXPECT_EQ(writer.pageNumber(), 1);
  EXPECT_TRUE(writer.fits(44, 60));
  EXPECT_FALSE(writer.fits(45, 60));
  writer.fillTo(10);  // already past: nothing added
  EXPECT_EQ(writer.document().lines.size(), 0u);
  writer.endPage({"", 41});
  EXPECT_EQ(writer.document().lines.back().text(), std::string(40, ' ') + "-1-");
  EXPECT_EQ(writer.pageNumber(), 2);
  EXPECT_EQ(writer.lineCount(), 0);
  writer.nextPage(8);
  EXPECT_EQ(writer.pageNumber(), 3);
  EXPECT_EQ(writer.lineCount(), 8);
  writer.finish({"", 41}, true);  // a statement followed by another ends with a form feed
  EXPECT_TRUE(writer.document().lines.back().formFeed);
  EXPECT_EQ(writer.document().lines.back().text(), std::string(40, ' ') + "-3-");
}

TEST(LongDocument, WarnsOnScreenFromThePageLimit) {
  struct Case {
    SinkKind sink;
    int page, limit;
    bool warns;
  };
  const Case cases[] = {
      {SinkKind::Screen, 4, 5, false},   {SinkKind::Screen, 5, 5, true}, {SinkKind::Screen, 9, 5, true},
      {SinkKind::Printer, 50, 5, false}, {SinkKind::Screen, 2, 2, true},
  };
  for (const auto& c : cases) EXPECT_EQ(warnsLongDocument(c.sink, c.page, c.limit), c.warns) << c.page;
  EXPECT_STREQ(kLongDocumentMessage,
               "YOU MAY NOT HAVE ENOUGH COMPUTER RESOURCES\r\n         TO DISPLAY THIS ENTIRE DOCUMENT");
}

}  // namespace
}  // namespace vrk::document
