// The fee schedule print-out: every attorney's rates, five schedules to a section, in pages of 60 lines.
#pragma once

#include <string>

#include "core/attorneys/attorney_register.h"
#include "core/document/document.h"
#include "core/store/dates.h"

namespace vrk::attorneys {

// Section 1 holds schedules 1 to 5, section 2 (when N is 6 or more) schedules 6 to N; each starts
// a page with the header. A page's first attorney row comes at line 17 (16 on a section's later
// pages); a row is not begun when it and its empty line would reach line 58, and every page is
// filled to line 59 before its footer.
document::Document feeSchedulesPrintout(const AttorneyRegister& reg, const std::string& billingPeriod,
                                        const store::CalendarDate& today);

}  // namespace vrk::attorneys
