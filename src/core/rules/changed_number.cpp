#include "core/rules/changed_number.h"

#include <algorithm>

#include "core/document/number_text.h"
#include "core/rules/decimal_value.h"
#include "core/rules/input_rules.h"

namespace vrk::rules {
namespace {

std::string withoutLeadingZeros(std::string text, std::size_t room, LeadingZeros which) {
  std::size_t zeros = 0;
  while (zeros + 1 < text.size() && text[zeros] == '0' && isDigit(text[zeros + 1]) &&
         (which == LeadingZeros::All || text.size() - zeros > room))
    ++zeros;
  return text.erase(0, zeros);
}

}  // namespace

std::optional<CleanedNumber> readChangedNumber(const std::string& typed, const ChangedNumberRule& rule) {
  std::string text = typed;
  const bool negative =
      rule.negativeInParentheses && text.size() >= 2 && text.front() == '(' && text.back() == ')';
  if (negative) text = text.substr(1, text.size() - 2);
  if (!text.empty() && text.front() == '$') {
    if (!rule.dollarSign) return std::nullopt;
    text.erase(0, 1);
  }
  const bool untyped = text.empty();
  if (rule.blanks == Blanks::ToZeros) text = fillBlanks(std::move(text));
  std::erase(text, ',');
  if (text.empty() && (untyped || rule.empty == EmptyBox::NothingLeft)) text = "0";
  const auto value = decimalValue(text);
  if (!value || *value < rule.bounds.min || *value > rule.bounds.max) return std::nullopt;

  const std::size_t room = rule.width - (negative ? 1 : 0);
  if (text.size() > room) text = withoutLeadingZeros(std::move(text), room, rule.leadingZeros);
  if (text.size() > room) text = document::fixedText(*value, rule.decimals);
  if (text.size() > room) return std::nullopt;
  if (negative && *value != 0) return CleanedNumber{"-" + text, -*value};
  return CleanedNumber{text, *value};
}

}  // namespace vrk::rules
