// Numbers as text: fixed-point and the desktop number format (thousands separators), hours.
#pragma once

#include <string>

namespace vrk::document {

// Significant digits of shown and stored figures.
inline constexpr int kAmountDigits = 10;  // client and matter amounts
inline constexpr int kRateDigits = 7;     // hourly rates
inline constexpr int kHoursDigits = 9;    // hours in the number format
inline constexpr int kUnlimitedDigits = 0;

// Fixed-point text, no separators: "-1234.56". The value is rounded once (see roundDecimal), at the
// given decimals or at the last significant digit when that is coarser.
std::string fixedText(double value, int decimals, int significantDigits = kUnlimitedDigits);

// The number format: as fixedText, with thousands separators ("-1,234.56").
std::string numberText(double value, int decimals, int significantDigits = kUnlimitedDigits);

// Hours with one decimal: "1234.5" / "1,234.5" (nine significant digits).
std::string hoursText(double hours);
std::string groupedHoursText(double hours);

// Groups the digits of a whole number in threes: "1234567" -> "1,234,567".
std::string groupThousands(const std::string& digits);

}  // namespace vrk::document
