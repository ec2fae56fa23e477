// Reading a change dialog's plain amount or hours box into the decimal text a record field stores.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "core/rules/typed_number.h"

namespace vrk::rules {

// Which boxes read as 0: only an empty box (or "$" alone), or also one with nothing left once the
// "$" and the commas are gone ("," or "$,,").
enum class EmptyBox { UntypedOnly, NothingLeft };
// A text too long for its field loses leading zeros: only as many as it must, or all of them.
enum class LeadingZeros { AsNeeded, All };

// The rule of one box and the field it is stored in.
struct ChangedNumberRule {
  NumberBounds bounds;
  std::size_t width = 0;   // characters of the stored field
  int decimals = 0;        // decimals written when the typed digits do not fit the field
  bool dollarSign = true;  // a leading "$" is removed; false: it is refused (an hours box)
  // The currency text of a negative amount, "($1,234.56)", reads as -1234.56 and is stored with a
  // leading minus (which takes a character of the field); false: it is refused like any non-number.
  bool negativeInParentheses = false;
  EmptyBox empty = EmptyBox::UntypedOnly;
  Blanks blanks = Blanks::ToZeros;  // Keep: a blank or underscore fails the decimal-number rule
  LeadingZeros leadingZeros = LeadingZeros::AsNeeded;
};

// A leading "$" is removed, blanks and underscores become zeros (unless the rule keeps them), commas go; an empty box counts as
// 0; the rest must be a decimal number within the bounds. The text is the one stored: the digits as
// typed when they fit the field; otherwise leading zeros are dropped, then the value is written with
// the rule's decimals, so the field never holds a cut number; a value that still does not fit is
// refused. The value is the number read (negative for a negative amount).
std::optional<CleanedNumber> readChangedNumber(const std::string& typed, const ChangedNumberRule& rule);

}  // namespace vrk::rules
