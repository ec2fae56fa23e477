// Hourly rates as boxes and grid cells hold them, as rate fields store them and as grids show them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vrk::attorneys {

// The rate text of a masked rate box: blanks become zeros, then the mask's dollar sign and comma
// go ("$_1,234.5_" -> "01234.50"). An empty text counts as an untouched box ("00000.00").
std::string rateTextFromBox(const std::string& boxText);

// Currency text of a rate: two decimals, at most seven significant digits ("$1,234.56").
std::string rateCurrencyText(double value);
// Currency text of a stored rate text ("300" -> "$300.00").
std::string shownRate(std::string_view stored);

// A rate typed into a grid cell. An empty cell stays empty; otherwise a leading "$" goes, and
// what remains (zero when nothing does) has its blanks and underscores turned to zeros and its
// commas removed, must pass the decimal-number rule and be at most 99,999.99. The answer is the
// text the cell shows afterwards (currency text, or empty), or nothing when the cell is refused.
std::optional<std::string> readTypedRate(const std::string& cell);

// The rate field text of a cell of the add-schedule grid: the first character and every comma
// go, then zeros lead up to eight characters ("$250.00" -> "00250.00", "" -> "00000000").
std::string addedRateFromCell(const std::string& cell);

// The rate field text of a cell of the change-schedules grid: "0" for an empty cell; otherwise
// the leading "$" and every comma go and blanks become zeros ("$1,250.00" -> "1250.00").
std::string changedRateFromCell(const std::string& cell);

}  // namespace vrk::attorneys
