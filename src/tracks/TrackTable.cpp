#include "tracks/TrackTable.h"

#include <cstdio>
#include <string>

#include "tracks/TrackColumns.h"
#include "tracks/TrackTexts.h"

namespace {

constexpr int kBrowserLayoutSize = 11;
constexpr int kPlaylistLayoutSize = 12;

std::string Formatted(const char* format, long long value) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, format, value);
  return buffer;
}

}  // namespace

TrackTables::TrackTables(TMPEGaudio& analyser, platform::FileSystem& fs)
    : analyser_(analyser), fs_(fs) {
  for (TrackGrid& grid : grids_) {
    const bool playlist = isPlaylist(grid);
    grid.setBackground(playlist ? kPlaylistBackground : kBrowserBackground);
    grid.setHeaderColour(playlist ? kPlaylistHeaderColour : kBrowserHeaderColour);
    grid.setGridLineColour(playlist ? kWhite : kNoColour);
    grid.setTextColour(kWhite);
    // Empty: the blank row must not look selected.
    grid.setSelectionColour(grid.background());
    grid.setTag(TrackGrid::kEmptyMark);
    grid.setCompareKindFn(
        [this](const TrackGrid& g, int col) { return grdBrowserGetFormat(g, col); });
  }
  for (std::size_t i = 0; i < grids_.size(); ++i)
    idIndexes_[i] = std::make_unique<RowIdIndex>(grids_[i], kColumnID);
}

bool TrackTables::isBrowserSide(const TrackGrid& grid) const {
  return &grid == &grids_[0] || &grid == &grids_[1] || &grid == &grids_[2];
}

recMP3Size& TrackTables::MP3Size(int gridIndex) {
  const bool known = gridIndex >= 0 && gridIndex < kGridCount;
  return sizes_[static_cast<std::size_t>(known ? gridIndex : kOtherGridIndex)];
}

// --- columns ---------------------------------------------------------------------------------

void TrackTables::setUpGrid(TrackGrid& grid) {
  const std::span<const ColumnEntry> layout =
      isBrowserSide(grid) ? BrowserLayout() : PlaylistLayout();
  const int n = static_cast<int>(layout.size());
  grid.setColumnCount(n + kSystemColumnCount);
  for (int i = 0; i < n; ++i) {
    const ColumnEntry& entry = layout[static_cast<std::size_t>(i)];
    grid.setHeader(i, entry.name);
    grid.setColumnWidth(i, entry.width);
    grid.setColumnHidden(i, !entry.visible);
  }
  grid.setHeader(n, kColumnID);
  grid.setHeader(n + 1, kColumnSize2);
  grid.setHeader(n + 2, kColumnBitrate2);
  for (int i = n; i < n + kSystemColumnCount; ++i) grid.setColumnHidden(i, true);
}

void TrackTables::SetUpColumns() {
  for (TrackGrid& grid : grids_) setUpGrid(grid);
  grdLibrary().setSortColumn(0);
  grdSearch().setSortColumn(0);

  const std::span<const ColumnEntry> browser = BrowserLayout();
  // The playlist menus offer neither "#" (first) nor "Path" (last).
  const std::span<const ColumnEntry> playlist = PlaylistLayout().subspan(1, 10);
  for (int menu = 1; menu <= kSortMenuCount; ++menu) {
    SortMenu& m = menuAt(menu);
    m.sortsPlaylist = menu % 2 == 0;
    m.entries.clear();
    for (const ColumnEntry& entry : m.sortsPlaylist ? playlist : browser) {
      m.entries.push_back(SortMenuEntry{std::string(entry.name), false});
    }
  }
}

int TrackTables::LayoutSize(const TrackGrid& grid) const {
  return isBrowserSide(grid) ? kBrowserLayoutSize : kPlaylistLayoutSize;
}

int TrackTables::GridIndex(const TrackGrid& grid) const {
  for (int i = 0; i < kGridCount; ++i) {
    if (&grid == &grids_[static_cast<std::size_t>(i)]) return i;
  }
  return kOtherGridIndex;
}

int TrackTables::ColumnByName(const TrackGrid& grid, std::string_view name) const {
  return grid.findColumn(name, LayoutSize(grid) + kSystemColumnCount);
}

void TrackTables::SetCellByName(TrackGrid& grid, int row, std::string_view value,
                                std::string_view name) {
  const int col = ColumnByName(grid, name);
  if (col >= 0) grid.setCell(row, col, value);
}

std::string TrackTables::RowPath(const TrackGrid& grid, int row) const {
  return grid.cell(row, ColumnByName(grid, kColumnPath));
}

std::string TrackTables::RowID(const TrackGrid& grid, int row) const {
  return grid.cell(row, ColumnByName(grid, kColumnID));
}

int TrackTables::RowByID(const TrackGrid& grid, std::string_view id) const {
  const int index = GridIndex(grid);
  if (index < kGridCount) return idIndexes_[static_cast<std::size_t>(index)]->find(id);
  return grid.findRow(ColumnByName(grid, kColumnID), id);
}

std::string TrackTables::CurrentType() const {
  const TrackGrid& g = grid(active_);
  return g.cell(g.currentRow(), ColumnByName(g, kColumnType));
}

ItemKind TrackTables::RowKind(const TrackGrid& grid, int row) const {
  return RowItem(grid, row).kind;
}

GridItem TrackTables::RowItem(const TrackGrid& grid, int row) const {
  const int typeColumn = ColumnByName(grid, kColumnType);
  // The playlist has no "Type" column: its rows are files, told apart by their extension.
  if (typeColumn < 0) return FileItem(RowPath(grid, row));
  GridItem item;
  item.path = RowPath(grid, row);
  item.type = grid.cell(row, typeColumn);
  item.kind = KindOfType(item.type);
  return item;
}

