#include "core/rules/typed_number.h"

#include <algorithm>

#include "core/rules/decimal_value.h"
#include "core/rules/input_rules.h"

namespace vrk::rules {

std::optional<CleanedNumber> cleanTypedNumber(const std::string& typed, NumberBounds bounds, Blanks blanks) {
  std::string text = typed;
  if (!text.empty() && text.front() == '$') text.erase(0, 1);
  std::erase(text, ',');
  if (blanks == Blanks::ToZeros) text = fillBlanks(std::move(text));

  const std::optional<double> value = decimalValue(text);
  if (!value || *value < bounds.min || *value > bounds.max) return std::nullopt;
  return CleanedNumber{std::move(text), *value};
}

}  // namespace vrk::rules
