#include "ui/common/printer_choice.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>

#include "core/document/output_file_name.h"
#include "core/store/file_io.h"
#include "core/store/outside_files.h"
#include "core/store/store_error.h"
#include "platform/text_codec.h"
#include "ui/common/message_boxes.h"

namespace vrk::ui {
namespace {

QString askWithSaveDialog(QWidget* parent, const QString& suggestedPath) {
  return QFileDialog::getSaveFileName(parent, QStringLiteral("Save As PDF"), suggestedPath,
                                      QStringLiteral("PDF files (*.pdf)"));
}

// How long the system's print queue may take to accept a file.
constexpr int kPrintQueueWaitMs = 30000;

}  // namespace

PrinterChoice::PrinterChoice(services::SettingsStore& settings, const services::Clock& clock)
    : settings_(settings),
      clock_(clock),
      printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)),
      askFile_(askWithSaveDialog) {}
PrinterChoice::~PrinterChoice() = default;

bool PrinterChoice::choose(QWidget* parent) {
  QPrintDialog dialog(printer_.get(), parent);
  dialog.setWindowTitle(QStringLiteral("Change Printer"));
  dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
  // The choice prints nothing yet: its confirm button says OK, not Print.
  for (auto* buttons : dialog.findChildren<QDialogButtonBox*>())
    if (auto* ok = buttons->button(QDialogButtonBox::Ok)) ok->setText(QStringLiteral("OK"));
  if (dialog.exec() != QDialog::Accepted) return false;
  fixedFile_.clear();  // a file named in the setup dialog is only the first offer of the save dialog
  return true;
}

void PrinterChoice::useFile(const QString& pdfPath) {
  printer_->setOutputFormat(QPrinter::PdfFormat);
  printer_->setOutputFileName(pdfPath);
  fixedFile_ = pdfPath;
}

QString PrinterChoice::suggestedPath(QWidget* parent, const platform::PrintOptions& options) const {
  QString title = options.title;
  if (title.isEmpty() && parent)
    title = platform::fromStored(document::titleFromCaption(platform::toStored(parent->window()->windowTitle())));
  const QString name = platform::fromStored(document::pdfFileName(platform::toStored(title), clock_.today()));

  QString folder = QString::fromStdString(settings_.readString(kLastPdfFolder));
  if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
    const QString chosen = printer_->outputFileName();
    folder = chosen.isEmpty() ? QString() : QFileInfo(chosen).absolutePath();
  }
  if (folder.isEmpty() || !QFileInfo(folder).isDir())
    folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (folder.isEmpty() || !QFileInfo(folder).isDir()) folder = QDir::homePath();
  return QDir(folder).filePath(name);
}

QString PrinterChoice::outputFile(QWidget* parent, const platform::PrintOptions& options) {
  if (!fixedFile_.isEmpty()) return fixedFile_;
  QString path = askFile_(parent, suggestedPath(parent, options));
  if (path.isEmpty()) return path;  // cancelled: nothing printed, nothing to say
  if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".pdf");
  settings_.writeString(kLastPdfFolder, QFileInfo(path).absolutePath().toStdString());
  return path;
}

void PrinterChoice::reportWhere(bool toFile) {
  if (!report_) return;
  report_(toFile ? QStringLiteral("The PDF file was written to %1")
                       .arg(QDir::toNativeSeparators(QFileInfo(printer_->outputFileName()).absoluteFilePath()))
                 : QStringLiteral("The document was sent to the printer %1").arg(printer_->printerName()));
}

bool PrinterChoice::print(QWidget* parent, const document::Document& document,
                          const platform::PrintOptions& options) {
  const bool toFile = printer_->outputFormat() == QPrinter::PdfFormat;
  if (toFile) {
    const QString path = outputFile(parent, options);
    if (path.isEmpty()) return false;
    printer_->setOutputFileName(path);
  }

  platform::PrintOptions used = options;
  if (!options.title.isEmpty()) used.jobName = options.title;
  const QString problem = platform::printDocument(document, *printer_, used);
  if (!problem.isEmpty()) {
    showMessage(parent, {dialog::MessageKind::Error, platform::toStored(problem)});
    return false;
  }
  reportWhere(toFile);
  return true;
}

bool PrinterChoice::printPdfFile(QWidget* parent, const QString& pdfFile, const platform::PrintOptions& options) {
  const bool toFile = printer_->outputFormat() == QPrinter::PdfFormat;
  QString problem;
  if (toFile) {
    const QString path = outputFile(parent, options);
    if (path.isEmpty()) return false;
    printer_->setOutputFileName(path);
    try {
      store::writeFileWhole(platform::toPath(path), store::io::readWhole(platform::toPath(pdfFile), 1ULL << 30));
    } catch (const std::exception& error) {
      problem = QString::fromStdString(store::errorText(error));
    }
  } else {
    QProcess lp;
    lp.start(QStringLiteral("lp"), {QStringLiteral("-d"), printer_->printerName(), QStringLiteral("-t"),
                                    options.title.isEmpty() ? options.jobName : options.title, pdfFile});
    if (!lp.waitForFinished(kPrintQueueWaitMs) || lp.exitStatus() != QProcess::NormalExit || lp.exitCode() != 0) {
      const QString said = QString::fromLocal8Bit(lp.readAllStandardError()).trimmed();
      problem = QStringLiteral("The file could not be sent to the printer %1 (%2).")
                    .arg(printer_->printerName(), said.isEmpty() ? lp.errorString() : said);
    }
  }
  if (!problem.isEmpty()) {
    showMessage(parent, {dialog::MessageKind::Error, platform::toStored(problem)});
    return false;
  }
  reportWhere(toFile);
  return true;
}

}  // namespace vrk::ui
