// Prints a document through Qt Print Support: one page per form feed, on a fixed-pitch grid.
#pragma once

#include <QString>

#include "core/document/document.h"

class QPrinter;

namespace vrk::platform {

struct PrintOptions {
  int pointSize = 12;  // mailing labels print at 11 points
  QString jobName = QStringLiteral("VRK");
};

// Prints to a configured printer (which may be set to PDF output). Returns an empty string on
// success, else a message for the user.
QString printDocument(const document::Document& document, QPrinter& printer, const PrintOptions& options = {});

// Prints to a PDF file through the same code.
QString printDocumentToPdf(const document::Document& document, const QString& pdfPath,
                           const PrintOptions& options = {});

}  // namespace vrk::platform
