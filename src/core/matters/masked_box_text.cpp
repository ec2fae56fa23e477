#include "core/matters/masked_box_text.h"

#include "core/rules/typed_number.h"

namespace vrk::matters {
namespace {

// Lays the figure's digits into the mask's digit positions ('9'), right-aligned at the point.
std::optional<std::string> boxText(const std::string& plain, const std::string& mask,
                                   rules::NumberBounds bounds, const char* untouched) {
  if (plain.empty()) return untouched;
  const auto cleaned = rules::cleanTypedNumber(plain, bounds);
  if (!cleaned) return std::nullopt;
  const std::string& text = cleaned->text;
  const std::size_t point = text.find('.');
  std::string whole = text.substr(0, point);
  whole.erase(
      0, whole.find_first_not_of('0') == std::string::npos ? whole.size() : whole.find_first_not_of('0'));
  std::string fraction = point == std::string::npos ? "" : text.substr(point + 1);
  while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
  const std::size_t maskPoint = mask.find('.');
  const std::size_t decimals = mask.size() - maskPoint - 1;
  if (fraction.size() > decimals) return std::nullopt;
  fraction.resize(decimals, '0');

  std::string shown = mask;
  for (std::size_t i = maskPoint + 1, d = 0; i < shown.size(); ++i) shown[i] = fraction[d++];
  for (std::size_t i = maskPoint; i-- > 0;) {
    if (shown[i] != '9') continue;
    shown[i] = whole.empty() ? '0' : whole.back();
    if (!whole.empty()) whole.pop_back();
  }
  return shown;
}

}  // namespace

std::optional<std::string> amountBoxText(const std::string& plain) {
  return boxText(plain, "$99,999,999.99", rules::kAmountToDateBounds, kUntouchedAmountBox);
}

std::optional<std::string> hoursBoxText(const std::string& plain) {
  if (!plain.empty() && plain.front() == '$') return std::nullopt;
  return boxText(plain, "999,999.9", rules::kHoursToDateBounds, kUntouchedHoursBox);
}

}  // namespace vrk::matters
