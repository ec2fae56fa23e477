#include "core/attorneys/rate_entry.h"

#include <algorithm>

#include "core/attorneys/attorney_register.h"
#include "core/document/money_text.h"
#include "core/rules/decimal_value.h"
#include "core/rules/input_rules.h"
#include "core/rules/masked_box.h"

namespace vrk::attorneys {
namespace {

bool isRateBoxForm(const std::string& text) {
  if (text.size() != 10 || text[0] != '$' || text[3] != ',' || text[7] != '.') return false;
  for (const std::size_t i : {1, 2, 4, 5, 6, 8, 9})
    if (!rules::isDigit(text[i]) && text[i] != '_' && text[i] != ' ') return false;
  return true;
}

std::string withoutDollarAndCommas(std::string text) {
  if (!text.empty() && text.front() == '$') text.erase(0, 1);
  std::erase(text, ',');
  return text;
}

}  // namespace

std::string rateTextFromBox(const std::string& boxText) {
  return rules::readRateBox(boxText.empty() ? std::string(kUntouchedRateBox) : boxText);
}

std::optional<std::string> rateBoxFromAmount(const std::string& typed) {
  if (typed.empty()) return std::string(kUntouchedRateBox);
  if (isRateBoxForm(typed)) return typed;
  const std::string plain = withoutDollarAndCommas(typed);
  const auto value = rules::decimalValue(plain);
  if (!value || *value > kMaxRate) return std::nullopt;
  const std::size_t point = std::min(plain.find('.'), plain.size());
  std::string whole = plain.substr(0, point);
  std::string cents = point < plain.size() ? plain.substr(point + 1) : std::string();
  whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size()));
  if (whole.size() > 5 || cents.size() > 2) return std::nullopt;
  whole.insert(0, 5 - whole.size(), '0');
  cents.append(2 - cents.size(), '0');
  return "$" + whole.substr(0, 2) + "," + whole.substr(2) + "." + cents;
}

std::string rateCurrencyText(double value) { return document::moneyText(value, document::kRateDigits); }

std::string shownRate(std::string_view stored) { return rateCurrencyText(rateValue(stored)); }

std::optional<std::string> readTypedRate(const std::string& cell) {
  if (cell.empty()) return std::string();
  std::string text = cell.front() == '$' ? cell.substr(1) : cell;
  text = rules::fillBlanks(std::move(text));
  std::erase(text, ',');
  if (!rules::isDecimalNumber(text)) return std::nullopt;
  const double value = text.empty() ? 0.0 : rules::decimalValue(text).value_or(kMaxRate + 1);
  if (value > kMaxRate) return std::nullopt;
  return rateCurrencyText(value);
}

std::string addedRateFromCell(const std::string& cell) {
  std::string text = cell.empty() ? cell : cell.substr(1);
  std::erase(text, ',');
  if (text.size() < kRateFieldWidth) text.insert(0, kRateFieldWidth - text.size(), '0');
  return text;
}

std::string changedRateFromCell(const std::string& cell) {
  if (cell.empty()) return "0";
  return rules::fillBlanks(withoutDollarAndCommas(cell)).substr(0, kRateFieldWidth);
}

}  // namespace vrk::attorneys
