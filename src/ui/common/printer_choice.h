// The printer every document goes to: the system's default until the user picks another.
#pragma once

#include <QString>
#include <memory>

#include "core/document/document.h"
#include "platform/document_printer.h"

class QPrinter;
class QWidget;

namespace vrk::ui {

class PrinterChoice {
 public:
  PrinterChoice();
  ~PrinterChoice();

  // Shows the system's printer setup dialog; the printer (or PDF file) chosen there is used by
  // all later printing. False when the user cancelled.
  bool choose(QWidget* parent);

  // Directs all later printing to a PDF file (tests, and machines without printers).
  void useFile(const QString& pdfPath);

  // Prints a document; shows an error box and returns false when printing failed.
  bool print(QWidget* parent, const document::Document& document, const platform::PrintOptions& options = {});

  QPrinter& printer() { return *printer_; }

 private:
  std::unique_ptr<QPrinter> printer_;
};

}  // namespace vrk::ui
