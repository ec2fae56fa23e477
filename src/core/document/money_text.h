// Money as the desktop currency format shows it: $1,234.56, negative ($1,234.56).
#pragma once

#include <string>

#include "core/document/number_text.h"

namespace vrk::document {

// Two decimals, rounded half away from zero once, at the cents or at the last of
// `significantDigits` digits when that is coarser (amounts: kAmountDigits, rates: kRateDigits).
std::string moneyText(double value, int significantDigits = kAmountDigits);

}  // namespace vrk::document
