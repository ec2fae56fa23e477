#include "core/document/rounding.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <vector>

namespace vrk::document {

namespace {

// The exact decimal expansion of a finite double's magnitude: its digits and how many of them
// come before the point.
struct ExactDigits {
  std::string digits;
  int integerLength = 0;
};

ExactDigits exactDigits(double magnitude) {
  int exponent = 0;
  std::frexp(magnitude, &exponent);
  // The lowest bit of a double is worth 2^(exponent - 53); 2^-k has exactly k decimals.
  const int precision = std::max(0, 53 - exponent);
  std::vector<char> buffer(static_cast<size_t>(precision) + 400);
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                    std::chars_format::fixed, precision);
  const std::string text(buffer.data(), result.ptr);
  ExactDigits exact;
  const size_t point = text.find('.');
  exact.integerLength = static_cast<int>(point == std::string::npos ? text.size() : point);
  exact.digits = text;
  if (point != std::string::npos) exact.digits.erase(point, 1);
  return exact;
}

// Adds one unit in the last place of a digit string whose first digit is a spare zero.
void incrementLast(std::string& digits) {
  for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
    if (*it != '9') {
      ++*it;
      return;
    }
    *it = '0';
  }
}

}  // namespace

RoundedDecimal roundDecimal(double value, int decimals, int significantDigits) {
  ExactDigits exact = exactDigits(std::fabs(value));
  std::string& digits = exact.digits;
  const size_t firstNonZero = digits.find_first_not_of('0');
  RoundedDecimal rounded;
  rounded.fractionDigits.assign(static_cast<size_t>(std::max(decimals, 0)), '0');
  if (firstNonZero == std::string::npos) return rounded;

  // Places kept after the point (negative: rounding into the integer digits).
  int places = decimals;
  if (significantDigits > 0) {
    const int leadingDigitPlace = exact.integerLength - static_cast<int>(firstNonZero);
    places = std::min(places, significantDigits - leadingDigitPlace);
  }
  // Leading zeros so that at least one digit is kept, plus one spare for a carry.
  const int padding = std::max(0, 1 - (exact.integerLength + places)) + 1;
  digits.insert(0, static_cast<size_t>(padding), '0');
  exact.integerLength += padding;

  const int keptDigits = exact.integerLength + places;  // at least 2 after the padding
  const auto keep = static_cast<size_t>(keptDigits);
  const auto integerLength = static_cast<size_t>(exact.integerLength);
  const auto fractionLength = static_cast<size_t>(std::max(decimals, 0));
  const bool roundUp = keep < digits.size() && digits[keep] >= '5';
  if (keep < digits.size()) digits.resize(keep);
  if (roundUp) incrementLast(digits);
  if (places < 0) digits.append(static_cast<size_t>(-places), '0');
  digits.resize(integerLength + fractionLength, '0');

  std::string integerPart = digits.substr(0, integerLength);
  const size_t firstSignificant = integerPart.find_first_not_of('0');
  rounded.integerDigits = firstSignificant == std::string::npos ? "0" : integerPart.substr(firstSignificant);
  rounded.fractionDigits = digits.substr(integerLength);
  const bool zero =
      rounded.integerDigits == "0" && rounded.fractionDigits.find_first_not_of('0') == std::string::npos;
  rounded.negative = value < 0 && !zero;
  return rounded;
}

double roundHalfAway(double value, int decimals) {
  if (!std::isfinite(value)) return value;
  const RoundedDecimal rounded = roundDecimal(value, decimals);
  std::string text = rounded.integerDigits;
  if (!rounded.fractionDigits.empty()) text += "." + rounded.fractionDigits;
  double result = 0;
  std::from_chars(text.data(), text.data() + text.size(), result, std::chars_format::fixed);
  return rounded.negative ? -result : result;
}

}  // namespace vrk::document
