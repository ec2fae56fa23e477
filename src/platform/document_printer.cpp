#include "platform/document_printer.h"

#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QHashSeed>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/store/store_error.h"
#include "platform/document_fonts.h"
#include "platform/gui_application.h"
#include "platform/text_codec.h"

namespace vrk::platform {
namespace {

using document::Document;
using document::Font;
using document::Line;

constexpr double kPointsPerInch = 72.0;
constexpr double kPdfMarginPoints = 18.0;  // a quarter inch

std::size_t columnsOf(const Line& line) {
  std::size_t columns = 0;
  for (const auto& piece : line.pieces) columns += piece.text.size();
  return columns;
}

// Lines on the fullest page and characters on the widest line.
void measure(const Document& document, std::size_t& maxLines, std::size_t& maxColumns) {
  maxLines = 0;
  maxColumns = 0;
  std::size_t lines = 0;
  for (const Line& line : document.lines) {
    maxColumns = std::max(maxColumns, columnsOf(line));
    maxLines = std::max(maxLines, ++lines);
    if (line.formFeed) lines = 0;
  }
}

QString openError(const QPrinter& printer) {
  // Without an installed printer Qt makes the printer a PDF writer with no file to write to.
  if (printer.outputFormat() == QPrinter::PdfFormat && printer.outputFileName().isEmpty())
    return QStringLiteral("No printer is available. Choose a printer or a PDF file with Change Printer.");
  if (printer.outputFormat() == QPrinter::PdfFormat)
    return QStringLiteral("The PDF file %1 cannot be written.").arg(printer.outputFileName());
  const QString name = printer.printerName();
  return name.isEmpty() ? QStringLiteral("No printer is available.")
                        : QStringLiteral("The printer %1 cannot be opened.").arg(name);
}

class PageWriter {
 public:
  PageWriter(QPainter& painter, QPrinter& printer, const PrintOptions& options)
      : painter_(painter),
        printer_(printer),
        courier_(courierFont(options.pointSize)),
        arial_(arialFont(options.pointSize)) {
    const QFontMetricsF metrics(courier_, &printer);
    advance_ = metrics.horizontalAdvance(QLatin1Char('0'));
    pitch_ = options.pointSize * printer.resolution() / kPointsPerInch;
    // Centre the font's ascent and descent in the line pitch.
    baseline_ = (pitch_ - metrics.ascent() - metrics.descent()) / 2.0 + metrics.ascent();
  }

  // Scales the page so `lines` lines of `columns` characters fit the printable area.
  void fit(std::size_t lines, std::size_t columns) {
    const double height = printer_.height();
    const double width = printer_.width();
    scale_ = 1.0;
    if (lines > 0) scale_ = std::min(scale_, height / (static_cast<double>(lines) * pitch_));
    if (columns > 0) scale_ = std::min(scale_, width / (static_cast<double>(columns) * advance_));
    linesPerPage_ =
        std::max<std::size_t>(1, static_cast<std::size_t>(std::floor(height / (scale_ * pitch_) + 1e-6)));
    painter_.setTransform(QTransform::fromScale(scale_, scale_));
  }

  bool write(const Line& line) {
    if (lineOnPage_ >= linesPerPage_ && !newPage()) return false;  // overflow: never expected after fit()
    const double y = static_cast<double>(lineOnPage_) * pitch_ + baseline_;
    std::size_t column = 0;
    for (const auto& piece : line.pieces) {
      if (piece.text.find_first_not_of(' ') != std::string::npos) {
        painter_.setFont(piece.font == Font::Arial ? arial_ : courier_);
        painter_.drawText(QPointF(static_cast<double>(column) * advance_, y), fromStored(piece.text));
      }
      column += piece.text.size();
    }
    ++lineOnPage_;
    return true;
  }

  bool newPage() {
    if (!printer_.newPage()) return false;
    painter_.setTransform(QTransform::fromScale(scale_, scale_));
    lineOnPage_ = 0;
    return true;
  }

 private:
  QPainter& painter_;
  QPrinter& printer_;
  QFont courier_;
  QFont arial_;
  double advance_ = 0;
  double pitch_ = 0;
  double baseline_ = 0;
  double scale_ = 1.0;
  std::size_t linesPerPage_ = 1;
  std::size_t lineOnPage_ = 0;
};

}  // namespace

QString printDocument(const Document& document, QPrinter& printer, const PrintOptions& options) {
  printer.setDocName(options.jobName);
  QPainter painter;
  if (!painter.begin(&printer)) return openError(printer);

  PrintOptions sized = options;
  if (document.pointSize > 0) sized.pointSize = document.pointSize;
  PageWriter writer(painter, printer, sized);
  std::size_t maxLines = 0;
  std::size_t maxColumns = 0;
  measure(document, maxLines, maxColumns);
  writer.fit(maxLines, maxColumns);

  bool ok = true;
  for (std::size_t i = 0; ok && i < document.lines.size(); ++i) {
    const Line& line = document.lines[i];
    const bool pageEnds = line.formFeed && i + 1 < document.lines.size();
    ok = writer.write(line) && (!pageEnds || writer.newPage());
  }
  ok = painter.end() && ok && printer.printerState() != QPrinter::Error;
  return ok ? QString() : QStringLiteral("Printing stopped: the printer reported an error.");
}

QString printDocumentToPdf(const Document& document, const QString& pdfPath, const PrintOptions& options) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(pdfPath);
  printer.setPageLayout(QPageLayout(
      QPageSize(QPageSize::Letter), QPageLayout::Portrait,
      QMarginsF(kPdfMarginPoints, kPdfMarginPoints, kPdfMarginPoints, kPdfMarginPoints), QPageLayout::Point));
  return printDocument(document, printer, options);
}

std::string documentPdfBytes(const Document& document, const store::CalendarDate& dated,
                             const PrintOptions& options) {
  ensureGuiApplication();
  // The PDF writer keeps its fonts in a hash: with the process's random hash seed their order in
  // the file, and so its bytes, would change from run to run.
  QHashSeed::setDeterministicGlobalSeed();
  const QTemporaryDir scratch;
  const QString path = scratch.filePath(QStringLiteral("document.pdf"));
  const QString problem = scratch.isValid() ? printDocumentToPdf(document, path, options)
                                            : QStringLiteral("No temporary folder can be made");
  QFile file(path);
  if (!problem.isEmpty() || !file.open(QIODevice::ReadOnly))
    throw store::StoreError(QDir::tempPath().toStdString(),
                            "The PDF copy of the statements cannot be made" +
                                (problem.isEmpty() ? std::string() : " (" + problem.toStdString() + ")"));
  QByteArray bytes = file.readAll();
  // "/CreationDate (D:YYYYMMDDHHMMSSZ)": the same length replaced, so every offset stays right.
  const QByteArray key("/CreationDate (D:");
  char digits[32];
  std::snprintf(digits, sizeof digits, "%04d%02d%02d000000", dated.year, dated.month, dated.day);
  const QByteArray date(digits);
  const qsizetype at = bytes.indexOf(key);
  if (at >= 0 && date.size() == 14 && bytes.size() >= at + key.size() + 15 && bytes[at + key.size() + 14] == 'Z')
    bytes.replace(at + key.size(), 14, date);
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace vrk::platform
