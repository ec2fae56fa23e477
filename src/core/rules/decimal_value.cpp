#include "core/rules/decimal_value.h"

#include <charconv>
#include <system_error>

#include "core/rules/input_rules.h"

namespace vrk::rules {

std::optional<double> decimalValue(const std::string& text) {
  if (text.empty() || !isDecimalNumber(text)) return std::nullopt;
  double value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value, std::chars_format::fixed);
  if (ec != std::errc() || ptr != end) return std::nullopt;
  return value;
}

double storedDecimalValue(std::string_view text) {
  const bool negative = !text.empty() && text.front() == '-';
  if (negative) text.remove_prefix(1);
  const auto value = decimalValue(std::string(text));
  if (!value) return 0;
  return negative ? -*value : *value;
}

}  // namespace vrk::rules
