// The logic of `TDeleteFeeScheduleForm`: one schedule removed, the later ones moving down a number.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/attorneys/attorney_grid.h"
#include "core/attorneys/attorney_register.h"
#include "core/dialog/outcome.h"

namespace vrk::attorneys {

class DeleteFeeSchedule {
 public:
  explicit DeleteFeeSchedule(std::filesystem::path folder);  // loads the register

  const AttorneyGrid& grid() const { return grid_; }
  std::vector<std::string> choices() const;  // the combo box's list: "1" to N

  // The schedule number a click on a grid cell puts into the combo box, or nothing ("") for a
  // cell outside schedules 1..N.
  std::string numberOfColumn(int column) const;

  // Delete: removes the schedule (closing with OK), or refuses: not one or two digits from 1 to
  // N, or N is 1.
  dialog::Outcome remove(const std::string& number);

 private:
  std::filesystem::path folder_;
  AttorneyRegister reg_;
  AttorneyGrid grid_;
};

}  // namespace vrk::attorneys
