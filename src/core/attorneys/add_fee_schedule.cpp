#include "core/attorneys/add_fee_schedule.h"

#include "core/attorneys/attorney_messages.h"
#include "core/attorneys/rate_entry.h"
#include "core/attorneys/refusal.h"
#include "core/rules/input_rules.h"

namespace vrk::attorneys {

AddFeeSchedule::AddFeeSchedule(std::filesystem::path folder) : folder_(std::move(folder)) {
  const store::Transaction tx(folder_);
  if (registerStarted(tx)) {
    mode_ = AddScheduleMode::Register;
    reg_ = loadAttorneyRegister(tx);
    grid_ = registerGrid(reg_, newSchedule());
    for (int row = 1; row < grid_.rowCount(); ++row) grid_.setCell(row, newSchedule(), "$");
  } else {
    grid_.rows.resize(2);
    grid_.setCell(0, 0, "Atty");
    grid_.setCell(0, 1, scheduleHeading(1));
    grid_.setCell(1, 1, "$");
  }
}

bool AddFeeSchedule::selectable(int row, int column) const {
  if (row < 1 || row >= grid_.rowCount()) return false;
  if (mode_ == AddScheduleMode::FirstUse) return column == 0 || column == 1;
  return column == newSchedule() && column < kGridColumns;
}

void AddFeeSchedule::setCell(int row, int column, std::string text) {
  if (selectable(row, column)) grid_.setCell(row, column, std::move(text));
}

dialog::Outcome AddFeeSchedule::save() {
  return mode_ == AddScheduleMode::Register ? saveSchedule() : saveFirstAttorney();
}

dialog::Outcome AddFeeSchedule::saveSchedule() {
  // The grid and a rate record hold ten schedules.
  if (reg_.scheduleCount >= kMaxFeeSchedules) return refusal(kTenFeeSchedulesPresent);
  const int column = newSchedule();
  for (int row = 1; row < grid_.rowCount(); ++row) {
    const auto shown = readTypedRate(grid_.cell(row, column));
    if (!shown) return refusal(kInvalidHourlyRateEntry);
    grid_.setCell(row, column, *shown);
  }

  AttorneyRegister changed = reg_;
  changed.scheduleCount = column;
  for (int row = 1; row < grid_.rowCount(); ++row)
    changed.rates[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(column - 1)] =
        addedRateFromCell(grid_.cell(row, column));
  store::Transaction tx(folder_);
  stageScheduleCount(tx, changed);
  stageRateRecords(tx, changed);
  tx.commit();
  reg_ = std::move(changed);
  return closedWithOk();
}

dialog::Outcome AddFeeSchedule::saveFirstAttorney() {
  const std::string initials = rules::capitals(grid_.cell(1, 0));
  grid_.setCell(1, 0, initials);
  const auto shown = readTypedRate(grid_.cell(1, 1));
  if (shown) grid_.setCell(1, 1, *shown);
  if (!rules::isAttorneyInitials(initials)) return refusal(kInvalidAttorneyInitials);
  if (!shown) return refusal(kInvalidHourlyRateEntry);

  AttorneyRegister first;
  first.scheduleCount = 1;
  first.initials = {initials};
  first.rates.emplace_back();
  first.rates[0][0] = addedRateFromCell(*shown);
  store::Transaction tx(folder_);
  stageAttorneyRegister(tx, first);
  tx.commit();
  reg_ = std::move(first);
  return closedWithOk();
}

}  // namespace vrk::attorneys
