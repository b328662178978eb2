#include "tracks/CustomizeColumns.h"

#include <cstdio>

#include "tracks/TrackColumns.h"

namespace {

constexpr char kColumnsLabel[] = "Select the columns you want to display in %s";

std::string ColumnsLabel(const std::string& gridName) {
  char buffer[128];
  std::snprintf(buffer, sizeof buffer, kColumnsLabel, gridName.c_str());
  return buffer;
}

bool IsLibrarySide(const TrackTables& tables, const TrackGrid& grid) {
  return &grid == &tables.grid(GridId::Library) || &grid == &tables.grid(GridId::Search);
}

}  // namespace

std::string GridDisplayName(const TrackTables& tables, const TrackGrid& grid) {
  if (&grid == &tables.grid(GridId::Browser)) return "MP3 Browser";
  if (IsLibrarySide(tables, grid)) return "MP3 Library";
  return "MP3 Playlist";
}

std::vector<ColumnChoice> GridColumnList(const TrackTables& tables, const TrackGrid& grid) {
  const int layout = tables.LayoutSize(grid);
  std::vector<ColumnChoice> list;
  // Shown order, which moving changes; a column keeps its logical index and its cells.
  for (const int col : grid.visualOrder()) {
    if (col >= layout || grid.header(col) == kColumnNumber) continue;
    list.push_back({std::string(grid.header(col)), !grid.isColumnHidden(col)});
  }
  return list;
}

void ApplyColumnList(const TrackTables& tables, TrackGrid& grid,
                     const std::vector<ColumnChoice>& list) {
  const int count = static_cast<int>(list.size());
  for (int k = 0; k < count; ++k) {
    const ColumnChoice& entry = list[static_cast<std::size_t>(k)];
    const int col = tables.ColumnByName(grid, entry.name);
    if (col < 0) continue;  // not a column of this grid: nothing to place
    const int at = grid.visualIndex(col);
    if (at != k) grid.moveColumn(at, k);
    grid.setColumnHidden(col, !entry.checked);
  }
}

bool ChooseColumns(TrackTables& tables, ColumnsDialog& dialog) {
  TrackGrid& grid = tables.activeGrid();
  ColumnChooser chooser(ColumnsLabel(GridDisplayName(tables, grid)), GridColumnList(tables, grid),
                        FirstEntry::Fixed);
  if (!dialog.showColumns(chooser)) return false;
  std::vector<ColumnChoice> list = chooser.lstColumns();
  if (tables.isPlaylist(grid)) list.insert(list.begin(), {std::string(kColumnNumber), true});
  if (IsLibrarySide(tables, grid)) {
    ApplyColumnList(tables, tables.grid(GridId::Library), list);
    ApplyColumnList(tables, tables.grid(GridId::Search), list);
  } else {
    ApplyColumnList(tables, grid, list);
  }
  return true;
}
