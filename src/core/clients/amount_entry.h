// Reading the amount boxes of the client dialogs into amount text.
#pragma once

#include <optional>
#include <string>

namespace vrk::clients {

inline constexpr double kLargestAmount = 99999999.99;

struct ReadAmount {
  std::string text;  // as stored: the digits as typed, reduced to fit 11 characters
  double value = 0;
};

// A plain amount box of the change dialog: empty (or "$" alone) counts as 0; a leading "$" is
// removed, blanks and underscores become zeros, commas go; the rest must be a decimal number of at
// most 99,999,999.99. The currency text the dialog shows for a negative amount, "($1,234.56)",
// reads as -1234.56, so a negative balance survives a save unchanged. The text keeps the digits as
// typed when they fit the field; otherwise leading zeros are dropped, then the value is written
// with two decimals; a value that still does not fit is refused.
std::optional<ReadAmount> readChangedAmount(const std::string& typed);

// The text a masked amount box ("$99,999,999.99") shows for a plain amount such as 1250.50 or
// $1,250.50 ("$00,001,250.50"); nothing when the amount does not fit the mask.
std::optional<std::string> amountBoxText(const std::string& plain);

}  // namespace vrk::clients
