#include "core/document/number_text.h"

#include <charconv>
#include <cmath>

#include "core/document/rounding.h"

namespace vrk::document {

namespace {

std::string nonFiniteText(double value) {
  char buffer[16];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

std::string assemble(const RoundedDecimal& rounded, bool grouped) {
  std::string text = rounded.negative ? "-" : "";
  text += grouped ? groupThousands(rounded.integerDigits) : rounded.integerDigits;
  if (!rounded.fractionDigits.empty()) text += "." + rounded.fractionDigits;
  return text;
}

}  // namespace

std::string groupThousands(const std::string& digits) {
  std::string out;
  out.reserve(digits.size() + digits.size() / 3);
  for (size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
    out += digits[i];
  }
  return out;
}

std::string fixedText(double value, int decimals, int significantDigits) {
  if (!std::isfinite(value)) return nonFiniteText(value);
  return assemble(roundDecimal(value, decimals, significantDigits), false);
}

std::string numberText(double value, int decimals, int significantDigits) {
  if (!std::isfinite(value)) return nonFiniteText(value);
  return assemble(roundDecimal(value, decimals, significantDigits), true);
}

std::string hoursText(double hours) { return fixedText(hours, 1, kHoursDigits); }

std::string groupedHoursText(double hours) { return numberText(hours, 1, kHoursDigits); }

}  // namespace vrk::document
