// Stored dates: doubles holding days since 30 December 1899 (fraction = time of day).
#pragma once

#include <compare>

namespace vrk::store {

struct CalendarDate {
  int year = 1899;
  int month = 12;
  int day = 30;

  auto operator<=>(const CalendarDate&) const = default;
};

bool isValidDate(const CalendarDate& date);

// Day number of a calendar date: 0 for 30 December 1899, 36526 for 1 January 2000.
double toStoredDate(const CalendarDate& date);

// The calendar day a stored date falls on; its time of day is ignored.
CalendarDate fromStoredDate(double stored);

// The whole day of a stored date (the fraction is the time of day and does not count).
long long wholeDay(double stored);

// Compares two stored dates by whole day only: negative, zero or positive.
int compareDays(double a, double b);

}  // namespace vrk::store
