#include <gtest/gtest.h>

#include <QFontInfo>
#include <QPrinter>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "platform/document_fonts.h"
#include "platform/document_printer.h"
#include "platform/document_view.h"

namespace vrk::platform {
namespace {

using document::Document;
using document::Font;
using document::Line;
using document::Piece;

Line courier(const std::string& text, bool formFeed = false) {
  return Line{{Piece{text, Font::Courier}}, formFeed};
}

std::string rightAligned(const std::string& text, std::size_t width) {
  return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

// A line with a label and an amount right-aligned to end in column 60.
Line amountLine(const std::string& label, const std::string& amount) {
  std::string text = "      " + label;
  text += rightAligned(amount, 60 - text.size());
  return courier(text);
}

QString runTool(const QString& tool, const QStringList& arguments) {
  QProcess process;
  process.start(tool, arguments);
  if (!process.waitForFinished(30000) || process.exitCode() != 0) return {};
  return QString::fromUtf8(process.readAllStandardOutput());
}

int pdfPageCount(const QString& pdf) {
  const auto match =
      QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(runTool(QStringLiteral("pdfinfo"), {pdf}));
  return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// Words of the PDF inside and outside their sheet's bounds (pdftotext -bbox).
struct WordsOnSheets {
  int inside = 0;
  int outside = 0;
};

WordsOnSheets wordsOnSheets(const QString& pdf) {
  const QString boxes =
      runTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
  const QRegularExpression pageSize(QStringLiteral("<page width=\"([\\d.]+)\" height=\"([\\d.]+)\""));
  const QRegularExpression word(QStringLiteral(
      "<word xMin=\"([-\\d.]+)\" yMin=\"([-\\d.]+)\" xMax=\"([-\\d.]+)\" yMax=\"([-\\d.]+)\""));
  WordsOnSheets result;
  double width = 0;
  double height = 0;
  for (const QString& line : boxes.split(QLatin1Char('\n'))) {
    if (const auto size = pageSize.match(line); size.hasMatch()) {
      width = size.captured(1).toDouble();
      height = size.captured(2).toDouble();
    } else if (const auto box = word.match(line); box.hasMatch()) {
      const bool inside = box.captured(1).toDouble() >= 0 && box.captured(2).toDouble() >= 0 &&
                          box.captured(3).toDouble() <= width && box.captured(4).toDouble() <= height;
      ++(inside ? result.inside : result.outside);
    }
  }
  return result;
}

class PrintedPdf : public ::testing::Test {
 protected:
  void SetUp() override {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() ||
        QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
      GTEST_SKIP() << "pdftotext/pdfinfo (poppler-utils) are not installed; printed output not checked";
  }
  QString pdf() const { return dir_.filePath(QStringLiteral("out.pdf")); }
  // The PDF's text, one string per page.
  QStringList pages() const {
    QStringList pages =
        runTool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf(), QStringLiteral("-")})
            .split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.back().trimmed().isEmpty()) pages.removeLast();
    return pages;
  }

