#include "core/records/record_numbers.h"

#include "core/document/money_text.h"
#include "core/document/number_text.h"
#include "core/records/record_fields.h"
#include "core/rules/changed_number.h"
#include "core/rules/decimal_value.h"

namespace vrk::records {
namespace {

constexpr rules::ChangedNumberRule kRateRule{
    .bounds = rules::kBillingRateBounds, .width = kRateWidth, .decimals = 2};
constexpr rules::ChangedNumberRule kTimeRule{
    .bounds = rules::kTimeBounds, .width = kTimeWidth, .decimals = 1, .dollarSign = false};
constexpr rules::ChangedNumberRule kAmountRule{
    .bounds = rules::kRecordAmountBounds, .width = kAmountWidth, .decimals = 2};

}  // namespace

std::optional<RateFigure> readRate(const std::string& typed, Entry entry) {
  if (typed.empty() || typed == "none") return RateFigure{{"", typed}, false};
  if (typed == "$") return RateFigure{{"", typed}, entry == Entry::Change};
  const auto cleaned = rules::readChangedNumber(typed, kRateRule);
  if (!cleaned) return std::nullopt;
  return RateFigure{{cleaned->text, document::moneyText(cleaned->value, document::kRateDigits)}, false};
}

std::optional<BoxFigure> readTime(const std::string& typed, Entry entry) {
  // An empty box reads as 0, which is below the least time.
  const auto cleaned = rules::readChangedNumber(typed, kTimeRule);
  if (!cleaned) return std::nullopt;
  const std::string shown = document::hoursText(cleaned->value);
  return BoxFigure{entry == Entry::Add ? shown : cleaned->text, shown};
}

std::optional<BoxFigure> readCostCreditAmount(const std::string& typed) {
  const auto cleaned = rules::readChangedNumber(typed, kAmountRule);
  if (!cleaned) return std::nullopt;
  return BoxFigure{cleaned->text, document::moneyText(cleaned->value)};
}

std::optional<BoxFigure> readPaymentAmount(const std::string& typed) {
  rules::ChangedNumberRule rule = kAmountRule;
  rule.blanks = rules::Blanks::Keep;
  const auto cleaned = rules::readChangedNumber(typed, rule);
  if (!cleaned) return std::nullopt;
  return BoxFigure{cleaned->text, document::moneyText(cleaned->value)};
}

std::string shownRate(const std::string& stored) {
  if (stored.empty()) return "none";
  return document::moneyText(rules::storedDecimalValue(stored), document::kRateDigits);
}

std::string shownAmount(const std::string& stored) {
  return document::moneyText(rules::storedDecimalValue(stored));
}

}  // namespace vrk::records
