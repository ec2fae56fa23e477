// Cleaning a money or number box typed as plain text: "$1,250.50" -> "1250.50" and its value.
#pragma once

#include <limits>
#include <optional>
#include <string>

namespace vrk::rules {

// Inclusive bounds of a field's value.
struct NumberBounds {
  double min = 0;
  double max = std::numeric_limits<double>::infinity();
};

inline constexpr NumberBounds kHourlyRateBounds{0.01, 99999.99};
inline constexpr NumberBounds kBillingRateBounds{0, 99999.99};
inline constexpr NumberBounds kTimeBounds{0.099, 999.9};  // 0.1 to 999.9 once shown with one decimal
inline constexpr NumberBounds kRecordAmountBounds{0.01, 99999999.99};  // cost/credit, payment
inline constexpr NumberBounds kAmountToDateBounds{0, 99999999.99};     // fees, costs, credits to date
inline constexpr NumberBounds kHoursToDateBounds{0, 999999.9};
inline constexpr NumberBounds kClientAmountBounds{0, 99999999.99};  // a client's balances and amounts
inline constexpr NumberBounds kUnbounded{};  // any value the decimal-number rule lets through

// Whether blanks and underscores typed in the box become zeros or stay (and so fail).
enum class Blanks { Keep, ToZeros };

struct CleanedNumber {
  std::string text;  // the cleaned text, as stored (callers cut it to the field's width)
  double value = 0;

  bool operator==(const CleanedNumber&) const = default;
};

// A leading "$" is removed, then every comma; blanks and underscores become zeros when asked.
// The result is valid when it is not empty, passes the decimal-number rule and its value lies
// within the bounds; otherwise there is no result.
std::optional<CleanedNumber> cleanTypedNumber(const std::string& typed, NumberBounds bounds,
                                              Blanks blanks = Blanks::Keep);

}  // namespace vrk::rules
