#include "tracks/GridGestures.h"

#include <algorithm>

#include "tracks/TrackGrid.h"

namespace {

void SelectOnly(TrackGrid& grid, int row) {
  grid.clearSelection();
  grid.selectRow(row);
}

}  // namespace

void GridGestures::press(TrackGrid& grid, int row, Modifier modifier) {
  pendingRow_ = -1;
  if (row < 1 || row >= grid.rowCount()) return;
  const bool wasSelected = grid.isSelected(row);
  switch (modifier) {
    case Modifier::Ctrl:
      grid.setRowSelected(row, !wasSelected);
      anchor_ = row;
      break;
    case Modifier::Shift:
      grid.clearSelection();
      grid.selectRange(std::clamp(anchor_, 1, grid.rowCount() - 1), row);
      break;
    case Modifier::None:
      if (wasSelected && grid.selectedCount() > 1) {
        pendingRow_ = row;
      } else {
        SelectOnly(grid, row);
      }
      anchor_ = row;
      break;
  }
  grid.setCurrentRow(row);
}

bool GridGestures::release(TrackGrid& grid, int row) {
  const bool narrows = pendingRow_ >= 1 && pendingRow_ == row && row < grid.rowCount();
  pendingRow_ = -1;
  if (narrows) SelectOnly(grid, row);
  return narrows;
}

void GridGestures::step(TrackGrid& grid, int delta, bool shift) {
  const int last = grid.rowCount() - 1;
  if (last < 1) return;
  const int row = std::clamp(grid.currentRow() + delta, 1, last);
  if (shift) {
    grid.clearSelection();
    grid.selectRange(std::clamp(anchor_, 1, last), row);
  } else {
    SelectOnly(grid, row);
    anchor_ = row;
  }
  grid.setCurrentRow(row);
}
