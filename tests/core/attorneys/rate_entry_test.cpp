#include "core/attorneys/rate_entry.h"

#include <gtest/gtest.h>

namespace vrk::attorneys {

TEST(RateEntry, MaskedBoxToRateTextAndBack) {
  struct Case {
    std::string box, rateText;
  };
  const Case boxes[] = {
      {"$__,___.__", "00000.00"}, {"", "00000.00"},           {"$_1,234.5_", "01234.50"},
      {"$99,999.99", "99999.99"}, {"$  ,250.  ", "00250.00"},
  };
  for (const auto& c : boxes) EXPECT_EQ(rateTextFromBox(c.box), c.rateText) << c.box;
}

TEST(RateEntry, TypedGridCellsReadShownAndStored) {
  struct Case {
    std::string cell;
    std::optional<std::string> shown;
    std::string added, changed;
  };
  const Case cases[] = {
      {"", "", "00000000", "0"},
      {"$", "$0.00", "00000.00", "0.00"},
      {"300", "$300.00", "00300.00", "300.00"},
      {"$1,250.00", "$1,250.00", "01250.00", "1250.00"},
      {"$1 5_", "$1,050.00", "01050.00", "1050.00"},
      {"12.", "$12.00", "00012.00", "12.00"},
      {"99999.99", "$99,999.99", "99999.99", "99999.99"},
      {"100000", std::nullopt, "", ""},
      {"1.2.3", std::nullopt, "", ""},
      {"$$5", std::nullopt, "", ""},
      {".", std::nullopt, "", ""},
  };
  for (const auto& c : cases) {
    const auto shown = readTypedRate(c.cell);
    EXPECT_EQ(shown, c.shown) << c.cell;
    if (!shown) continue;
    EXPECT_EQ(addedRateFromCell(*shown), c.added) << c.cell;
    EXPECT_EQ(changedRateFromCell(*shown), c.changed) << c.cell;
  }
  EXPECT_EQ(shownRate("300"), "$300.00");
  EXPECT_EQ(shownRate(""), "$0.00");
  EXPECT_EQ(shownRate("1234567."), "$1,234,567.00");
}

}  // namespace vrk::attorneys
