#include "core/document/money_text.h"

#include <cmath>

#include "core/document/rounding.h"

namespace vrk::document {

std::string moneyText(double value, int significantDigits) {
  if (!std::isfinite(value)) return numberText(value, 2);
  const RoundedDecimal rounded = roundDecimal(value, 2, significantDigits);
  const std::string amount = "$" + groupThousands(rounded.integerDigits) + "." + rounded.fractionDigits;
  return rounded.negative ? "(" + amount + ")" : amount;
}

}  // namespace vrk::document
