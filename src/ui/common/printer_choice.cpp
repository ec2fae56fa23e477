#include "ui/common/printer_choice.h"

#include <QDialogButtonBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

#include "platform/text_codec.h"
#include "ui/common/message_boxes.h"

namespace vrk::ui {

PrinterChoice::PrinterChoice() : printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {}
PrinterChoice::~PrinterChoice() = default;

bool PrinterChoice::choose(QWidget* parent) {
  QPrintDialog dialog(printer_.get(), parent);
  dialog.setWindowTitle(QStringLiteral("Change Printer"));
  dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
  // The choice prints nothing yet: its confirm button says OK, not Print.
  for (auto* buttons : dialog.findChildren<QDialogButtonBox*>())
    if (auto* ok = buttons->button(QDialogButtonBox::Ok)) ok->setText(QStringLiteral("OK"));
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
