// A plain amount or hours figure ("1250.50", "$1,250.50") as the text its masked box would show,
// for callers without the box (vrk-batch).
#pragma once

#include <optional>
#include <string>

namespace vrk::matters {

inline constexpr const char* kUntouchedAmountBox = "$__,___,___.__";
inline constexpr const char* kUntouchedHoursBox = "___,___._";

// "1250.5" -> "$00,001,250.50"; "" -> the untouched box. Nothing when the figure cannot be typed
// into the box: not a number, above $99,999,999.99, or more than two decimals.
std::optional<std::string> amountBoxText(const std::string& plain);

// "120.5" -> "000,120.5" in the box "999,999.9"; "" -> the untouched box. Nothing when the figure
// is not a number, above 999,999.9, or has more than one decimal.
std::optional<std::string> hoursBoxText(const std::string& plain);

}  // namespace vrk::matters
