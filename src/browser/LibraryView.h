#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "browser/FolderBrowser.h"
#include "browser/LibraryFolders.h"
#include "dialogs/EventPacer.h"
#include "dialogs/UserDialogs.h"
#include "platform/FileSystem.h"
#include "platform/MountTable.h"
#include "search/ScanList.h"
#include "tracks/TrackTable.h"

// The rows the library grid grows by while a scan fills it; trimmed once at the end.
inline constexpr int kLibraryRowStep = 200;

// What the library view asks of the rest of the window. The window sets them; an unset hook
// does nothing.
struct LibraryHooks {
  // Shows the Library page of the browser, with grdSearch covering grdLibrary or not.
  std::function<void(bool searchShown)> ShowLibraryPage;
  // ActivatePanel(false): the grid the browser side shows becomes the active grid.
  std::function<void()> ActivateBrowserSide;
};

// The Library view of the browser without any widget: the switch to it, the library of every
// MP3 and playlist file found by a scan (grdLibrary), built the first time the view is shown
// and whenever it is found empty then, the search of the library into grdSearch, and the
// library folders that take the place of the local disks when set.
class LibraryView {
 public:
  LibraryView(TrackTables& tables, FolderBrowser& browser, UserDialogs& dialogs,
              platform::FileSystem& fs = platform::localFileSystem(),
              platform::MountTable& mounts = platform::localMountTable());
  LibraryView(const LibraryView&) = delete;
  LibraryView& operator=(const LibraryView&) = delete;

  LibraryHooks hooks;
  // How often the scan and the search let window events run.
  std::chrono::milliseconds EventInterval = kEventInterval;

  // --- the view switch --------------------------------------------------------------------
  bool libraryShown() const { return tables_.shownBrowserGridId() != GridId::Browser; }
  // The radio button "Library": shows the library (never old search results), building it
  // first when it is empty. Nothing while the view is shown.
  void rbtLibraryClick();
  // The label "Library": as the radio button, unless the view is shown.
  void pnlLibraryClick();

  // --- the library ---------------------------------------------------------------------------
  // Empties grdLibrary, shows the view with it active and fills it through the scan dialog:
  // the library folders, else the local disks. Cancel keeps what was found.
  void BuildLibrary();
  // Where BuildLibrary scans.
  ScanPlaces scanPlaces();

  // --- the search ----------------------------------------------------------------------------
  // The search box's text.
  const std::string& edtSearch() const { return edtSearch_; }
  void setEdtSearch(std::string text) { edtSearch_ = std::move(text); }
  // Lists the library rows that match the search box's text in grdSearch, shown over the
  // library; an empty text shows the library again. A search asked for while one runs (from
  // the events it lets run) stops that one and starts over with the box's text.
  void SearchLibrary();
  bool searching() const { return searching_; }
  // "Search", and Enter in the search box (which inserts nothing).
  void btnSearchClick() { SearchLibrary(); }
  void edtSearchEnter() { SearchLibrary(); }
  // "Clear": empties the search box and shows the library.
  void btnClearClick();

  // --- library folders -----------------------------------------------------------------------
  // Reads the remembered list from file, where it is kept from now on ("": not kept).
  void useFoldersFile(std::string file);
  const std::vector<std::string>& libraryFolders() const { return folders_; }
  // Sets the list and writes it to the file; false, after showing the error, when it could not
  // be written (the list holds for this run all the same). An empty list: the local disks.
  bool setLibraryFolders(const std::vector<std::string>& folders);
  // "Folders...": the list in its dialog; a changed list builds the library anew. Nothing while
  // a search runs.
  void btnFoldersClick(LibraryFoldersDialog& dialog);

 private:
  // One search; false when another was asked for meanwhile.
  bool RunSearch();
  // Fills row `row` of grdLibrary with a file the scan found, growing the grid when needed;
  // false when the file went away.
  bool AddLibraryRow(int row, const std::string& path);

  TrackTables& tables_;
  FolderBrowser& browser_;
  UserDialogs& dialogs_;
  platform::FileSystem& fs_;
  platform::MountTable& mounts_;
  std::string edtSearch_;
  std::string foldersFile_;
  std::vector<std::string> folders_;
  bool searching_ = false;
  bool searchAgain_ = false;
};
