// The first invoice number typed at setup: commas removed, digits only, 1 to 32766.
#pragma once

#include <optional>
#include <string>

namespace vrk::rules {

inline constexpr int kLargestInvoiceNumber = 32766;

// The number when the box is not empty and, without its commas, holds only digits with a value from
// 1 to 32766 ("1,000" -> 1000); no number otherwise (an eleven-digit text is simply out of range).
std::optional<int> firstInvoiceNumber(const std::string& boxText);

}  // namespace vrk::rules
