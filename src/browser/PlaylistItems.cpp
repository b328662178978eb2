#include "browser/PlaylistItems.h"

#include <string_view>
#include <vector>

#include "tracks/PlaylistFile.h"
#include "tracks/TrackColumns.h"
#include "tracks/TrackTexts.h"

namespace {

constexpr int kLastColumnWidth = 200;

}  // namespace

PlaylistItems::PlaylistItems(TrackTables& tables) : tables_(tables) { FormCreate(); }

void PlaylistItems::FormCreate() {
  const auto layout = PlaylistLayout();
  const int count = static_cast<int>(layout.size());
  grid_.setColumnCount(count);
  for (int col = 0; col < count; ++col) {
    grid_.setHeader(col, layout[static_cast<std::size_t>(col)].name);
    grid_.setColumnWidth(col, layout[static_cast<std::size_t>(col)].width);
  }
  grid_.setColumnWidth(count - 1, kLastColumnWidth);
  grid_.setBackground(kWhite);
  grid_.setHeaderColour(kWhite);
  grid_.setTextColour(kBlack);
  // Empty: the blank row must not look selected.
  grid_.setSelectionColour(kWhite);
  grid_.setTag(TrackGrid::kEmptyMark);
}

bool PlaylistItems::Fill(const std::string& playlistPath, UserDialogs& dialogs) {
  recMP3Size& totals = tables_.MP3Size(kOtherGridIndex);
  totals.Count = 0;
  totals.Duration = 0.0;
  totals.Size = 0;
  std::vector<std::string> entries;
  const PlaylistReadResult read = ReadPlaylistFile(playlistPath, entries, tables_.fileSystem());
  if (read.error) {
    dialogs.error(*read.error);
    return false;
  }
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const int row = i == 0 ? grid_.rowCount() - 1 : grid_.addRow();
    grid_.setCell(row, 0, std::to_string(i + 1));
    if (!tables_.FillRowFromItem(grid_, row, EntryItem(entries[i]))) {
      dialogs.error(tables_.FillError());
      return false;
    }
  }
  ShowTotals();
  return true;
}

void PlaylistItems::ShowTotals() {
  const recMP3Size& totals = tables_.MP3Size(kOtherGridIndex);
  lblInfo_ = TotalsLine("Total", "tracks", totals.Count, totals.Duration, totals.Size);
}

CellAlignment grdPLItemsGetAlignment(const TrackGrid& grid, int col) {
  return AlignmentOfColumn(grid.header(col));
}

void ShowPlaylistItems(TrackTables& tables, UserDialogs& dialogs, PlaylistItemsDialog& viewer) {
  TrackGrid& active = tables.activeGrid();
  const std::string path = tables.RowPath(active, active.currentRow());
  PlaylistItems items(tables);
  if (!items.Fill(path, dialogs)) return;
  viewer.showPlaylistItems(items.grdPLItems(), items.lblInfo());
}
