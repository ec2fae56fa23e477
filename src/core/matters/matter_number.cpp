#include "core/matters/matter_number.h"

#include <algorithm>

#include "core/rules/input_rules.h"

namespace vrk::matters {

std::string cleanMatterNumber(const std::string& typed) { return withoutSurplusZeros(rules::removeCommas(typed)); }

std::string withoutSurplusZeros(std::string text) {
  if (text.size() > kMatterNumberLength) {
    const std::size_t extra = text.size() - kMatterNumberLength;
    if (std::all_of(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(extra),
                    [](char c) { return c == '0'; }))
      text.erase(0, extra);
  }
  return text;
}

bool isMatterNumber(const std::string& text) {
  return text.size() <= kMatterNumberLength && rules::isWholeNumber(text) &&
         std::any_of(text.begin(), text.end(), [](char c) { return c != '0'; });
}

}  // namespace vrk::matters
