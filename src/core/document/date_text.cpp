#include "core/document/date_text.h"

#include <array>
#include <cstdio>
#include <limits>
#include <string_view>

namespace vrk::document {

namespace {

std::string zeroPadded(int number, int width) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%0*d", width, number);
  return buffer;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool isBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// A whole number with blanks around it and perhaps a sign ("7", " 07 ", "+7"), within int.
std::optional<int> looseNumber(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  const bool negative = !text.empty() && text.front() == '-';
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) text.remove_prefix(1);
  if (text.empty()) return std::nullopt;
  long long value = 0;
  for (const char c : text) {
    if (!isDigit(c)) return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > -static_cast<long long>(std::numeric_limits<int>::min())) return std::nullopt;
  }
  if (negative) value = -value;
  if (value > std::numeric_limits<int>::max()) return std::nullopt;
  return static_cast<int>(value);
}

std::optional<store::CalendarDate> exactDate(const std::string& text) {
  if (text.size() != 10 || text[2] != '/' || text[5] != '/') return std::nullopt;
  for (const std::size_t i : {0u, 1u, 3u, 4u, 6u, 7u, 8u, 9u})
    if (!isDigit(text[i])) return std::nullopt;
  return store::CalendarDate{std::stoi(text.substr(6)), std::stoi(text.substr(0, 2)),
                             std::stoi(text.substr(3, 2))};
}

std::optional<store::CalendarDate> looseDate(const std::string& text) {
  const std::size_t first = text.find('/');
  const std::size_t second = first == std::string::npos ? first : text.find('/', first + 1);
  if (second == std::string::npos || text.find('/', second + 1) != std::string::npos) return std::nullopt;
  const std::string_view all(text);
  if (all.size() - second - 1 != 4) return std::nullopt;
  const auto month = looseNumber(all.substr(0, first));
  const auto day = looseNumber(all.substr(first + 1, second - first - 1));
  const auto year = looseNumber(all.substr(second + 1));
  if (!month || !day || !year) return std::nullopt;
  return store::CalendarDate{*year, *month, *day};
}

}  // namespace

std::optional<store::CalendarDate> parseRecordDate(const std::string& text, DateForm form) {
  const auto date = form == DateForm::Exact ? exactDate(text) : looseDate(text);
  if (!date || !store::isValidDate(*date)) return std::nullopt;
  return date;
}

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
