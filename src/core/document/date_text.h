// Dates as documents and boxes show them (7/5/2001, 07/05/2001, July 5, 2001) and as typed.
#pragma once

#include <optional>
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

// How strictly a typed record date is read. Exact: two digits, "/", two digits, "/", four digits
// ("07/05/2001"). Loose: three whole numbers between slashes, each perhaps with blanks around it
// and a sign, the year part four characters ("7/5/2001", "07/ 5/2001").
enum class DateForm { Exact, Loose };

// A record date typed as MM/DD/YYYY; nothing when the text does not have the form or names no
// calendar day ("02/30/2001").
std::optional<store::CalendarDate> parseRecordDate(const std::string& text, DateForm form = DateForm::Exact);

}  // namespace vrk::document
