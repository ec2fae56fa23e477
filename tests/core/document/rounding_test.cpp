#include "core/document/rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace vrk::document {
namespace {

TEST(RoundHalfAway, DecidedOnTheValueTheDoubleHolds) {
  struct Case {
    double value;
    int decimals;
    double expected;
  };
  const Case cases[] = {
      {50.125, 2, 50.13},  // exactly half: away from zero
      {-50.125, 2, -50.13},
      {1.005, 2, 1.0},         // held as 1.00499...
      {2.675, 2, 2.67},        // held as 2.67499...
      {1234.565, 2, 1234.57},  // held as 1234.56500000000005...
      {0.005, 2, 0.01},
      {2.5, 0, 3.0},
      {-2.5, 0, -3.0},
      {0.49999999999999994, 0, 0.0},
      {1.25, 1, 1.3},
      {0.15, 1, 0.1},
      {999999.95, 1, 999999.9},
      {99999999.995, 2, 100000000.0},  // held as 99999999.99500000476...
      {99999.995, 2, 99999.99},        // held as 99999.99499...
      {1250.0, -2, 1300.0},
      {1249.99, -2, 1200.0},
      {0.0, 2, 0.0},
      {5e-324, 2, 0.0},
      {1e300, 2, 1e300},
  };
  for (const auto& c : cases) EXPECT_EQ(roundHalfAway(c.value, c.decimals), c.expected) << c.value;
}

TEST(RoundHalfAway, SmallNegativeBecomesZeroAndNonFinitePassesThrough) {
  EXPECT_EQ(roundHalfAway(-0.004, 2), 0.0);
  EXPECT_TRUE(std::isinf(roundHalfAway(std::numeric_limits<double>::infinity(), 2)));
  EXPECT_TRUE(std::isnan(roundHalfAway(std::nan(""), 2)));
}

TEST(RoundDecimal, SignificantDigitsRoundOnceAtTheCoarserPlace) {
  struct Case {
    double value;
    int decimals, digits;
    RoundedDecimal expected;
  };
  const Case cases[] = {
      {1.005, 2, 10, {false, "1", "00"}},  // not 1.005000000 then 1.01
      {1234567.125, 2, 7, {false, "1234567", "00"}},
      {1234567.5, 2, 7, {false, "1234568", "00"}},
      {9999999.5, 2, 7, {false, "10000000", "00"}},
      {12345678901.23, 2, 10, {false, "12345678900", "00"}},
      {-0.125, 2, 2, {true, "0", "13"}},
      {0.0012345, 2, 3, {false, "0", "00"}},
      {12.345678, 0, 0, {false, "12", ""}},
  };
  for (const auto& c : cases) EXPECT_EQ(roundDecimal(c.value, c.decimals, c.digits), c.expected) << c.value;
}

}  // namespace
}  // namespace vrk::document