  QTemporaryDir dir_;
};

// Three pages with the page field of the footer convention and right-aligned amounts.
Document threePageStatement() {
  Document doc;
  for (int page = 1; page <= 3; ++page) {
    doc.lines.push_back(
        Line{{Piece{std::string(24, ' '), Font::Courier}, Piece{"STATEMENT OF ACCOUNT", Font::Arial}}});
    doc.lines.push_back(courier(""));
    doc.lines.push_back(amountLine("Fees", "$1,234.56"));
    doc.lines.push_back(amountLine("Costs and other charges", "($12.00)"));
    doc.lines.push_back(amountLine("Payments received", "$7.10"));
    // An Arial piece followed by Courier text: the amount still ends in column 60.
    Line mixed{{Piece{"      ", Font::Courier}, Piece{"Total", Font::Arial}}};
    mixed.pieces.push_back(Piece{rightAligned("$99,999.99", 60 - 11), Font::Courier});
    doc.lines.push_back(mixed);
    for (int blank = 0; blank < 40; ++blank) doc.lines.push_back(courier(""));
    doc.lines.push_back(
        courier("      ABC" + std::string(31, ' ') + "-" + std::to_string(page) + "-", page < 3));
  }
  return doc;
}

TEST_F(PrintedPdf, ThreePagesKeepTheirFootersAndColumns) {
  ASSERT_EQ(printDocumentToPdf(threePageStatement(), pdf()), QString());
  EXPECT_EQ(pdfPageCount(pdf()), 3);
  const QStringList text = pages();
  ASSERT_EQ(text.size(), 3);
  for (int page = 0; page < 3; ++page) {
    for (int footer = 1; footer <= 3; ++footer)
      EXPECT_EQ(text[page].contains(QStringLiteral("-%1-").arg(footer)), footer == page + 1)
          << page << " " << footer;
    EXPECT_TRUE(text[page].contains(QStringLiteral("STATEMENT OF ACCOUNT")));
  }

  // Right-aligned amounts end in one character position, whatever precedes them.
  QList<qsizetype> ends;
  for (const QString& line : text[0].split(QLatin1Char('\n'))) {
    const auto match = QRegularExpression(QStringLiteral("(\\(?\\$[\\d,.]+\\)?)\\s*$")).match(line);
    if (match.hasMatch()) ends.push_back(match.capturedEnd(1));
  }
  ASSERT_EQ(ends.size(), 4);
  for (qsizetype end : ends) EXPECT_EQ(end, ends.front()) << text[0].toStdString();
  // Equal-width amounts start in the same position on lines of different content.
  const QStringList lines = text[0].split(QLatin1Char('\n'));
  const auto fees = std::find_if(lines.begin(), lines.end(),
                                 [](const QString& l) { return l.contains(QStringLiteral("Fees")); });
  const auto total = std::find_if(lines.begin(), lines.end(),
                                  [](const QString& l) { return l.contains(QStringLiteral("$99")); });
  ASSERT_TRUE(fees != lines.end() && total != lines.end());
  EXPECT_EQ(fees->indexOf(QLatin1Char('$')) - 1, total->indexOf(QLatin1Char('$')));
}

TEST_F(PrintedPdf, EachLayoutPageIsOneSheetWithNothingCutOff) {
  auto page = [](int lines, bool formFeed, std::size_t width = 10) {
    std::vector<Line> out;
    for (int i = 1; i <= lines; ++i)
      out.push_back(courier(rightAligned(std::to_string(i), width), formFeed && i == lines));
    return out;
  };
  auto join = [](std::vector<std::vector<Line>> parts) {
    Document doc;
    for (auto& part : parts) doc.lines.insert(doc.lines.end(), part.begin(), part.end());
    return doc;
  };
  struct Case {
    const char* what;
    Document document;
    int sheets;
    int words;  // every line number, each inside its sheet
  };
  const Case cases[] = {
      {"two statement pages of 60 lines", join({page(60, true), page(60, false)}), 2, 120},
      {"a report page of 70 lines", join({page(70, false)}), 1, 70},
      {"a form feed on the last line", join({page(5, true)}), 1, 5},
      {"an empty page between form feeds", join({page(3, true), {courier("", true)}, page(3, false)}), 3, 6},
      {"long and wide lines", join({page(70, false, 95)}), 1, 70},
  };
  for (const Case& c : cases) {
    ASSERT_EQ(printDocumentToPdf(c.document, pdf()), QString()) << c.what;
    EXPECT_EQ(pdfPageCount(pdf()), c.sheets) << c.what;
    const WordsOnSheets words = wordsOnSheets(pdf());
    EXPECT_EQ(words.inside, c.words) << c.what;
    EXPECT_EQ(words.outside, 0) << c.what;
  }
}

TEST_F(PrintedPdf, UsesAFixedPitchCourierAndArial) {
  ASSERT_EQ(printDocumentToPdf(threePageStatement(), pdf()), QString());
  const QString fonts = runTool(QStringLiteral("pdffonts"), {pdf()});
  if (fonts.isEmpty()) GTEST_SKIP() << "pdffonts is not installed";
  const QFontInfo courierFace(courierFont(12));
  const QFontInfo arialFace(arialFont(12));
  EXPECT_TRUE(courierFace.fixedPitch());
  EXPECT_TRUE(fonts.contains(courierFace.family().remove(QLatin1Char(' ')))) << fonts.toStdString();
  EXPECT_TRUE(fonts.contains(arialFace.family().remove(QLatin1Char(' ')))) << fonts.toStdString();
}

// A final run's archive: the same document and date give the same bytes, dated as asked.
TEST(DocumentPrinter, PdfBytesOfADocumentAreTheSameEveryTime) {
  const std::string first = documentPdfBytes(threePageStatement(), {2001, 7, 31});
  EXPECT_EQ(first.rfind("%PDF", 0), 0U);
  EXPECT_NE(first.find("/CreationDate (D:20010731000000Z)"), std::string::npos);
  EXPECT_EQ(documentPdfBytes(threePageStatement(), {2001, 7, 31}), first);
}

TEST(DocumentPrinter, APrintThatCannotStartGivesAMessage) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("missing-folder/out.pdf"));
  const QString message = printDocumentToPdf(threePageStatement(), path);
  EXPECT_TRUE(message.contains(path)) << message.toStdString();

  QPrinter noPrinter;  // as Qt sets it up on a machine without printers
  noPrinter.setOutputFormat(QPrinter::PdfFormat);
  noPrinter.setOutputFileName(QString());
  EXPECT_EQ(printDocument(threePageStatement(), noPrinter),
            QStringLiteral("No printer is available. Choose a printer or a PDF file with Change Printer."));
}

TEST(DocumentView, ShowsTheDocumentInPlaceOfTheOldText) {
  QPlainTextEdit box;
  box.setPlainText(QStringLiteral("an earlier document"));
  Document doc;
  doc.lines.push_back(Line{{Piece{"   ", Font::Courier}, Piece{"Title", Font::Arial}}});
  doc.lines.push_back(courier("caf\xE9 \x80 5", true));
  doc.lines.push_back(courier(std::string(200, 'x')));
  showDocument(box, doc);

  EXPECT_EQ(box.toPlainText(), QStringLiteral("   Title\n") +
                                   QString::fromUtf8("caf\xC3\xA9 \xE2\x82\xAC 5\n") +
                                   QString(200, QLatin1Char('x')));
  EXPECT_EQ(box.lineWrapMode(), QPlainTextEdit::NoWrap);
  EXPECT_EQ(box.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_EQ(box.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_EQ(box.font().pixelSize(), 13);
  EXPECT_TRUE(QFontInfo(box.font()).fixedPitch());
  EXPECT_EQ(box.textCursor().position(), 0);

  showDocument(box, Document{});
  EXPECT_EQ(box.toPlainText(), QString());
}

}  // namespace
}  // namespace vrk::platform
