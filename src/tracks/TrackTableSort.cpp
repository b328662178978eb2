// TrackTables: cell alignment, comparison kinds, header-click and menu sorting.
#include <algorithm>
#include <string>

#include "tracks/TrackColumns.h"
#include "tracks/TrackTable.h"

namespace {

std::string WithoutAmpersands(std::string caption) {
  std::erase(caption, '&');
  return caption;
}

}  // namespace

CellAlignment TrackTables::grdBrowserGetAlignment(const TrackGrid& grid, int /*row*/,
                                                  int col) const {
  return AlignmentOfColumn(grid.header(col));
}

CompareKind TrackTables::grdBrowserGetFormat(const TrackGrid& grid, int col) const {
  return grid.header(col) == kColumnSize2 ? CompareKind::Numeric : CompareKind::Text;
}

// Descending on the column's companion ("Type" has none) and then on the first column, so
// the result never depends on the direction before.
void TrackTables::indexedSort(TrackGrid& grid, std::string_view header) {
  const int col = ColumnByName(grid, header);
  if (col < 0) return;
  const int companion = ColumnByName(grid, std::string(header) + "2");
  grid.clearSortKeys();
  grid.setSortColumn(col);
  grid.addSortKey(companion >= 0 ? companion : col);
  grid.addSortKey(0);
  grid.setSortDirection(SortDirection::Descending);
  grid.sortOnKeys();
  grid.clearSortKeys();
}

// On the hidden companion ("Size2", "Bitrate2") that holds the plain number; the indicator
// goes to the visible column. Each repetition reverses the order.
void TrackTables::companionSort(TrackGrid& grid, std::string_view header) {
  grid.reverseSortDirection();
  const int companion = ColumnByName(grid, std::string(header) + "2");
  if (companion >= 0) grid.sortOnColumn(companion);
  grid.setSortColumn(ColumnByName(grid, header));
}

bool TrackTables::sortOnOwnRules(TrackGrid& grid, std::string_view header) {
  const bool playlist = isPlaylist(grid);
  if (header == kColumnType || (header == kColumnBitrate && !playlist)) {
    indexedSort(grid, header);
  } else if (header == kColumnSize || header == kColumnBitrate) {
    companionSort(grid, header);
  } else {
    return false;
  }
  if (playlist) Renumber();
  return true;
}

bool TrackTables::grdBrowserCanSort(TrackGrid& grid, int col) {
  if (isPlaylist(grid) && col == kPlaylistNumberColumn) return false;
  return !sortOnOwnRules(grid, grid.header(col));
}

void TrackTables::grdPlaylistClickSort(TrackGrid& grid, int /*col*/) {
  if (isPlaylist(grid)) Renumber();
}

void TrackTables::SortByHeaderClick(TrackGrid& grid, int col) {
  if (grid.dataRowCount() < 2 || col < 0 || col >= grid.columnCount()) return;
  if (!grdBrowserCanSort(grid, col)) return;
  grid.clickSort(col);
  grdPlaylistClickSort(grid, col);
}

SortMenu& TrackTables::menuAt(int menu) {
  return sortMenus_[static_cast<std::size_t>(std::clamp(menu, 1, kSortMenuCount) - 1)];
}

const SortMenu& TrackTables::sortMenu(int menu) const {
  return sortMenus_[static_cast<std::size_t>(std::clamp(menu, 1, kSortMenuCount) - 1)];
}

TrackGrid& TrackTables::sortMenuGrid(int menu) {
  return sortMenu(menu).sortsPlaylist ? grdPlaylist() : shownBrowserGrid();
}

void TrackTables::SortByMenuItem(int menu, std::size_t entry) {
  if (menu < 1 || menu > kSortMenuCount || entry >= sortMenu(menu).entries.size()) return;
  const std::string h = WithoutAmpersands(sortMenu(menu).entries[entry].caption);
  TrackGrid& grid = sortMenuGrid(menu);
  if (grid.dataRowCount() < 2 || sortOnOwnRules(grid, h)) return;
  if (const int col = ColumnByName(grid, h); col >= 0) {
    // Keeps the direction; the indicator moves to the column sorted.
    grid.sortOnColumn(col);
    grid.setSortColumn(col);
  }
  if (isPlaylist(grid)) Renumber();
}

void TrackTables::CheckSortMenu(int menu) {
  if (menu < 1 || menu > kSortMenuCount) return;
  const TrackGrid& grid = sortMenuGrid(menu);
  if (grid.sortColumn() == TrackGrid::kNoSortColumn) return;
  const std::string_view h = grid.header(grid.sortColumn());
  std::vector<SortMenuEntry>& entries = menuAt(menu).entries;
  const auto match = std::find_if(entries.begin(), entries.end(), [h](const SortMenuEntry& e) {
    return WithoutAmpersands(e.caption) == h;
  });
  if (match == entries.end()) return;
  for (SortMenuEntry& e : entries) e.checked = &e == &*match;
}
