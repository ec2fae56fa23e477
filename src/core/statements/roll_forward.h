// A client's record as a final run carries it into the next billing period.
#pragma once

#include "core/clients/client_record.h"
#include "core/statements/statement.h"
#include "core/store/dates.h"

namespace vrk::statements {

// The record with the statement's figures: the date of last statement, fees, costs and credits on
// the last statement, the trust balance, the balance now due, the aged balances
//   30 days: min(opening balance - payments, balance now due),
//   60 days: min(old 30-day balance - payments, new 30-day balance),
//   90 days: min(old 60-day balance - payments, new 60-day balance),
// each 0 when not above 0.001, and no payments since the last statement. Amounts are stored with
// two decimals and no thousands separators; every other field is kept.
clients::ClientRecord rollForward(const clients::ClientRecord& record, const StatementAmounts& amounts,
                                  const store::CalendarDate& statementDate);

}  // namespace vrk::statements
