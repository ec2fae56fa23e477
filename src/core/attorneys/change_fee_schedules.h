// The logic of `TChangeFeeSchedulesForm`: any attorney's rates under schedules 1..N overwritten.
#pragma once

#include <filesystem>
#include <string>

#include "core/attorneys/attorney_grid.h"
#include "core/attorneys/attorney_register.h"
#include "core/dialog/outcome.h"

namespace vrk::attorneys {

class ChangeFeeSchedules {
 public:
  explicit ChangeFeeSchedules(std::filesystem::path folder);  // loads the register

  const AttorneyGrid& grid() const { return grid_; }
  int scheduleCount() const { return reg_.scheduleCount; }

  // A cell of an attorney row under schedules 1..N.
  bool selectable(int row, int column) const;
  void setCell(int row, int column, std::string text);  // only selectable cells are taken

  // Save: every cell is read as a rate first (valid ones rewritten as currency text; a rate above
  // 99,999.99, which a rate field cannot hold, is refused like any invalid one), then all are
  // stored and the dialog closes with OK. The schedule count does not change.
  dialog::Outcome save();

 private:
  std::filesystem::path folder_;
  AttorneyRegister reg_;
  AttorneyGrid grid_;
};

}  // namespace vrk::attorneys
