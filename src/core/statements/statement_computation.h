// Computes one client's monthly statement from the billing period's tables: the walk over its time
// and cost/credit records matter by matter, the valuing of time, the balance brought forward, the
// totals and the balance now due. Amounts stay in double and are never rounded here.
#pragma once

#include <optional>
#include <string>

#include "core/attorneys/attorney_register.h"
#include "core/statements/statement.h"
#include "core/store/record_table.h"
#include "core/store/transaction.h"

namespace vrk::statements {

// The tables a run loads once: the attorney register and the time, cost/credit and matter tables
// (each empty when its files are missing).
class StatementSource {
 public:
  explicit StatementSource(store::Transaction& tx);

  const attorneys::AttorneyRegister& attorneys() const { return attorneys_; }
  const store::RecordTable& time() const { return time_; }
  const store::RecordTable& costs() const { return costs_; }
  const store::RecordTable& matters() const { return matters_; }
  // Whether the billing period has any time or cost/credit record at all.
  bool periodHasRecords() const { return time_.size() > 0 || costs_.size() > 0; }

 private:
  attorneys::AttorneyRegister attorneys_;
  store::RecordTable time_;
  store::RecordTable costs_;
  store::RecordTable matters_;
};

// One client's statement. `activity` gathers the group's attorney cells and totals over the
// statements of a run (sized to the attorney list here when it is smaller). In a final run the
// statement also carries each valid matter's record with its new cumulative totals.
Statement computeStatement(const StatementSource& source, const std::string& client,
                           const clients::ClientRecord& record, bool final, GroupActivity& activity);

// The messages of records the statement leaves out.
std::string noRatesMessage(const std::string& client, const std::string& matter, double date,
                           const std::string& initials);
std::string feeScheduleMessage(const std::string& client, const std::string& matter, std::int32_t schedule);
std::string undefinedMatterMessage(const std::string& client, const std::string& matter);

}  // namespace vrk::statements
