#pragma once

#include <string>

#include "dialogs/UserDialogs.h"
#include "tracks/TrackTable.h"

// The viewer's rows are taller than the main window's.
inline constexpr int kPLItemsRowHeight = 21;

// The playlist items viewer as the shell shows it, modal: the grid of a playlist file's entries
// (read-only) and its totals line. Returns when the person closes it.
class PlaylistItemsDialog {
 public:
  virtual ~PlaylistItemsDialog() = default;
  virtual void showPlaylistItems(TrackGrid& grid, const std::string& totals) = 0;
};

// What the playlist items viewer shows: grdPLItems, a track grid of a playlist file's entries
// with the twelve playlist columns (all visible, no system columns), and the totals line
// lblInfo. Its rows are filled like any grid's, with the per-grid state of "any other grid".
class PlaylistItems {
 public:
  // Sets up the grid's columns and colours (the dialog's FormCreate).
  explicit PlaylistItems(TrackTables& tables);
  PlaylistItems(const PlaylistItems&) = delete;
  PlaylistItems& operator=(const PlaylistItems&) = delete;

  TrackGrid& grdPLItems() { return grid_; }
  const std::string& lblInfo() const { return lblInfo_; }

  // Resets the viewer's totals and shows the entries of the playlist file whose file exists,
  // numbered 1, 2, 3 …; missing ones are left out. False after showing the error when the
  // file or one of its tracks cannot be read.
  bool Fill(const std::string& playlistPath, UserDialogs& dialogs);

 private:
  void FormCreate();
  void ShowTotals();

  TrackTables& tables_;
  TrackGrid grid_;
  std::string lblInfo_ = "Total: 0 tracks | 0:00 | 0";
};

// As in the main grids.
CellAlignment grdPLItemsGetAlignment(const TrackGrid& grid, int col);

// The viewer, modal, for the playlist file of the active grid's current row.
void ShowPlaylistItems(TrackTables& tables, UserDialogs& dialogs, PlaylistItemsDialog& viewer);
