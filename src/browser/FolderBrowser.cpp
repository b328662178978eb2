#include "browser/FolderBrowser.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "tracks/TrackTexts.h"

namespace {

std::string WithSlash(const std::string& folder) {
  return folder.ends_with('/') ? folder : folder + "/";
}

}  // namespace

FolderBrowser::FolderBrowser(TrackTables& tables, UserDialogs& dialogs, platform::FileSystem& fs)
    : tables_(tables), dialogs_(dialogs), fs_(fs) {}

void FolderBrowser::lstFoldersChange(const std::string& path) {
  if (path.empty() || !fs_.directoryExists(path)) return;
  selectedFolder_ = path;
  timerEnabled_ = true;
}

void FolderBrowser::tmrTimer() {
  listingCancel_ = true;
  if (!listingIdle_) return;  // the running listing stops at its next entry; a later tick lists
  timerEnabled_ = false;
  ListFolder();
}

void FolderBrowser::ListFolder() {
  // Never a listing inside a running one (nor before the window is created).
  if (!listingIdle_ || selectedFolder_.empty()) return;
  const std::string folder = selectedFolder_;
  // Refused before anything changes, so the previous listing stays in view.
  if (fs_.directoryAccessRefused(folder)) {
    dialogs_.error("Cannot open folder \"" + folder + "\". Permission denied.");
    return;
  }
  tables_.ClearGrid(tables_.grdBrowser());
  listingIdle_ = false;
  listingCancel_ = false;
  lblInfo_.clear();
  PassEnd end = ListPass(folder, "*.*", ListingKind::Folders);
  if (end == PassEnd::Cancelled) return;  // the totals line stays empty
  if (end == PassEnd::Done) end = ListPass(folder, BuildMask(), ListingKind::Files);
  if (end == PassEnd::Cancelled) return;
  listingIdle_ = true;
  ShowBrowserTotals();
}

FolderBrowser::PassEnd FolderBrowser::ListPass(const std::string& folder, const std::string& masks,
                                               ListingKind kind) {
  std::vector<std::string> names;
  ReadFolderEntries(fs_, folder, masks, kind, names);  // an unreadable folder lists nothing

  TrackGrid& grid = tables_.grdBrowser();
  int row = grid.isEmpty() ? 1 : grid.rowCount();
  const int listed = static_cast<int>(names.size());
  // The grid grows once by the rows of this pass; an empty grid's blank row takes the first.
  if (listed > 0) grid.setRowCount(row + listed);

  const std::string parent = WithSlash(folder);
  for (const std::string& name : names) {
    if (listingCancel_) {
      listingIdle_ = true;
      grid.setRowCount(std::max(row, 2));  // no blank rows are left behind
      return PassEnd::Cancelled;
    }
    const GridItem item =
        kind == ListingKind::Folders ? FolderItem(parent, name) : FileItem(parent + name);
    if (!tables_.FillRowFromItem(grid, row, item)) {
      // The file went away while the folder was listed: keep the rows filled so far.
      grid.setRowCount(std::max(row, 2));
      listingIdle_ = true;
      dialogs_.error(tables_.FillError());
      return PassEnd::Failed;
    }
    ++row;
    dialogs_.processEvents();
  }
  return PassEnd::Done;
}

std::string FolderBrowser::BuildMask() const {
  std::string mask = mniFilter1 ? "*.mp3" : "";
  if (!mask.empty()) mask += ";";
  if (mniFilter2) mask += "*.pls;*.m3u";
  return mask;
}

void FolderBrowser::mniFilter1Click() {
  if (!listingIdle_) {
    // The timer stops the running listing and lists again with the new mask.
    timerEnabled_ = true;
    listingCancel_ = true;
    return;
  }
  ListFolder();
}

void FolderBrowser::ShowBrowserTotals() {
  TrackGrid& grid = tables_.shownBrowserGrid();
  if (grid.selectedCount() > 1) {
    std::int32_t count = 0;
    double duration = 0;
    std::int64_t size = 0;
    // The numbers each MP3 row kept when it was filled: a selection of a big library is summed
    // at once, without reading every file again.
    for (const int row : grid.selectedRows()) {
      const RowTotals totals = grid.rowTotals(row);
      if (!totals.counted) continue;
      ++count;
      duration += totals.duration;
      size += totals.size;
    }
    if (count != 0) {
      lblInfo_ = TotalsLine("Selected", "MP3s", count, duration, size);
      return;
    }
  }
  const recMP3Size& totals = tables_.MP3Size(grid);
  lblInfo_ = TotalsLine("Total", "MP3s", totals.Count, totals.Duration, totals.Size);
}

void FolderBrowser::rbtFolderClick() {
  if (hooks.ShowFolderTreePage) hooks.ShowFolderTreePage();
  ShowBrowserTotals();
}

void FolderBrowser::pnlFolderClick() {
  if (!folderTreeShown()) rbtFolderClick();
}

RowIcon FolderBrowser::rowIcon(int row) const {
  const TrackGrid& grid = tables_.grid(GridId::Browser);
  if (grid.isEmpty() || row < 1 || row >= grid.rowCount()) return RowIcon::None;
  switch (tables_.RowKind(grid, row)) {
    case ItemKind::Folder: return RowIcon::Folder;
    case ItemKind::Mp3: return RowIcon::Mp3;
    case ItemKind::OtherFile: return RowIcon::Other;
  }
  return RowIcon::Other;
}

void FolderBrowser::OpenCurrentRow() {
  TrackGrid& grid = tables_.activeGrid();
  const int row = grid.currentRow();
  if (grid.isEmpty() || row < 1) return;
  // Every playlist row is a track.
  const ItemKind kind = tables_.isPlaylist(grid) ? ItemKind::Mp3 : KindOfType(tables_.CurrentType());
  switch (kind) {
    case ItemKind::Mp3:
      if (hooks.PlayTrack) hooks.PlayTrack(grid, tables_.RowID(grid, row));
      break;
    case ItemKind::OtherFile:
      if (hooks.ShowPlaylistItems) hooks.ShowPlaylistItems();
      break;
    case ItemKind::Folder:
      openFolderRow(grid, row);
      break;
  }
}

void FolderBrowser::openFolderRow(TrackGrid& grid, int row) {
  grid.deselectRow(row);
  const std::string path = tables_.RowPath(grid, row);
  if (!fs_.directoryExists(path)) {
    // The tree cannot select it; tree and listing stay as they are.
    dialogs_.error("Cannot find folder \"" + path + "\".");
    return;
  }
  if (hooks.SelectFolderInTree) hooks.SelectFolderInTree(path);
}

void FolderBrowser::grdBrowserDblClick(int row) {
  if (row <= 0) return;  // the header row
  if (!tables_.activeGrid().isEmpty()) OpenCurrentRow();
}

// Whether the row joined or left the selection, the totals line follows it: refreshing only
// when a row left would leave the line describing a selection that no longer holds.
void FolderBrowser::grdBrowserRowDisjunctSelected() { ShowBrowserTotals(); }
