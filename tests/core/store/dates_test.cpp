#include "core/store/dates.h"

#include <gtest/gtest.h>

#include <limits>

namespace vrk::store {

TEST(StoredDates, KnownDays) {
  struct Case {
    CalendarDate date;
    double stored;
  };
  const Case cases[] = {
      {{1899, 12, 30}, 0},   {{1899, 12, 31}, 1},   {{1900, 3, 1}, 61},
      {{2000, 1, 1}, 36526}, {{2001, 7, 1}, 37073}, {{2026, 12, 5}, 46361},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(toStoredDate(c.date), c.stored) << c.date.year << "-" << c.date.month;
    EXPECT_EQ(fromStoredDate(c.stored), c.date);
  }
}

TEST(StoredDates, TimeOfDayIgnoredInComparison) {
  EXPECT_EQ(compareDays(37075.25, 37075.0), 0);
  EXPECT_LT(compareDays(37075.99, 37076.0), 0);
  EXPECT_GT(compareDays(37077.0, 37076.5), 0);
  EXPECT_EQ(fromStoredDate(37075.75), fromStoredDate(37075.0));
}

TEST(StoredDates, DamagedValuesReadAsDayZero) {
  for (const double damaged : {1e300, -1e300, 1e10, std::numeric_limits<double>::quiet_NaN(),
                               std::numeric_limits<double>::infinity()}) {
    EXPECT_EQ(fromStoredDate(damaged), (CalendarDate{1899, 12, 30})) << damaged;
    EXPECT_EQ(compareDays(damaged, 0), 0) << damaged;
  }
}

TEST(StoredDates, RoundTripOverCenturies) {
  for (double d = -1000; d < 80000; d += 37) EXPECT_EQ(toStoredDate(fromStoredDate(d)), d);
}

TEST(StoredDates, Validity) {
  const std::pair<CalendarDate, bool> cases[] = {
      {{2000, 2, 29}, true}, {{1900, 2, 29}, false}, {{2001, 4, 31}, false}, {{2001, 13, 1}, false},
      {{2024, 1, 0}, false}, {{2024, 0, 1}, false},  {{2024, 1, 1}, true},   {{2024, 12, 31}, true},
  };
  for (const auto& [date, valid] : cases)
    EXPECT_EQ(isValidDate(date), valid) << date.year << "-" << date.month << "-" << date.day;
}

}  // namespace vrk::store
