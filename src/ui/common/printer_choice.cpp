#include "ui/common/printer_choice.h"

#include <QPrintDialog>
#include <QPrinter>

#include "platform/text_codec.h"
#include "ui/common/message_boxes.h"

namespace vrk::ui {

PrinterChoice::PrinterChoice() : printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {}
PrinterChoice::~PrinterChoice() = default;

bool PrinterChoice::choose(QWidget* parent) {
  QPrintDialog dialog(printer_.get(), parent);
  dialog.setWindowTitle(QStringLiteral("Change Printer"));
  dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
  return dialog.exec() == QDialog::Accepted;
}

void PrinterChoice::useFile(const QString& pdfPath) {
  printer_->setOutputFormat(QPrinter::PdfFormat);
  printer_->setOutputFileName(pdfPath);
}

bool PrinterChoice::print(QWidget* parent, const document::Document& document,
                          const platform::PrintOptions& options) {
  const QString problem = platform::printDocument(document, *printer_, options);
  if (problem.isEmpty()) return true;
  showMessage(parent, {dialog::MessageKind::Error, platform::toStored(problem)});
  return false;
}

}  // namespace vrk::ui
