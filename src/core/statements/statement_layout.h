// The monthly statement's lines and pages, for the printer and for the draft dialog's text box,
// from the items the computation produced.
#pragma once

#include <optional>

#include "core/document/document.h"
#include "core/statements/statement.h"
#include "core/store/dates.h"

namespace vrk::statements {

struct StatementPrinting {
  document::SinkKind sink = document::SinkKind::Printer;
  store::CalendarDate date;          // the statement date, shown in the heading
  bool invoiceLine = false;          // a final printed statement of a billing client
  std::optional<int> invoiceNumber;  // nothing: the setting is missing, a blank line instead
  bool formFeedAtEnd = false;        // another statement (or report) follows on the printer
};

// Appends the statement to `document`: heading, blocks with their page checks (a block that would
// reach line 57 starts the next page), totals, notices, and the footer on line 60. Amount columns
// end in column 77; an amount in parentheses ends in column 78.
void layoutStatement(const Statement& statement, const StatementPrinting& printing, document::Document& document);

}  // namespace vrk::statements
