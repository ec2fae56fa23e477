// The client-group activity reports a statement run prints after a group's statements: the
// attorney activity report (hours by kind of client, fees) and the billing activity report (the
// group's thirteen totals). Their attorney lines and figure lines are shared with the reports of
// the whole billing period (period_activity_reports.h).
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/document/document.h"
#include "core/document/page_writer.h"
#include "core/statements/statement.h"
#include "core/store/dates.h"

namespace vrk::statements {

// Hourly fees + retainer fees + late charges + costs - credits.
double totalBillings(const GroupTotals& totals);

struct GroupReportHeading {
  std::string group;  // one character
  std::string period;  // MMYYYY
  store::CalendarDate statementDate;
};

// Both reports for the printer: the attorney report from a new page with one line per attorney (in
// `initials` order) and a TOTALS line, its pages ending at line 60; then the billing report on a
// page of its own, ended by a form feed when another group follows.
document::Document groupActivityReports(const std::vector<std::string>& initials,
                                        const GroupActivity& activity, const GroupReportHeading& heading,
                                        bool formFeedAfter);

// How the pages of an attorney activity report begin and end.
struct AttorneyReportPages {
  // Writes a page's heading lines (the first page's and each continuation's) and sets the line count.
  std::function<void(document::PageWriter&)> heading;
  // A full page ends with 3 blank lines and the page field at column 41; on the printer with a form
  // feed, on screen followed by 2 blank lines and the separator line instead.
  document::SinkKind sink = document::SinkKind::Printer;
};

// The attorney report: the heading, a line per attorney in `initials` order (cells past the end of
// `cells` are zero) after a page-fit check for 3 lines at a threshold of 60, a blank line and the
// TOTALS line. Hours end in columns 21, 33, 44, 55, the total (overhead not included) in 66, the fees
// in 78. The writer is left on the report's last page.
document::PageWriter attorneyActivityPages(const std::vector<std::string>& initials,
                                           const std::vector<AttorneyCells>& cells,
                                           const AttorneyReportPages& pages);

// The thirteen figure lines of a billing activity report, each `indent`, the label and the figure
// (hours with one decimal, amounts in money text), separated by blank lines. `scope` completes the
// labels ("Total Costs For " + scope + " = ").
void addBillingFigures(document::Document& document, const std::string& indent, const std::string& scope,
                       const GroupTotals& totals, double totalBillings);

}  // namespace vrk::statements
