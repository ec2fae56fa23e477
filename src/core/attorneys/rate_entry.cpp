#include "core/attorneys/rate_entry.h"

#include "core/attorneys/attorney_register.h"
#include "core/document/money_text.h"
#include "core/rules/box_text.h"
#include "core/rules/changed_number.h"
#include "core/rules/decimal_value.h"
#include "core/rules/input_rules.h"
#include "core/rules/masked_box.h"

namespace vrk::attorneys {
namespace {

std::string withoutDollarAndCommas(std::string text) {
  if (!text.empty() && text.front() == '$') text.erase(0, 1);
  std::erase(text, ',');
  return text;
}

}  // namespace

std::string rateTextFromBox(const std::string& boxText) {
  return rules::readRateBox(boxText.empty() ? std::string(rules::kUntouchedRateBox) : boxText);
}

std::string rateCurrencyText(double value) { return document::moneyText(value, document::kRateDigits); }

std::string shownRate(std::string_view stored) { return rateCurrencyText(rules::storedDecimalValue(stored)); }

std::optional<std::string> readTypedRate(const std::string& cell) {
  if (cell.empty()) return std::string();
  const auto rate = rules::readChangedNumber(cell, {.bounds = rules::kBillingRateBounds,
                                                    .width = kRateFieldWidth,
                                                    .decimals = 2,
                                                    .empty = rules::EmptyBox::NothingLeft});
  if (!rate) return std::nullopt;
  return rateCurrencyText(rate->value);
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
