// Plain figures turned into the texts of the masked rate, amount and hours boxes.
#include "core/rules/box_text.h"

#include <gtest/gtest.h>

namespace vrk::rules {
namespace {

TEST(BoxText, RateBoxFromATypedAmount) {
  struct Amount {
    std::string typed;
    std::optional<std::string> box;
  };
  const Amount amounts[] = {
      {"", "$__,___.__"},          {"250", "$00,250.00"},      {"$1,250.5", "$01,250.50"},
      {".5", "$00,000.50"},        {"99999.99", "$99,999.99"}, {"$_1,234.5_", "$_1,234.5_"},
      {"000012.50", "$00,012.50"}, {"100000", std::nullopt},   {"1.005", std::nullopt},
      {"abc", std::nullopt},       {"-5", std::nullopt},
  };
  for (const auto& c : amounts) EXPECT_EQ(rateBoxText(c.typed), c.box) << c.typed;
}

TEST(BoxText, PlainFiguresFillTheMask) {
  struct Case {
    std::string plain;
    std::optional<std::string> amount, hours;
  };
  const Case cases[] = {
      {"", "$__,___,___.__", "___,___._"},           {"1250.5", "$00,001,250.50", "001,250.5"},
      {"$1,250.50", "$00,001,250.50", std::nullopt}, {"99999999.99", "$99,999,999.99", std::nullopt},
      {"0120.50", "$00,000,120.50", "000,120.5"},    {"1.25", "$00,000,001.25", std::nullopt},
      {"100000000", std::nullopt, std::nullopt},     {"abc", std::nullopt, std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(amountBoxText(c.plain, ExtraDecimals::ZerosDropped), c.amount) << c.plain;
    EXPECT_EQ(hoursBoxText(c.plain), c.hours) << c.plain;
  }
}

TEST(BoxText, AnEmptyTextIsTheUntouchedBox) {
  EXPECT_EQ(boxText("", kRateMask), kUntouchedRateBox);
  EXPECT_EQ(boxText("", kAmountMask), kUntouchedAmountBox);
  EXPECT_EQ(boxText("", kHoursMask), kUntouchedHoursBox);
}

TEST(BoxText, AmountBoxOfTheClientDialogs) {
  EXPECT_EQ(amountBoxText("$1,250.5"), "$00,001,250.50");
  EXPECT_EQ(amountBoxText("99999999.99"), "$99,999,999.99");
  EXPECT_EQ(amountBoxText("1.005"), std::nullopt);
}

}  // namespace
}  // namespace vrk::rules
