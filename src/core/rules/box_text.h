// A plain figure ("1250.50", "$1,250.50") as the text a masked rate, amount or hours box shows.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vrk::rules {

// The masks of the rate, amount and hours boxes ('9' a digit position) and the boxes untouched.
inline constexpr const char* kRateMask = "$99,999.99";
inline constexpr const char* kAmountMask = "$99,999,999.99";
inline constexpr const char* kHoursMask = "999,999.9";
inline constexpr const char* kUntouchedRateBox = "$__,___.__";
inline constexpr const char* kUntouchedAmountBox = "$__,___,___.__";
inline constexpr const char* kUntouchedHoursBox = "___,___._";

// Decimals beyond the box's: refused ("1.250" does not fit "$99,999.99"), or dropped when they
// are zeros ("1.250" -> "$00,000,001.25").
enum class ExtraDecimals { Refused, ZerosDropped };
// A text already in the box's form, blanks and underscores included ("$_1,234.5_"): refused like
// any text that is not a plain figure, or kept as it is.
enum class BoxForm { Refused, Kept };

struct BoxTextRule {
  ExtraDecimals extraDecimals = ExtraDecimals::Refused;
  BoxForm boxForm = BoxForm::Refused;
};

// Whether `text` has the mask's shape: its literals in place and a digit, blank or underscore at
// every digit position.
bool hasBoxForm(std::string_view text, std::string_view mask);

// The text the box with `mask` shows once the plain figure `typed` is typed into it: the figure's
// whole digits right-aligned before the point with zeros in front, its decimals after it with
// zeros behind ("1250.5" -> "$00,001,250.50"). An empty text is the untouched box (underscores at
// the digit positions). A leading "$" goes when the mask starts with one, and commas go. Nothing
// when the figure cannot be typed into the box: not a decimal number (a negative one neither),
// more whole digits than the box has, or more decimals (see `rule`).
std::optional<std::string> boxText(const std::string& typed, std::string_view mask, BoxTextRule rule = {});

// The rate box "$99,999.99": a text already in the box's form is kept; extra decimals refused.
std::optional<std::string> rateBoxText(const std::string& typed);
// The amount box "$99,999,999.99".
std::optional<std::string> amountBoxText(const std::string& typed,
                                         ExtraDecimals extraDecimals = ExtraDecimals::Refused);
// The hours box "999,999.9" (no "$"): decimals beyond the one the box has must be zeros.
std::optional<std::string> hoursBoxText(const std::string& typed);

}  // namespace vrk::rules
