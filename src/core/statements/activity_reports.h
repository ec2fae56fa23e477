// The client-group activity reports a statement run prints after a group's statements: the
// attorney activity report (hours by kind of client, fees) and the billing activity report (the
// group's thirteen totals).
#pragma once

#include <string>
#include <vector>

#include "core/document/document.h"
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
document::Document groupActivityReports(const std::vector<std::string>& initials, const GroupActivity& activity,
                                        const GroupReportHeading& heading, bool formFeedAfter);

}  // namespace vrk::statements
