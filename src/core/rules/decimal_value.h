// The value of a decimal text (digits with at most one point), read without overflow.
#pragma once

#include <optional>
#include <string>

namespace vrk::rules {

// The value of a non-empty text that passes the decimal-number rule ("12", "12.5", ".5", "12.");
// no value for any other text. A very long digit string gives its (large) value, never an overflow;
// one too long for a double gives no value.
std::optional<double> decimalValue(const std::string& text);

}  // namespace vrk::rules
