#pragma once

#include <functional>
#include <string>
#include <utility>

#include "search/FolderListing.h"
#include "platform/FileSystem.h"
#include "tracks/TrackTable.h"
#include "dialogs/UserDialogs.h"

// The icon before the first cell of a grdBrowser row (the window's image list).
enum class RowIcon { None = -1, Folder = 0, Mp3 = 1, Other = 2 };

// What the browser asks of the rest of the window. The window sets them; an unset hook does
// nothing.
struct BrowserHooks {
  // Plays the item of the grid with the given "ID" (the player).
  std::function<void(TrackGrid& grid, const std::string& id)> PlayTrack;
  // Shows the playlist items viewer for the active grid's current row.
  std::function<void()> ShowPlaylistItems;
  // Selects the folder in the tree, expanding the tree to it, and gives the tree the keyboard
  // focus. The tree's selection change then reaches lstFoldersChange.
  std::function<void(const std::string& path)> SelectFolderInTree;
  // Shows the Folder Tree page of the browser (the window's view state).
  std::function<void()> ShowFolderTreePage;
};

// The Folder Tree view of the browser without any widget: the refresh timer's protocol with
// the listing's idle and cancel flags, the listing of the selected folder into grdBrowser,
// the two filters, the browser's totals line, the row icons, and opening a grid's current row.
//
// The shell runs a 5 ms timer while timerEnabled() is true and calls tmrTimer() on each tick;
// ticks may arrive while a listing runs (from inside its processEvents) and are meant to.
class FolderBrowser {
 public:
  FolderBrowser(TrackTables& tables, UserDialogs& dialogs,
                platform::FileSystem& fs = platform::localFileSystem());
  FolderBrowser(const FolderBrowser&) = delete;
  FolderBrowser& operator=(const FolderBrowser&) = delete;

  BrowserHooks hooks;

  // The two filter settings "Show MP3 Files" and "Show Playlists"; both on at start.
  bool mniFilter1 = true;
  bool mniFilter2 = true;

  // --- listing flags --------------------------------------------------------------------
  // Run once when the window is created: no listing runs.
  void MarkListingIdle() { listingIdle_ = true; }
  bool listingIdle() const { return listingIdle_; }

  // --- tree selection and refresh timer ---------------------------------------------------
  // The tree's selection changed to a node with this file-system path (empty for a node
  // without one). An existing folder becomes the selected folder and enables the timer;
  // anything else changes nothing.
  void lstFoldersChange(const std::string& path);
  const std::string& selectedFolder() const { return selectedFolder_; }
  bool timerEnabled() const { return timerEnabled_; }
  // One tick: asks a running listing to stop; when idle, disables the timer and lists.
  void tmrTimer();

  // --- listing ------------------------------------------------------------------------------
  // Lists the selected folder into grdBrowser: its subfolders, then its files of the filters,
  // each by name, then the totals. A folder the platform refuses (no permission) is reported
  // and the grid keeps its rows; one that cannot be read lists nothing. Does nothing while a
  // listing runs.
  void ListFolder();
  // The file mask of the filters: "*.mp3;*.pls;*.m3u", "*.mp3;", "*.pls;*.m3u" or "".
  std::string BuildMask() const;
  // After a filter setting was toggled: the selected folder is listed again.
  void mniFilter1Click();

  // --- totals line --------------------------------------------------------------------------
  // lblInfo for the shown browser grid: the MP3s of a selection of several rows (as their rows
  // were filled), else the grid's running totals.
  void ShowBrowserTotals();
  const std::string& lblInfo() const { return lblInfo_; }
  void setLblInfo(std::string text) { lblInfo_ = std::move(text); }

  // --- views and rows -----------------------------------------------------------------------
  // The radio button "Folder Tree" was clicked: shows that page and its totals.
  void rbtFolderClick();
  // The label "Folder Tree" was clicked: as the radio button, unless that view is shown.
  void pnlFolderClick();
  bool folderTreeShown() const { return tables_.shownBrowserGridId() == GridId::Browser; }
  // The icon of a row of grdBrowser; None for the blank row of an empty grid.
  RowIcon rowIcon(int row) const;
  // Enter or double-click on the active grid: plays an MP3 row, shows a playlist file's items,
  // or selects a folder row's folder in the tree.
  void OpenCurrentRow();
  // A double-click on a row of any track grid (0 is the header row).
  void grdBrowserDblClick(int row);
  // The selection of a browser-side grid changed.
  void grdBrowserSelectionChanged() { ShowBrowserTotals(); }
  // A Ctrl-click changed a single row's selection.
  void grdBrowserRowDisjunctSelected();

 private:
  enum class PassEnd { Done, Cancelled, Failed };

  PassEnd ListPass(const std::string& folder, const std::string& masks, ListingKind kind);
  void openFolderRow(TrackGrid& grid, int row);

  TrackTables& tables_;
  UserDialogs& dialogs_;
  platform::FileSystem& fs_;
  std::string selectedFolder_;
  std::string lblInfo_ = "Total:";
  bool timerEnabled_ = false;
  bool listingIdle_ = false;
  bool listingCancel_ = false;
};
