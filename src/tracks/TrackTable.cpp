#include "tracks/TrackTable.h"

#include <cstdio>
#include <string>

#include "tracks/ItemText.h"
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
  return grid.cell(row, ColumnByName(grid, "Path"));
}

std::string TrackTables::RowID(const TrackGrid& grid, int row) const {
  return grid.cell(row, ColumnByName(grid, kColumnID));
}

int TrackTables::RowByID(const TrackGrid& grid, std::string_view id) const {
  return grid.findRow(ColumnByName(grid, kColumnID), id);
}

std::string TrackTables::CurrentType() const {
  const TrackGrid& g = grid(active_);
  return g.cell(g.currentRow(), ColumnByName(g, "Type"));
}

// --- filling ---------------------------------------------------------------------------------

bool TrackTables::FillRowFromItem(TrackGrid& grid, int row, const std::string& item) {
  fillError_.clear();
  if (row < 1 || row >= grid.rowCount()) {
    fillError_ = "Grid index out of range";
    return false;
  }
  const ItemText parts = ParseItemText(item);
  const bool mp3 = parts.type == "MP3";
  recMP3Info info;
  std::int64_t size = 0;
  if (mp3) {
    ReadTrackInfo(analyser_, parts.path, info);
    size = info.size;
  } else if (!parts.folder) {
    size = fs_.fileSize(parts.path);
    if (size < 0) {
      // Nothing is written: the caller shows the text and stops, keeping earlier rows.
      fillError_ = "Cannot open file \"" + parts.path + "\". No such file or directory.";
      return false;
    }
  }
  SetCellByName(grid, row, parts.fileName, "File Name");
  SetCellByName(grid, row, parts.type, "Type");
  SetCellByName(grid, row, parts.path, "Path");
  recMP3Size& state = MP3Size(grid);
  ++state.LastID;
  SetCellByName(grid, row, std::to_string(state.LastID), kColumnID);
  if (mp3) {
    state.Size += size;
    state.Duration += info.duration;
    ++state.Count;
    FillRowFromInfo(grid, row, info, parts.name);
  } else {
    SetCellByName(grid, row, parts.fileName, "Track Name");
  }
  if (!parts.folder) {
    SetCellByName(grid, row, SizeText(size), "Size");
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
                         : ComposeTrackName(info, grid.cell(row, ColumnByName(grid, "File Name")));
  SetCellByName(grid, row, name, "Track Name");
  SetCellByName(grid, row, DurationText(info.duration), "Duration");
  SetCellByName(grid, row, Formatted("%lld kbps", info.bitrate), "Bitrate");
  SetCellByName(grid, row, Formatted("%.3lld", info.bitrate), kColumnBitrate2);
  SetCellByName(grid, row, info.title, "Title");
  SetCellByName(grid, row, info.artist, "Artist");
  SetCellByName(grid, row, info.album, "Album");
  SetCellByName(grid, row, info.year, "Year");
  SetCellByName(grid, row, info.genre, "Genre");
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
