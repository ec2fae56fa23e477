#include "core/attorneys/attorney_grid.h"

#include "core/attorneys/rate_entry.h"

namespace vrk::attorneys {
namespace {

bool inside(const AttorneyGrid& grid, int row, int column) {
  return row >= 0 && row < grid.rowCount() && column >= 0 && column < kGridColumns;
}

}  // namespace

const std::string& AttorneyGrid::cell(int row, int column) const {
  static const std::string empty;
  if (!inside(*this, row, column)) return empty;
  return rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

void AttorneyGrid::setCell(int row, int column, std::string text) {
  if (inside(*this, row, column))
    rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = std::move(text);
}

void AttorneyGrid::clearColumn(int column) {
  for (int row = 0; row < rowCount(); ++row) setCell(row, column, {});
}

std::optional<std::string> initialsOfRow(const AttorneyGrid& grid, int row) {
  if (row < 1 || row >= grid.rowCount()) return std::nullopt;
  return grid.cell(row, 0);
}

std::string scheduleHeading(int schedule) { return "Sch. " + std::to_string(schedule); }

AttorneyGrid registerGrid(const AttorneyRegister& reg, int headings) {
  AttorneyGrid grid;
  AttorneyGrid::Row heading;
  heading[0] = "Attorney";
  for (int k = 1; k <= headings && k < kGridColumns; ++k)
    heading[static_cast<std::size_t>(k)] = scheduleHeading(k);
  grid.rows.push_back(heading);
  for (std::size_t i = 0; i < reg.initials.size(); ++i) {
    AttorneyGrid::Row row;
    row[0] = reg.initials[i];
    for (int k = 1; k <= reg.scheduleCount; ++k)
      row[static_cast<std::size_t>(k)] = shownRate(reg.rates[i][static_cast<std::size_t>(k - 1)]);
    grid.rows.push_back(row);
  }
  return grid;
}

}  // namespace vrk::attorneys
