#include <gtest/gtest.h>

#include "core/document/date_text.h"
#include "core/document/money_text.h"
#include "core/document/number_text.h"

namespace vrk::document {
namespace {

TEST(MoneyText, CurrencyFormatWithTwoDecimals) {
  struct Case {
    double value;
    int digits;
    const char* text;
  };
  const Case cases[] = {
      {1234.56, kAmountDigits, "$1,234.56"},
      {-1234.56, kAmountDigits, "($1,234.56)"},
      {0, kAmountDigits, "$0.00"},
      {-0.004, kAmountDigits, "$0.00"},  // rounds to zero: no parentheses
      {-0.005, kAmountDigits, "($0.01)"},
      {50.125, kAmountDigits, "$50.13"},
      {1.005, kAmountDigits, "$1.00"},
      {2.675, kAmountDigits, "$2.67"},
      {250, kRateDigits, "$250.00"},
      {0.5, kAmountDigits, "$0.50"},
      {999.999, kAmountDigits, "$1,000.00"},
      {99999999.99, kAmountDigits, "$99,999,999.99"},
      {99999999.995, kAmountDigits, "$100,000,000.00"},
      {-1234567.891, kAmountDigits, "($1,234,567.89)"},
      {1234567.891, kRateDigits, "$1,234,568.00"},  // seven significant digits
      {12345678901.0, kAmountDigits, "$12,345,678,900.00"},
  };
  for (const auto& c : cases) EXPECT_EQ(moneyText(c.value, c.digits), c.text) << c.value;
}

TEST(NumberText, FixedAndGrouped) {
  EXPECT_EQ(hoursText(12.5), "12.5");
  EXPECT_EQ(hoursText(1234.5), "1234.5");
  EXPECT_EQ(hoursText(0), "0.0");
  EXPECT_EQ(hoursText(1.25), "1.3");
  EXPECT_EQ(hoursText(12.35), "12.3");  // held as 12.3499...
  EXPECT_EQ(groupedHoursText(1234.5), "1,234.5");
  EXPECT_EQ(groupedHoursText(999999.9), "999,999.9");
  EXPECT_EQ(groupedHoursText(123.0), "123.0");
  EXPECT_EQ(fixedText(-1234.565, 2, 14), "-1234.57");
  EXPECT_EQ(fixedText(1234567.891, 2, 10), "1234567.89");
  EXPECT_EQ(numberText(-1234567.5, 0), "-1,234,568");
  EXPECT_EQ(numberText(100, 2), "100.00");
  EXPECT_EQ(groupThousands("123456"), "123,456");
  EXPECT_EQ(groupThousands("1000"), "1,000");
}

TEST(DateText, ReportRecordAndLongDates) {
  struct Case {
    store::CalendarDate date;
    const char* report;
    const char* record;
    const char* longForm;
  };
  const Case cases[] = {
      {{2001, 1, 5}, "1/5/2001", "01/05/2001", "January 5, 2001"},
      {{2000, 12, 31}, "12/31/2000", "12/31/2000", "December 31, 2000"},
      {{2026, 9, 10}, "9/10/2026", "09/10/2026", "September 10, 2026"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(reportDate(c.date), c.report);
    EXPECT_EQ(recordDate(c.date), c.record);
    EXPECT_EQ(longDate(c.date), c.longForm);
  }
  EXPECT_EQ(monthName(13), "");
}

TEST(DateText, TypedRecordDates) {
  using Date = std::optional<store::CalendarDate>;
  struct Case {
    std::string text;
    Date exact, loose;
  };
  const Case cases[] = {
      {"07/05/2001", store::CalendarDate{2001, 7, 5}, store::CalendarDate{2001, 7, 5}},
      {"02/29/2000", store::CalendarDate{2000, 2, 29}, store::CalendarDate{2000, 2, 29}},
      {"7/5/2001", std::nullopt, store::CalendarDate{2001, 7, 5}},
      {" 7/+5 /2001", std::nullopt, store::CalendarDate{2001, 7, 5}},
      {"007/05/2001", std::nullopt, store::CalendarDate{2001, 7, 5}},
      {"02/30/2001", std::nullopt, std::nullopt},
      {"13/01/2001", std::nullopt, std::nullopt},
      {"07/05/01", std::nullopt, std::nullopt},
      {"07-05-2001", std::nullopt, std::nullopt},
      {"07/05/2001/", std::nullopt, std::nullopt},
      {"/05/2001", std::nullopt, std::nullopt},
      {"7/5/20011", std::nullopt, std::nullopt},
      {"", std::nullopt, std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(parseRecordDate(c.text), c.exact) << c.text;
    EXPECT_EQ(parseRecordDate(c.text, DateForm::Loose), c.loose) << c.text;
  }
}

}  // namespace
}  // namespace vrk::document
