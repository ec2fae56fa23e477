#include "core/document/date_text.h"

#include <array>
#include <cstdio>

namespace vrk::document {

namespace {

std::string zeroPadded(int number, int width) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%0*d", width, number);
  return buffer;
}

}  // namespace

std::string monthName(int month) {
  static const std::array<const char*, 12> kNames = {"January",   "February", "March",    "April",
                                                     "May",       "June",     "July",     "August",
                                                     "September", "October",  "November", "December"};
  if (month < 1 || month > 12) return {};
  return kNames[static_cast<size_t>(month - 1)];
}

std::string reportDate(const store::CalendarDate& date) {
  return std::to_string(date.month) + "/" + std::to_string(date.day) + "/" + zeroPadded(date.year, 4);
}

std::string recordDate(const store::CalendarDate& date) {
  return zeroPadded(date.month, 2) + "/" + zeroPadded(date.day, 2) + "/" + zeroPadded(date.year, 4);
}

std::string longDate(const store::CalendarDate& date) {
  return monthName(date.month) + " " + std::to_string(date.day) + ", " + zeroPadded(date.year, 4);
}

}  // namespace vrk::document
