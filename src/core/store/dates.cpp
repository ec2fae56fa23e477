#include "core/store/dates.h"

#include <cmath>

namespace vrk::store {
namespace {

// Days from 1970-01-01 to a civil date (proleptic Gregorian), after H. Hinnant's algorithm.
long long daysFromCivil(long long y, unsigned m, unsigned d) {
  y -= m <= 2 ? 1 : 0;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const auto yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<long long>(doe) - 719468;
}

CalendarDate civilFromDays(long long z) {
  z += 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const auto doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long long y = static_cast<long long>(yoe) + era * 400;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  const unsigned d = doy - (153 * mp + 2) / 5 + 1;
  const unsigned m = mp < 10 ? mp + 3 : mp - 9;
  return {static_cast<int>(y + (m <= 2 ? 1 : 0)), static_cast<int>(m), static_cast<int>(d)};
}

const long long kEpochOffset = daysFromCivil(1899, 12, 30);  // 1899-12-30 relative to 1970-01-01

}  // namespace

bool isValidDate(const CalendarDate& date) {
  if (date.month < 1 || date.month > 12 || date.day < 1) return false;
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (date.year % 4 == 0 && date.year % 100 != 0) || date.year % 400 == 0;
  const int last = date.month == 2 && leap ? 29 : kDays[date.month - 1];
  return date.day <= last;
}

double toStoredDate(const CalendarDate& date) {
  return static_cast<double>(
      daysFromCivil(date.year, static_cast<unsigned>(date.month), static_cast<unsigned>(date.day)) -
      kEpochOffset);
}

long long wholeDay(double stored) {
  // The integer part is the day; for the (unused) dates before 1899-12-30 the time of day is
  // stored as a positive fraction after a negative day, so truncation keeps the day too.
  // A damaged value (not a number, or days beyond any calendar) reads as day 0.
  if (!std::isfinite(stored) || std::fabs(stored) > 1e9) return 0;
  return static_cast<long long>(std::trunc(stored));
}

CalendarDate fromStoredDate(double stored) { return civilFromDays(wholeDay(stored) + kEpochOffset); }

int compareDays(double a, double b) {
  const long long da = wholeDay(a);
  const long long db = wholeDay(b);
  return da < db ? -1 : (da > db ? 1 : 0);
}

}  // namespace vrk::store
