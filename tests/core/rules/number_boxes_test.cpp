#include <gtest/gtest.h>

#include "core/rules/decimal_value.h"
#include "core/rules/fee_schedule_number.h"
#include "core/rules/invoice_number.h"
#include "core/rules/masked_box.h"
#include "core/rules/typed_number.h"

namespace vrk::rules {
namespace {

TEST(MaskedBoxes, FilledThenStripped) {
  EXPECT_EQ(readRateBox("$__,___.__"), "00000.00");
  EXPECT_EQ(readRateBox("$_1,234.5_"), "01234.50");
  EXPECT_EQ(readRateBox("$99,999.99"), "99999.99");
  EXPECT_EQ(readAmountBox("$__,___,___.__"), "00000000.00");
  EXPECT_EQ(readAmountBox("$ _,123,456.78"), "00123456.78");
  EXPECT_EQ(readHoursBox("__1,234.5"), "001234.5");
  EXPECT_EQ(readHoursBox(""), "0");
}

TEST(DecimalValue, ReadsOnlyDecimalTexts) {
  EXPECT_EQ(decimalValue("12."), 12.0);
  EXPECT_EQ(decimalValue(".5"), 0.5);
  EXPECT_EQ(decimalValue("00250.00"), 250.0);
  EXPECT_EQ(decimalValue(""), std::nullopt);
  EXPECT_EQ(decimalValue("1e5"), std::nullopt);
  EXPECT_EQ(decimalValue(std::string(400, '9')), std::nullopt);  // too large for a double
}

TEST(DecimalValue, StoredTextsReadAsZeroWhenUnreadable) {
  EXPECT_EQ(storedDecimalValue("00250.00"), 250.0);
  EXPECT_EQ(storedDecimalValue("120.5"), 120.5);
  EXPECT_EQ(storedDecimalValue("-25.00"), -25.0);
  EXPECT_EQ(storedDecimalValue(""), 0.0);
  EXPECT_EQ(storedDecimalValue("-"), 0.0);
  EXPECT_EQ(storedDecimalValue("--5"), 0.0);
  EXPECT_EQ(storedDecimalValue("12a"), 0.0);
}

TEST(TypedNumber, CleanedTextValueAndBounds) {
  struct Case {
    std::string typed;
    NumberBounds bounds;
    Blanks blanks;
    std::optional<CleanedNumber> expected;
  };
  const Case cases[] = {
      {"$1,250.50", kRecordAmountBounds, Blanks::Keep, CleanedNumber{"1250.50", 1250.5}},
      {"1250.5", kRecordAmountBounds, Blanks::Keep, CleanedNumber{"1250.5", 1250.5}},
      {"$99,999,999.99", kRecordAmountBounds, Blanks::Keep, CleanedNumber{"99999999.99", 99999999.99}},
      {"$0.01", kRecordAmountBounds, Blanks::Keep, CleanedNumber{"0.01", 0.01}},
      {"0.00", kRecordAmountBounds, Blanks::Keep, std::nullopt},         // below the lowest
      {"100,000,000", kRecordAmountBounds, Blanks::Keep, std::nullopt},  // above the highest
      {"12345678901", kRecordAmountBounds, Blanks::Keep, std::nullopt},  // eleven digits
      {"0", kAmountToDateBounds, Blanks::Keep, CleanedNumber{"0", 0}},
      {"$", kAmountToDateBounds, Blanks::Keep, std::nullopt},  // empty once cleaned
      {",", kAmountToDateBounds, Blanks::Keep, std::nullopt},
      {"", kAmountToDateBounds, Blanks::Keep, std::nullopt},
      {"$$5", kAmountToDateBounds, Blanks::Keep, std::nullopt},  // only one "$" goes
      {"5$", kAmountToDateBounds, Blanks::Keep, std::nullopt},
      {"-5", kUnbounded, Blanks::Keep, std::nullopt},
      {"1 2", kUnbounded, Blanks::Keep, std::nullopt},
      {"1 2", kUnbounded, Blanks::ToZeros, CleanedNumber{"102", 102}},
      {"$1_,2_5", kUnbounded, Blanks::ToZeros, CleanedNumber{"10205", 10205}},
      {"100000", kHourlyRateBounds, Blanks::Keep, std::nullopt},
      {"99,999.99", kHourlyRateBounds, Blanks::Keep, CleanedNumber{"99999.99", 99999.99}},
      {"0.099", kTimeBounds, Blanks::Keep, CleanedNumber{"0.099", 0.099}},
      {"0.09", kTimeBounds, Blanks::Keep, std::nullopt},
      {"999.91", kTimeBounds, Blanks::Keep, std::nullopt},
      {"999,999.9", kHoursToDateBounds, Blanks::Keep, CleanedNumber{"999999.9", 999999.9}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(cleanTypedNumber(c.typed, c.bounds, c.blanks), c.expected) << "'" << c.typed << "'";
  }
}

TEST(FirstInvoiceNumber, DigitsFromOneTo32766) {
  const std::pair<std::string, std::optional<int>> cases[] = {
      {"1", 1},
      {"32766", 32766},
      {"32,766", 32766},
      {"0001", 1},
      {"", std::nullopt},
      {",", std::nullopt},
      {"0", std::nullopt},
      {"32767", std::nullopt},
      {"-1", std::nullopt},
      {"1.0", std::nullopt},
      {"12345678901", std::nullopt},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(firstInvoiceNumber(text), expected) << text;
}

TEST(FeeScheduleNumber, OneToTheScheduleCount) {
  using enum FeeScheduleCheck;
  const std::tuple<std::string, int, FeeScheduleCheck> cases[] = {
      {"1", 1, Valid},      {"3", 3, Valid},      {"03", 3, Valid},      {"10", 10, Valid},
      {"4", 3, OutOfRange}, {"0", 3, OutOfRange}, {"2", 1, OutOfRange},  {"12345678901", 10, OutOfRange},
      {"", 3, NotANumber},  {"A", 3, NotANumber}, {"1.", 3, NotANumber}, {" 1", 3, NotANumber},
  };
  for (const auto& [text, count, expected] : cases) {
    EXPECT_EQ(checkFeeScheduleNumber(text, count), expected) << text << " of " << count;
  }
}

}  // namespace
}  // namespace vrk::rules
