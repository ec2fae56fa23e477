// Dates as documents and boxes show them: 7/5/2001, 07/05/2001, July 5, 2001.
#pragma once

#include <string>

#include "core/store/dates.h"

namespace vrk::document {

// "January" to "December" for months 1 to 12; an empty text for any other month.
std::string monthName(int month);

// Report date: month/day/year, month and day without a leading zero ("7/5/2001").
std::string reportDate(const store::CalendarDate& date);

// Record date: MM/DD/YYYY ("07/05/2001").
std::string recordDate(const store::CalendarDate& date);

// Long date: month name, day without a leading zero, comma, year ("July 5, 2001").
std::string longDate(const store::CalendarDate& date);

}  // namespace vrk::document
