// The file name offered when a document is printed to a PDF file.
#pragma once

#include <string>

#include "core/store/dates.h"

namespace vrk::document {

// A document's title from the caption of the dialog that printed it: the caption without a
// leading "Display/Print ", "Print " or "Display " ("Display Fee Schedules" gives "Fee Schedules").
std::string titleFromCaption(const std::string& caption);

// "<title> <YYYY-MM-DD>.pdf", with the characters a file name cannot hold on common systems
// (/ \ : * ? " < > |) and control characters made hyphens, and blanks at either end dropped.
// An empty title gives "Document <YYYY-MM-DD>.pdf".
std::string pdfFileName(const std::string& title, const store::CalendarDate& date);

}  // namespace vrk::document
