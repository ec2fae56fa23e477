// The value of a decimal text (digits with at most one point), read without overflow, and of the
// decimal texts stored in record fields.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vrk::rules {

// The value of a non-empty text that passes the decimal-number rule ("12", "12.5", ".5", "12.");
// no value for any other text. A very long digit string gives its (large) value, never an overflow;
// one too long for a double gives no value.
std::optional<double> decimalValue(const std::string& text);

// The value of a stored rate, amount or hours text ("00250.00", "120.5", "1250"); an empty or
// unreadable text counts as 0. A leading minus (as the final statement run may write into a
// client's amounts) gives a negative value.
double storedDecimalValue(std::string_view text);

}  // namespace vrk::rules
