// The printer every document goes to: the system's default until the user picks another.
#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "core/document/document.h"
#include "core/services/clock.h"
#include "core/services/settings_store.h"
#include "platform/document_printer.h"

class QPrinter;
class QWidget;

namespace vrk::ui {

// The settings value holding the folder the last PDF file was written to.
inline constexpr const char* kLastPdfFolder = "LastPdfFolder";

class PrinterChoice {
 public:
  // Asks where a PDF file goes, offering `suggestedPath`; an empty answer cancels the printing.
  using FileAsker = std::function<QString(QWidget* parent, const QString& suggestedPath)>;
  // Receives one line saying where a document went ("The PDF file was written to …").
  using Reporter = std::function<void(const QString& line)>;

  PrinterChoice(services::SettingsStore& settings, const services::Clock& clock);
  ~PrinterChoice();

  // Shows the system's printer setup dialog; the printer (or PDF output) chosen there is used by
  // all later printing. False when the user cancelled.
  bool choose(QWidget* parent);

  // Directs all later printing to this PDF file without asking (tests).
  void useFile(const QString& pdfPath);
  void setFileAsker(FileAsker asker) { askFile_ = std::move(asker); }
  void setReporter(Reporter reporter) { report_ = std::move(reporter); }

  // Prints a document. When the output is a PDF file (no printer installed, or PDF chosen with
  // Change Printer) a save dialog asks for the file first, offering "<title> <YYYY-MM-DD>.pdf"
  // in the folder last used; the title is `options.title`, else the printing dialog's caption
  // without its leading "Display"/"Print". Returns false when the user cancelled or printing
  // failed (an error box has then been shown).
  bool print(QWidget* parent, const document::Document& document, const platform::PrintOptions& options = {});

  // Prints a PDF file as it is (a final run's archive): to the PDF output, a byte-for-byte copy
  // at the file asked for as print() asks; to a printer, through the system's print queue (`lp`).
  // Returns false when the user cancelled or printing failed (an error box has then been shown).
  bool printPdfFile(QWidget* parent, const QString& pdfFile, const platform::PrintOptions& options);

  QPrinter& printer() { return *printer_; }

 private:
  QString suggestedPath(QWidget* parent, const platform::PrintOptions& options) const;
  // The PDF file the output goes to, asked for unless fixed; empty when the user cancelled.
  QString outputFile(QWidget* parent, const platform::PrintOptions& options);
  void reportWhere(bool toFile);

  services::SettingsStore& settings_;
  const services::Clock& clock_;
  std::unique_ptr<QPrinter> printer_;
  QString fixedFile_;
  FileAsker askFile_;
  Reporter report_;
};

}  // namespace vrk::ui
