#include "tracks/CellPaint.h"

#include "tracks/TrackGrid.h"

CellPaint PaintOfCell(const TrackGrid& grid, int row, int col) {
  const bool selected = grid.selectionShown() && grid.isSelected(row);
  CellPaint paint{grid.effectiveTextColour(row), grid.effectiveBackground(row, col)};
  if (!selected) return paint;
  if (grid.rowTextColour(row) != kRed) paint.text = kSelectedTextColour;
  if (grid.cellBackground(row, col) == kNoColour) paint.background = grid.selectionColour();
  return paint;
}
