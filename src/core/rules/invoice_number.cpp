#include "core/rules/invoice_number.h"

#include "core/rules/input_rules.h"

namespace vrk::rules {

std::optional<int> firstInvoiceNumber(const std::string& boxText) {
  if (boxText.empty()) return std::nullopt;
  int value = 0;
  for (const char c : removeCommas(boxText)) {
    if (!isDigit(c)) return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > kLargestInvoiceNumber) return std::nullopt;
  }
  if (value < 1) return std::nullopt;
  return value;
}

}  // namespace vrk::rules
