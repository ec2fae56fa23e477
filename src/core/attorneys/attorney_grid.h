// The cell texts of the attorney grid (StringGrid1) that every attorney and fee schedule dialog shows.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/attorneys/attorney_register.h"

namespace vrk::attorneys {

inline constexpr int kGridColumns = 11;  // initials, then schedules 1 to 10

// Row 0 holds the headings; row r (from 1) holds attorney r-1: its initials in column 0 and its
// rates as currency text in columns 1..N.
struct AttorneyGrid {
  using Row = std::array<std::string, kGridColumns>;
  std::vector<Row> rows;

  int rowCount() const { return static_cast<int>(rows.size()); }
  // Cells outside the grid read as empty and are not written.
  const std::string& cell(int row, int column) const;
  void setCell(int row, int column, std::string text);
  void clearColumn(int column);
};

// The initials of a clicked grid row; none for the heading row, which leaves the box as typed.
std::optional<std::string> initialsOfRow(const AttorneyGrid& grid, int row);

// "Sch. " and the schedule number.
std::string scheduleHeading(int schedule);

// The grid of a register: "Attorney" and the headings of schedules 1..headings in row 0, then one
// row per attorney.
AttorneyGrid registerGrid(const AttorneyRegister& reg, int headings = kMaxFeeSchedules);

}  // namespace vrk::attorneys
