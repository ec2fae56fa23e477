#include "core/statements/roll_forward.h"

#include <algorithm>

#include "core/document/number_text.h"
#include "core/rules/decimal_value.h"

namespace vrk::statements {
namespace {

constexpr double kPresent = 0.001;

std::string stored(double amount) { return document::fixedText(amount, 2, document::kAmountDigits); }

double aged(double value) { return value > kPresent ? value : 0; }

}  // namespace

clients::ClientRecord rollForward(const clients::ClientRecord& record, const StatementAmounts& amounts,
                                  const store::CalendarDate& statementDate) {
  using namespace clients;
  const double old30 = rules::storedDecimalValue(record.amounts[kBalanceDue30Days]);
  const double old60 = rules::storedDecimalValue(record.amounts[kBalanceDue60Days]);
  const double new30 = aged(std::min(amounts.openingBalance - amounts.payments, amounts.balanceNowDue));
  const double new60 = aged(std::min(old30 - amounts.payments, new30));
  const double new90 = aged(std::min(old60 - amounts.payments, new60));

  ClientRecord next = record;
  next.lastStatementDate = store::toStoredDate(statementDate);
  next.amounts[kFeesOnLastStatement] = stored(amounts.fees);
  next.amounts[kCostsOnLastStatement] = stored(amounts.costs);
  next.amounts[kCreditsOnLastStatement] = stored(amounts.credits);
  next.amounts[kTrustAccountBalance] = stored(amounts.trustBalance);
  next.amounts[kBalanceDue] = stored(amounts.balanceNowDue);
  next.amounts[kBalanceDue30Days] = stored(new30);
  next.amounts[kBalanceDue60Days] = stored(new60);
  next.amounts[kBalanceDue90Days] = stored(new90);
  next.amounts[kPaymentsSinceLastStatement] = stored(0);
  return next;
}

}  // namespace vrk::statements
