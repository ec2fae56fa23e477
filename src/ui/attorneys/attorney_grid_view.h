// StringGrid1 of the attorney and fee schedule dialogs: the core's grid cells in 11 plain columns.
#pragma once

#include <QTableWidget>
#include <functional>
#include <string>

#include "core/attorneys/attorney_grid.h"

namespace vrk::ui {

class AttorneyGridView : public QTableWidget {
  Q_OBJECT

 public:
  // Says which cells the user may select and type into.
  using Editable = std::function<bool(int row, int column)>;

  explicit AttorneyGridView(QWidget* parent = nullptr);

  // Shows every cell of the grid, none selected. Without `editable` no cell takes typing.
  void showGrid(const attorneys::AttorneyGrid& grid, Editable editable = {});
  // Rewrites the texts only (after the logic rewrote cells).
  void refreshTexts(const attorneys::AttorneyGrid& grid);
  void setCellText(int row, int column, const std::string& stored);
  std::string cellText(int row, int column) const;  // in the stored character set
  // Ends an open cell editor, keeping what it holds.
  void finishEditing();
  void clearGrid();

 Q_SIGNALS:
  // The user typed a cell's text (stored character set).
  void cellTyped(int row, int column, const std::string& text);

 private:
  bool filling_ = false;
};

}  // namespace vrk::ui
