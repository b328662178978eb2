#include "browser/LibraryView.h"

#include <algorithm>
#include <utility>

#include "browser/LibrarySearch.h"
#include "search/DriveScan.h"

LibraryView::LibraryView(TrackTables& tables, FolderBrowser& browser, UserDialogs& dialogs,
                         platform::FileSystem& fs, platform::MountTable& mounts)
    : tables_(tables), browser_(browser), dialogs_(dialogs), fs_(fs), mounts_(mounts) {}

// --- the view switch ---------------------------------------------------------------------------

void LibraryView::rbtLibraryClick() {
  if (libraryShown()) return;
  // Empty is how a library that was never built shows itself.
  if (tables_.grdLibrary().isEmpty()) {
    BuildLibrary();
    return;
  }
  if (hooks.ShowLibraryPage) hooks.ShowLibraryPage(false);
  if (hooks.ActivateBrowserSide) hooks.ActivateBrowserSide();
  browser_.ShowBrowserTotals();
}

void LibraryView::pnlLibraryClick() {
  if (!libraryShown()) rbtLibraryClick();
}

// --- the library -------------------------------------------------------------------------------

ScanPlaces LibraryView::scanPlaces() {
  if (!folders_.empty()) return FolderScanList(folders_, mounts_);
  return BuildScanList(fs_, mounts_);
}

void LibraryView::BuildLibrary() {
  TrackGrid& library = tables_.grdLibrary();
  tables_.ClearGrid(library);
  if (hooks.ShowLibraryPage) hooks.ShowLibraryPage(false);
  if (hooks.ActivateBrowserSide) hooks.ActivateBrowserSide();
  browser_.setLblInfo("");

  DriveScan scan(dialogs_, fs_);
  scan.EventInterval = EventInterval;
  scan.OnFile = [this, &scan](const std::string& path) {
    return AddLibraryRow(scan.FoundCount() + 1, path);
  };
  scan.FormCreate(scanPlaces());
  scan.ShowModal();
  // The blank rows of the last step go; an empty library keeps its one blank row.
  library.setRowCount(std::max(scan.FoundCount() + 1, 2));
  browser_.ShowBrowserTotals();
}

bool LibraryView::AddLibraryRow(int row, const std::string& path) {
  TrackGrid& library = tables_.grdLibrary();
  if (library.dataRowCount() < row) library.insertRows(library.rowCount(), kLibraryRowStep);
  return tables_.FillRowFromItem(library, row, FileItem(path));
}

// --- the search --------------------------------------------------------------------------------

void LibraryView::SearchLibrary() {
  if (searching_) {
    searchAgain_ = true;  // the running search stops at its next events and starts over
    return;
  }
  searching_ = true;
  do searchAgain_ = false;
  while (!RunSearch());
  searching_ = false;
}

bool LibraryView::RunSearch() {
  const std::string text = SearchText(edtSearch_);
  if (text.empty()) {
    if (hooks.ShowLibraryPage) hooks.ShowLibraryPage(false);
    if (hooks.ActivateBrowserSide) hooks.ActivateBrowserSide();
    browser_.ShowBrowserTotals();
    return true;
  }
  TrackGrid& results = tables_.grdSearch();
  const TrackGrid& library = tables_.grdLibrary();
  tables_.ClearGrid(results);
  if (hooks.ShowLibraryPage) hooks.ShowLibraryPage(true);
  if (hooks.ActivateBrowserSide) hooks.ActivateBrowserSide();

  // The matching rows first, then one step to fill them in: rows are copied, not read again.
  RowMatcher matcher(text);
  EventPacer pacer(EventInterval);
  std::vector<int> hits;
  for (int row = 1; !library.isEmpty() && row < library.rowCount(); ++row) {
    if (matcher.matches(library, row)) hits.push_back(row);
    if (!pacer.due()) continue;
    dialogs_.processEvents();
    if (searchAgain_) return false;
  }
  const int count = static_cast<int>(hits.size());
  if (count > 0) results.setRowCount(count + 1);  // the empty grid's blank row takes the first
  for (int i = 0; i < count; ++i)
    tables_.CopyRow(library, hits[static_cast<std::size_t>(i)], results, i + 1);
  browser_.ShowBrowserTotals();
  return true;
}

void LibraryView::btnClearClick() {
  edtSearch_.clear();
  SearchLibrary();
}

// --- library folders ---------------------------------------------------------------------------

void LibraryView::useFoldersFile(std::string file) {
  foldersFile_ = std::move(file);
  folders_ =
      foldersFile_.empty() ? std::vector<std::string>() : ReadLibraryFolders(fs_, foldersFile_);
}

bool LibraryView::setLibraryFolders(const std::vector<std::string>& folders) {
  folders_ = CleanLibraryFolders(folders);
  if (foldersFile_.empty() || WriteLibraryFolders(fs_, foldersFile_, folders_)) return true;
  dialogs_.error("Cannot write file \"" + foldersFile_ +
                 "\". The library folders are used until the program ends.");
  return false;
}

void LibraryView::btnFoldersClick(LibraryFoldersDialog& dialog) {
  if (searching_) return;
  const std::optional<std::vector<std::string>> chosen = dialog.editLibraryFolders(folders_);
  if (!chosen || CleanLibraryFolders(*chosen) == folders_) return;
  setLibraryFolders(*chosen);
  BuildLibrary();
}
