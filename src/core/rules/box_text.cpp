#include "core/rules/box_text.h"

#include <algorithm>

#include "core/rules/input_rules.h"
#include "core/rules/typed_number.h"

namespace vrk::rules {
namespace {

bool isDigitPosition(char maskCharacter) { return maskCharacter == '9'; }

std::string untouchedBox(std::string_view mask) {
  std::string shown(mask);
  for (char& c : shown)
    if (isDigitPosition(c)) c = '_';
  return shown;
}

std::size_t digitPositions(std::string_view maskPart) {
  std::size_t count = 0;
  for (const char c : maskPart) count += isDigitPosition(c) ? 1 : 0;
  return count;
}

}  // namespace

bool hasBoxForm(std::string_view text, std::string_view mask) {
  if (text.size() != mask.size()) return false;
  for (std::size_t i = 0; i < mask.size(); ++i) {
    const bool fits =
        isDigitPosition(mask[i]) ? isDigit(text[i]) || text[i] == '_' || text[i] == ' ' : text[i] == mask[i];
    if (!fits) return false;
  }
  return true;
}

std::optional<std::string> boxText(const std::string& typed, std::string_view mask, BoxTextRule rule) {
  if (typed.empty()) return untouchedBox(mask);
  if (rule.boxForm == BoxForm::Kept && hasBoxForm(typed, mask)) return typed;
  if (typed.front() == '$' && (mask.empty() || mask.front() != '$')) return std::nullopt;
  const auto cleaned = cleanTypedNumber(typed, kUnbounded);
  if (!cleaned) return std::nullopt;

  const std::string& text = cleaned->text;
  const std::size_t point = text.find('.');
  std::string whole = text.substr(0, point);
  whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size()));
  std::string fraction = point == std::string::npos ? std::string() : text.substr(point + 1);
  if (rule.extraDecimals == ExtraDecimals::ZerosDropped)
    while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();

  const std::size_t maskPoint = std::min(mask.find('.'), mask.size());
  const std::size_t decimals = digitPositions(mask.substr(maskPoint));
  if (whole.size() > digitPositions(mask.substr(0, maskPoint)) || fraction.size() > decimals)
    return std::nullopt;
  fraction.resize(decimals, '0');

  std::string shown(mask);
  for (std::size_t i = maskPoint, d = 0; i < shown.size(); ++i)
    if (isDigitPosition(shown[i])) shown[i] = fraction[d++];
  for (std::size_t i = maskPoint; i-- > 0;) {
    if (!isDigitPosition(shown[i])) continue;
    shown[i] = whole.empty() ? '0' : whole.back();
    if (!whole.empty()) whole.pop_back();
  }
  return shown;
}

std::optional<std::string> rateBoxText(const std::string& typed) {
  return boxText(typed, kRateMask, {ExtraDecimals::Refused, BoxForm::Kept});
}

std::optional<std::string> amountBoxText(const std::string& typed, ExtraDecimals extraDecimals) {
  return boxText(typed, kAmountMask, {extraDecimals, BoxForm::Refused});
}

std::optional<std::string> hoursBoxText(const std::string& typed) {
  return boxText(typed, kHoursMask, {ExtraDecimals::ZerosDropped, BoxForm::Refused});
}

}  // namespace vrk::rules
