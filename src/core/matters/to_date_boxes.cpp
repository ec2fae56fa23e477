#include "core/matters/to_date_boxes.h"

#include "core/document/number_text.h"
#include "core/matters/matter_record.h"

namespace vrk::matters {
namespace {

// Fits a cleaned text to its field without changing its value beyond the field's decimals.
rules::CleanedNumber fitted(rules::CleanedNumber number, std::size_t width, int decimals) {
  std::string& text = number.text;
  while (text.size() > width && text.size() > 1 && text[0] == '0' && text[1] != '.') text.erase(0, 1);
  if (text.size() > width) text = document::fixedText(number.value, decimals);
  return number;
}

std::optional<rules::CleanedNumber> readToDate(const std::string& typed, rules::NumberBounds bounds,
                                               std::size_t width, int decimals) {
  if (typed.empty()) return rules::CleanedNumber{"0", 0};
  auto number = rules::cleanTypedNumber(typed, bounds, rules::Blanks::ToZeros);
  if (!number) return std::nullopt;
  return fitted(std::move(*number), width, decimals);
}

}  // namespace

std::optional<rules::CleanedNumber> readAmountToDate(const std::string& typed) {
  if (typed == "$") return rules::CleanedNumber{"0", 0};
  return readToDate(typed, rules::kAmountToDateBounds, kAmountWidth, 2);
}

std::optional<rules::CleanedNumber> readHoursToDate(const std::string& typed) {
  if (!typed.empty() && typed.front() == '$') return std::nullopt;
  return readToDate(typed, rules::kHoursToDateBounds, kHoursWidth, 1);
}

}  // namespace vrk::matters
