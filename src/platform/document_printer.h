// Prints a document through Qt Print Support: one page per form feed, on a fixed-pitch grid.
#pragma once

#include <QString>
#include <string>

#include "core/document/document.h"
#include "core/store/dates.h"

class QPrinter;

namespace vrk::platform {

struct PrintOptions {
  int pointSize = 12;  // used when the document names no size of its own (Document::pointSize)
  QString jobName = QStringLiteral("VRK");
  QString title;  // the document's title for a PDF file's name; empty: the printing dialog's caption
};

// Prints to a configured printer (which may be set to PDF output). Returns an empty string on
// success, else a message for the user.
//
// Every character sits on a grid: column c (from 0) starts at c times the advance of one
// "Courier" character, and lines follow each other at the point size (6 lines per inch at 12
// points, the pitch fixed-pitch layouts are counted in). An "Arial" piece starts at its grid
// column and the text after it continues at the column following the piece's characters, so
// the columns of a line hold whatever font precedes them. A line with a form feed ends its page
// (a form feed on the last line starts no empty page). When the longest page of the document or
// its widest line does not fit the printable area at that size, the whole document is scaled
// down uniformly, so each page of the layout stays one sheet and no column is cut off.
QString printDocument(const document::Document& document, QPrinter& printer,
                      const PrintOptions& options = {});

// Prints to a PDF file through the same code (US Letter, a quarter inch margin all round).
QString printDocumentToPdf(const document::Document& document, const QString& pdfPath,
                           const PrintOptions& options = {});

// The bytes of the PDF file printDocumentToPdf() writes, for a file kept inside a save (a final
// run's archive), its creation date set to `dated` (midnight, UTC) so that the same document always
// gives the same bytes. store::StoreError when it cannot be made.
std::string documentPdfBytes(const document::Document& document, const store::CalendarDate& dated,
                             const PrintOptions& options = {});

}  // namespace vrk::platform
