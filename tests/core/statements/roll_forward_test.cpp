#include "core/statements/roll_forward.h"

#include <gtest/gtest.h>

namespace vrk::statements {
namespace {

TEST(RollForward, AgedBalancesAndTheStatementsFigures) {
  struct Case {
    double opening, payments, nowDue;
    const char* old30;
    const char* old60;
    std::array<const char*, 3> aged;  // 30, 60, 90 days
  };
  const Case cases[] = {
      {300, 150, 250, "200.00", "100.00", {"150.00", "50.00", "0.00"}},
      {300, 0, 100, "200.00", "100.00", {"100.00", "100.00", "100.00"}},  // capped by the newer balance
      {100, 120, 0, "50.00", "", {"0.00", "0.00", "0.00"}},                // overpaid: nothing aged
      {0.0005, 0, 0.0005, "", "", {"0.00", "0.00", "0.00"}},               // not above 0.001
  };
  for (const auto& c : cases) {
    clients::ClientRecord record;
    record.group = "B";
    record.address[0] = "Kept";
    record.amounts[clients::kMonthlyRetainer] = "00000200.00";
    record.amounts[clients::kBalanceDue30Days] = c.old30;
    record.amounts[clients::kBalanceDue60Days] = c.old60;
    StatementAmounts amounts;
    amounts.openingBalance = c.opening;
    amounts.payments = c.payments;
    amounts.balanceNowDue = c.nowDue;
    amounts.fees = 1234.565;
    amounts.credits = 25;
    amounts.trustBalance = 0.1 + 0.2;
    const auto next = rollForward(record, amounts, {2001, 8, 3});
    EXPECT_EQ(next.amounts[clients::kBalanceDue30Days], c.aged[0]) << c.opening << " " << c.payments;
    EXPECT_EQ(next.amounts[clients::kBalanceDue60Days], c.aged[1]) << c.opening << " " << c.payments;
    EXPECT_EQ(next.amounts[clients::kBalanceDue90Days], c.aged[2]) << c.opening << " " << c.payments;
    EXPECT_EQ(next.amounts[clients::kFeesOnLastStatement], "1234.57");
    EXPECT_EQ(next.amounts[clients::kCreditsOnLastStatement], "25.00");
    EXPECT_EQ(next.amounts[clients::kTrustAccountBalance], "0.30");
    EXPECT_EQ(next.amounts[clients::kPaymentsSinceLastStatement], "0.00");
    EXPECT_EQ(next.amounts[clients::kMonthlyRetainer], "00000200.00");  // kept as it was
    EXPECT_EQ(next.address[0], "Kept");
    EXPECT_EQ(next.lastStatementDate, store::toStoredDate({2001, 8, 3}));
  }
}

}  // namespace
}  // namespace vrk::statements