// --- filling ---------------------------------------------------------------------------------

bool TrackTables::FillRowFromItem(TrackGrid& grid, int row, const GridItem& item) {
  fillError_.clear();
  if (row < 1 || row >= grid.rowCount()) {
    fillError_ = "Grid index out of range";
    return false;
  }
  const bool mp3 = item.kind == ItemKind::Mp3;
  const bool folder = item.kind == ItemKind::Folder;
  recMP3Info info;
  std::int64_t size = 0;
  if (mp3) {
    ReadTrackInfo(analyser_, item.path, info);
    size = info.size;
  } else if (!folder) {
    size = fs_.fileSize(item.path);
    if (size < 0) {
      // Nothing is written: the caller shows the text and stops, keeping earlier rows.
      fillError_ = "Cannot open file \"" + item.path + "\". No such file or directory.";
      return false;
    }
  }
  const std::string fileName = item.fileName();
  SetCellByName(grid, row, fileName, kColumnFileName);
  SetCellByName(grid, row, item.type, kColumnType);
  SetCellByName(grid, row, item.path, kColumnPath);
  recMP3Size& state = MP3Size(grid);
  ++state.LastID;
  SetCellByName(grid, row, std::to_string(state.LastID), kColumnID);
  if (mp3) {
    state.Size += size;
    state.Duration += info.duration;
    ++state.Count;
    FillRowFromInfo(grid, row, info, item.name);
  } else {
    SetCellByName(grid, row, fileName, kColumnTrackName);
    grid.setRowTotals(row, RowTotals());
  }
  if (!folder) {
    SetCellByName(grid, row, SizeText(size), kColumnSize);
    SetCellByName(grid, row, std::to_string(size), kColumnSize2);
  }
  if (grid.tag() == TrackGrid::kEmptyMark) {
    grid.setTag(0);
    grid.setSelectionColour(kSelectionColour);
  }
  return true;
}

void TrackTables::FillRowFromInfo(TrackGrid& grid, int row, const recMP3Info& info,
                                  const std::string& trackName) {
  const std::string name =
      !trackName.empty() ? trackName
                         : ComposeTrackName(info, grid.cell(row, ColumnByName(grid, kColumnFileName)));
  SetCellByName(grid, row, name, kColumnTrackName);
  SetCellByName(grid, row, DurationText(info.duration), kColumnDuration);
  SetCellByName(grid, row, Formatted("%lld kbps", info.bitrate), kColumnBitrate);
  SetCellByName(grid, row, Formatted("%.3lld", info.bitrate), kColumnBitrate2);
  SetCellByName(grid, row, info.title, kColumnTitle);
  SetCellByName(grid, row, info.artist, kColumnArtist);
  SetCellByName(grid, row, info.album, kColumnAlbum);
  SetCellByName(grid, row, info.year, kColumnYear);
  SetCellByName(grid, row, info.genre, kColumnGenre);
  grid.setRowTotals(row, RowTotals{true, info.size, info.duration});
  if (isPlaylist(grid) && pnlHelpVisible_) pnlHelpVisible_ = false;
}

void TrackTables::ClearGrid(TrackGrid& grid) {
  MP3Size(grid) = recMP3Size();
  grid.removeRowRange(2, grid.rowCount() - 2);
  if (grid.rowCount() < 2) grid.addRow();
  grid.blankRow(1);
  // An empty grid has nothing to select; its blank row stays current.
  grid.clearSelection();
  grid.setCurrentRow(1);
  grid.setSelectionColour(grid.background());
  grid.setTag(TrackGrid::kEmptyMark);
}

void TrackTables::MarkEmptyIfNoRows(TrackGrid& grid) {
  if (grid.dataRowCount() > 0) return;
  grid.blankRow(grid.addRow());
  grid.setTag(TrackGrid::kEmptyMark);
}

void TrackTables::Renumber() {
  TrackGrid& playlist = grdPlaylist();
  for (int row = 1; row < playlist.rowCount(); ++row) {
    playlist.setCell(row, kPlaylistNumberColumn, Formatted("%lld.", row));
  }
}

bool TrackTables::CopyRow(const TrackGrid& from, int fromRow, TrackGrid& to, int toRow) {
  if (fromRow < 1 || fromRow >= from.rowCount() || toRow < 1 || toRow >= to.rowCount())
    return false;
  bool sameColumns = from.columnCount() == to.columnCount();
  for (int col = 0; sameColumns && col < to.columnCount(); ++col)
    sameColumns = from.header(col) == to.header(col);
  if (sameColumns) {
    to.copyRowFrom(from, fromRow, toRow);
  } else {
    for (int col = 0; col < to.columnCount(); ++col)
      to.setCell(toRow, col, from.cellView(fromRow, ColumnByName(from, to.header(col))));
    to.setRowTotals(toRow, from.rowTotals(fromRow));
  }
  recMP3Size& state = MP3Size(to);
  ++state.LastID;
  SetCellByName(to, toRow, std::to_string(state.LastID), kColumnID);
  const RowTotals totals = to.rowTotals(toRow);
  if (totals.counted) {
    state.Size += totals.size;
    state.Duration += totals.duration;
    ++state.Count;
  }
  if (to.tag() == TrackGrid::kEmptyMark) {
    to.setTag(0);
    to.setSelectionColour(kSelectionColour);
  }
  return true;
}
