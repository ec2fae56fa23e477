#include "core/clients/amount_entry.h"

#include <algorithm>

#include "core/clients/client_record.h"
#include "core/document/number_text.h"
#include "core/rules/decimal_value.h"
#include "core/rules/input_rules.h"
#include "core/rules/typed_number.h"

namespace vrk::clients {
namespace {

std::string withoutLeadingZeros(std::string text) {
  std::size_t zeros = 0;
  while (zeros + 1 < text.size() && text[zeros] == '0' && rules::isDigit(text[zeros + 1])) ++zeros;
  return text.erase(0, zeros);
}

}  // namespace

std::optional<ReadAmount> readChangedAmount(const std::string& typed) {
  std::string text = typed;
  const bool negative = text.size() >= 2 && text.front() == '(' && text.back() == ')';
  if (negative) text = text.substr(1, text.size() - 2);
  if (!text.empty() && text.front() == '$') text.erase(0, 1);
  text = rules::fillBlanks(std::move(text));
  std::erase(text, ',');
  if (text.empty()) text = "0";
  const auto value = rules::decimalValue(text);
  if (!value || *value > kLargestAmount) return std::nullopt;

  const std::size_t room = kAmountWidth - (negative ? 1 : 0);
  if (text.size() > room) text = withoutLeadingZeros(std::move(text));
  if (text.size() > room) text = document::fixedText(*value, 2);
  if (text.size() > room) return std::nullopt;
  if (negative && *value != 0) return ReadAmount{"-" + text, -*value};
  return ReadAmount{text, *value};
}

std::optional<std::string> amountBoxText(const std::string& plain) {
  const auto cleaned = rules::cleanTypedNumber(plain, rules::kAmountToDateBounds);
  if (!cleaned) return std::nullopt;
  const std::string& text = cleaned->text;
  const std::size_t point = std::min(text.find('.'), text.size());
  std::string whole = withoutLeadingZeros(text.substr(0, point));
  std::string cents = point < text.size() ? text.substr(point + 1) : std::string();
  if (whole.size() > 8 || cents.size() > 2) return std::nullopt;
  whole.insert(0, 8 - whole.size(), '0');
  cents.append(2 - cents.size(), '0');
  return "$" + whole.substr(0, 2) + "," + whole.substr(2, 3) + "," + whole.substr(5, 3) + "." + cents;
}

}  // namespace vrk::clients
