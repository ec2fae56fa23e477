#include "core/attorneys/change_fee_schedules.h"

#include "core/attorneys/attorney_messages.h"
#include "core/attorneys/rate_entry.h"
#include "core/attorneys/refusal.h"

namespace vrk::attorneys {

ChangeFeeSchedules::ChangeFeeSchedules(std::filesystem::path folder) : folder_(std::move(folder)) {
  reg_ = loadAttorneyRegister(store::Transaction(folder_));
  grid_ = registerGrid(reg_);
}

bool ChangeFeeSchedules::selectable(int row, int column) const {
  return row >= 1 && row < grid_.rowCount() && column >= 1 && column <= reg_.scheduleCount;
}

void ChangeFeeSchedules::setCell(int row, int column, std::string text) {
  if (selectable(row, column)) grid_.setCell(row, column, std::move(text));
}

dialog::Outcome ChangeFeeSchedules::save() {
  for (int row = 1; row < grid_.rowCount(); ++row) {
    for (int column = 1; column <= reg_.scheduleCount; ++column) {
      const auto shown = readTypedRate(grid_.cell(row, column));
      if (!shown) return refusal(kInvalidHourlyRateEntry);
      grid_.setCell(row, column, *shown);
    }
  }

  AttorneyRegister changed = reg_;
  for (int row = 1; row < grid_.rowCount(); ++row)
    for (int column = 1; column <= reg_.scheduleCount; ++column)
      changed.rates[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(column - 1)] =
          changedRateFromCell(grid_.cell(row, column));
  store::Transaction tx(folder_);
  stageRateRecords(tx, changed);
  tx.commit();
  reg_ = std::move(changed);
  return closedWithOk();
}

}  // namespace vrk::attorneys
