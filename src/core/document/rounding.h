// Rounding half away from zero, decided on the exact value a double holds (1.005 is 1.00499...).
#pragma once

#include <string>

namespace vrk::document {

// A value rounded to a number of decimals, as decimal digits.
struct RoundedDecimal {
  bool negative = false;            // never set for a result of zero
  std::string integerDigits = "0";  // no leading zeros ("0" for values below one)
  std::string fractionDigits;       // exactly max(decimals, 0) digits

  bool operator==(const RoundedDecimal&) const = default;
};

// Rounds half away from zero at `decimals` places after the point (negative: to tens, hundreds ...).
// With significantDigits > 0 the rounding happens instead at the last of that many significant
// digits when that place is coarser; the value is rounded once, at the coarser place.
// The value must be finite.
RoundedDecimal roundDecimal(double value, int decimals, int significantDigits = 0);

// The double nearest to the value rounded half away from zero at `decimals` places
// (50.125 -> 50.13; 1.005 -> 1.0; -2.5 at 0 places -> -3). Infinities and NaN come back unchanged.
double roundHalfAway(double value, int decimals);

}  // namespace vrk::document
