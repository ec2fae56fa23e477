// Matter numbers, and typed hours and amounts to date.
#include <gtest/gtest.h>

#include "core/matters/matter_boxes.h"
#include "core/matters/matter_number.h"

namespace vrk::matters {

TEST(MatterNumber, CleanedAndChecked) {
  struct Case {
    std::string typed, cleaned;
    bool valid;
  };
  const Case cases[] = {
      {"7", "7", true},
      {"1,234", "1234", true},
      {"99,999", "99999", true},
      {"012", "012", true},
      {"0000012", "00012", true},
      {"000099999", "99999", true},
      {"", "0", false},
      {"0", "0", false},
      {"00000", "00000", false},
      {"000000", "00000", false},
      {"100000", "100000", false},
      {"123456", "123456", false},
      {"0100000", "0100000", false},
      {"12a", "12a", false},
      {"-1", "-1", false},
      {"1.5", "1.5", false},
      {"00000000001", "00001", true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(cleanMatterNumber(c.typed), c.cleaned) << c.typed;
    EXPECT_EQ(isMatterNumber(cleanMatterNumber(c.typed)), c.valid) << c.typed;
  }
}

TEST(ToDateBoxes, AmountsAndHoursReduceToStoredText) {
  struct Case {
    std::string typed;
    std::optional<std::string> amount, hours;
  };
  const Case cases[] = {
      {"", "0", "0"},
      {"$", "0", std::nullopt},
      {"$1,250.50", "1250.50", std::nullopt},
      {"1,234.5", "1234.5", "1234.5"},
      {"1 2_", "1020", "1020"},
      {"99999999.99", "99999999.99", std::nullopt},
      {"100000000", std::nullopt, std::nullopt},
      {"999999.9", "999999.9", "999999.9"},
      {"1000000", "1000000", std::nullopt},
      {"12a", std::nullopt, std::nullopt},
      {"1.2.3", std::nullopt, std::nullopt},
      {"-5", std::nullopt, std::nullopt},
      // Too long for the field: leading zeros go first, then the decimals are rounded.
      {"000000001250.50", "00001250.50", "01250.50"},
      {"0000000120.5", "000000120.5", "000120.5"},
      {"1.123456789012", "1.12", "1.1"},
  };
  for (const auto& c : cases) {
    const auto amount = rules::readChangedNumber(c.typed, kAmountToDateRule);
    const auto hours = rules::readChangedNumber(c.typed, kHoursToDateRule);
    EXPECT_EQ(amount ? std::optional(amount->text) : std::nullopt, c.amount) << c.typed;
    EXPECT_EQ(hours ? std::optional(hours->text) : std::nullopt, c.hours) << c.typed;
  }
}

}  // namespace vrk::matters
