// A typed matter number: the text kept as the key file stores it, and the rule it must pass.
#pragma once

#include <string>

namespace vrk::matters {

inline constexpr std::size_t kMatterNumberLength = 5;

// A text longer than five characters whose characters too many are all leading zeros loses those
// zeros ("0000012" -> "00012"); any other text is kept as it is.
std::string withoutSurplusZeros(std::string text);

// Commas removed (an empty box gives "0"); when the text is then longer than five characters and
// the characters too many are all leading zeros, those zeros are dropped ("0000012" -> "00012").
// Any other text is kept as it is, so a longer one fails isMatterNumber().
std::string cleanMatterNumber(const std::string& typed);

// The number of a matter: at most five characters, digits only, a value from 1 to 99999.
bool isMatterNumber(const std::string& text);

}  // namespace vrk::matters
