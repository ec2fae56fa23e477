#include "ui/attorneys/attorney_grid_view.h"

#include <QHeaderView>

#include "platform/text_codec.h"

namespace vrk::ui {

AttorneyGridView::AttorneyGridView(QWidget* parent) : QTableWidget(parent) {
  setObjectName(QStringLiteral("StringGrid1"));
  setColumnCount(attorneys::kGridColumns);
  horizontalHeader()->hide();
  verticalHeader()->hide();
  horizontalHeader()->setDefaultSectionSize(65);
  verticalHeader()->setDefaultSectionSize(22);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                  QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed);
  setMinimumSize(65 * attorneys::kGridColumns + 4, 22 * 8);
  connect(this, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
    if (!filling_) Q_EMIT cellTyped(item->row(), item->column(), platform::toStored(item->text()));
  });
}

void AttorneyGridView::showGrid(const attorneys::AttorneyGrid& grid, Editable editable) {
  filling_ = true;
  clearContents();
  setRowCount(grid.rowCount());
  for (int row = 0; row < grid.rowCount(); ++row) {
    for (int column = 0; column < attorneys::kGridColumns; ++column) {
      auto* item = new QTableWidgetItem(platform::fromStored(grid.cell(row, column)));
      Qt::ItemFlags flags = Qt::ItemIsEnabled;
      if (!editable) flags |= Qt::ItemIsSelectable;
      if (editable && editable(row, column)) flags |= Qt::ItemIsSelectable | Qt::ItemIsEditable;
      item->setFlags(flags);
      setItem(row, column, item);
    }
  }
  setCurrentIndex(QModelIndex());
  clearSelection();
  filling_ = false;
}

void AttorneyGridView::refreshTexts(const attorneys::AttorneyGrid& grid) {
  for (int row = 0; row < grid.rowCount() && row < rowCount(); ++row)
    for (int column = 0; column < attorneys::kGridColumns; ++column)
      setCellText(row, column, grid.cell(row, column));
}

void AttorneyGridView::setCellText(int row, int column, const std::string& stored) {
  QTableWidgetItem* cell = item(row, column);
  if (!cell) return;
  filling_ = true;
  cell->setText(platform::fromStored(stored));
  filling_ = false;
}

std::string AttorneyGridView::cellText(int row, int column) const {
  const QTableWidgetItem* cell = item(row, column);
  return cell ? platform::toStored(cell->text()) : std::string();
}

void AttorneyGridView::finishEditing() { setCurrentIndex(QModelIndex()); }

void AttorneyGridView::clearGrid() {
  filling_ = true;
  clearContents();
  setRowCount(0);
  filling_ = false;
}

}  // namespace vrk::ui
