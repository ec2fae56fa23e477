// The hours and amounts to date as typed into the change dialog's plain boxes.
#pragma once

#include <optional>
#include <string>

#include "core/rules/typed_number.h"

namespace vrk::matters {

// An amount box: empty, or a lone "$", counts as 0; otherwise a leading "$" goes, blanks and
// underscores become zeros, commas go; the rest must be a decimal number from 0 to 99,999,999.99.
// The text is the one stored: leading zeros beyond eleven characters are dropped, and a text still
// too long (many decimals) is stored with two decimals, so the field never holds a cut number.
std::optional<rules::CleanedNumber> readAmountToDate(const std::string& typed);

// An hours box: the same without the dollar sign, from 0 to 999,999.9, stored in eight characters
// (one decimal when the typed text does not fit).
std::optional<rules::CleanedNumber> readHoursToDate(const std::string& typed);

}  // namespace vrk::matters
