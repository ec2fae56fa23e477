// The logic of `TAddFeeScheduleForm`: a new schedule's rates typed into the grid, or the first attorney.
#pragma once

#include <filesystem>
#include <string>

#include "core/attorneys/attorney_grid.h"
#include "core/attorneys/attorney_register.h"
#include "core/dialog/outcome.h"

namespace vrk::attorneys {

// Register mode: the three register files exist and the grid takes a rate per attorney for
// schedule N+1. First-use mode: the grid takes the first attorney's initials and rate.
enum class AddScheduleMode { Register, FirstUse };

class AddFeeSchedule {
 public:
  // Decides the mode and loads the register when its three files exist.
  explicit AddFeeSchedule(std::filesystem::path folder);

  AddScheduleMode mode() const { return mode_; }
  // Register mode: headings "Sch. 1" to "Sch. N+1" and a "$" in every attorney's cell of column
  // N+1. First-use mode: "Atty" and "Sch. 1" in row 0, then an empty initials cell and a "$".
  const AttorneyGrid& grid() const { return grid_; }
  int newSchedule() const { return mode_ == AddScheduleMode::Register ? reg_.scheduleCount + 1 : 1; }

  // Whether the user may select (and type into) a cell.
  bool selectable(int row, int column) const;
  // What the user typed into a cell; other cells than the selectable ones are left alone.
  void setCell(int row, int column, std::string text);

  // Save: stores the new schedule (closing with OK), or refuses and stays open. Cells read as
  // rates before a refusal stay rewritten as currency text; in first-use mode the initials cell
  // is rewritten in capitals.
  dialog::Outcome save();

 private:
  dialog::Outcome saveSchedule();
  dialog::Outcome saveFirstAttorney();

  std::filesystem::path folder_;
  AddScheduleMode mode_ = AddScheduleMode::FirstUse;
  AttorneyRegister reg_;
  AttorneyGrid grid_;
};

}  // namespace vrk::attorneys
