#include "core/attorneys/delete_fee_schedule.h"

#include <algorithm>

#include "core/attorneys/attorney_messages.h"
#include "core/attorneys/refusal.h"
#include "core/rules/input_rules.h"

namespace vrk::attorneys {

DeleteFeeSchedule::DeleteFeeSchedule(std::filesystem::path folder) : folder_(std::move(folder)) {
  reg_ = loadAttorneyRegister(store::Transaction(folder_));
  grid_ = registerGrid(reg_);
}

std::vector<std::string> DeleteFeeSchedule::choices() const {
  std::vector<std::string> numbers;
  for (int k = 1; k <= reg_.scheduleCount; ++k) numbers.push_back(std::to_string(k));
  return numbers;
}

std::string DeleteFeeSchedule::numberOfColumn(int column) const {
  return column >= 1 && column <= reg_.scheduleCount ? std::to_string(column) : std::string();
}

dialog::Outcome DeleteFeeSchedule::remove(const std::string& number) {
  const bool digits =
      !number.empty() && number.size() <= 2 && std::all_of(number.begin(), number.end(), rules::isDigit);
  const int schedule = digits ? std::stoi(number) : 0;
  if (schedule < 1 || schedule > reg_.scheduleCount)
    return refusal(kInvalidFeeSchedule + std::to_string(reg_.scheduleCount));
  if (reg_.scheduleCount == 1) return refusal(kDeleteOnlySchedule);

  AttorneyRegister changed = reg_;
  grid_.clearColumn(changed.scheduleCount);
  removeFeeSchedule(changed, schedule);
  store::Transaction tx(folder_);
  stageScheduleCount(tx, changed);
  stageRateRecords(tx, changed);
  tx.commit();
  reg_ = std::move(changed);
  return closedWithOk();
}

}  // namespace vrk::attorneys
