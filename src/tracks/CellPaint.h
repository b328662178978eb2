#pragma once

#include "tracks/Colour.h"

class TrackGrid;

// Dark blue text on selected rows: the grids' white text would not read on the selection colour.
inline constexpr Colour kSelectedTextColour = Bgr(0, 32, 64);

// The colours a grid cell is painted with.
struct CellPaint {
  Colour text = kNoColour;
  Colour background = kNoColour;
};

// A data cell's colours with the selection applied: a selected row (while the grid shows its
// selection) takes the selection colour and dark text, except that a row painted red (a missing
// file) keeps its red text and a cell with a background of its own (the track name being
// edited) keeps that background.
CellPaint PaintOfCell(const TrackGrid& grid, int row, int col);
