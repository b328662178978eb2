#pragma once

#include <string>
#include <vector>

#include "tracks/ColumnChooser.h"
#include "tracks/ColumnsDialog.h"
#include "tracks/TrackTable.h"

// "Customize Columns...": which columns a track grid shows and in which order. The library
// and the search result always share one arrangement; the playlist's "#" is never offered and
// always stays first and shown; the system columns are never offered and stay hidden.

// "MP3 Browser", "MP3 Library" (for the library and the search result) or "MP3 Playlist".
std::string GridDisplayName(const TrackTables& tables, const TrackGrid& grid);

// The chooser's entries for a grid: its layout columns in their shown order but "#", each
// ticked when shown.
std::vector<ColumnChoice> GridColumnList(const TrackTables& tables, const TrackGrid& grid);

// Puts the grid's layout columns in the order of the list and shows exactly the ticked ones.
// The list names every layout column once; widths are kept, and as columns are found by name
// the sort column and every rule move with them.
void ApplyColumnList(const TrackTables& tables, TrackGrid& grid,
                     const std::vector<ColumnChoice>& list);

// The chooser for the active grid, empty or not; on OK its arrangement (and for the library or
// the search result, both grids') follows the list. True when OK was pressed.
bool ChooseColumns(TrackTables& tables, ColumnsDialog& dialog);
