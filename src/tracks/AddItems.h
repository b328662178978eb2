#pragma once

#include "tracks/PlaylistEditor.h"
#include "tracks/TrackTable.h"
#include "dialogs/UserDialogs.h"

// Where AddSelectedItems puts the items: after the playlist's last row, or after its last
// selected row.
enum class AddMode { Append, Insert };

// The text colour of a browser row whose item was added.
inline constexpr Colour kAddedTextColour = Bgr(192, 255, 255);

// The commands that put the active browser-side grid's selected items into the playlist:
// Append (Ctrl+Enter), Add (Shift+Enter) and the drop on the playlist. Commands check their
// guard and do nothing, silently, when it fails.
class PlaylistAdder {
 public:
  PlaylistAdder(TrackTables& tables, PlaylistEditor& editor, UserDialogs& dialogs);
  PlaylistAdder(const PlaylistAdder&) = delete;
  PlaylistAdder& operator=(const PlaylistAdder&) = delete;

  // Guard of Append and Add, also for enabling their menu entries: the active grid is a
  // browser-side grid holding items, and no adding is under way.
  bool canAddSelected();
  // Whether an add runs (it lets queued events run, so gestures can arrive meanwhile).
  bool adding() const { return adding_; }

  void actAppendItemExecute();  // Ctrl+Enter
  void actAddItemExecute();     // Shift+Enter
  // Dragging over the playlist: a drop is allowed anywhere below the header: on a data row, or
  // below the last one (row is then rowCount() of the playlist).
  static bool grdPlaylistOleDragOver(int row) { return row > 0; }
  // Rows dropped on playlist row `row`. From the playlist itself (the active grid): its
  // selected rows move there, or to the end when dropped below the last row. From a
  // browser-side grid: its selected items are appended, wherever they were dropped.
  void grdPlaylistOleDrop(int row);

  // Reserves one playlist row per selected item of the active grid, fills them through the
  // add-items dialog in the order of the source rows, marks the source rows as added, reports
  // missing playlist entries, and renumbers the playlist and refreshes its totals.
  void AddSelectedItems(AddMode mode);

 private:
  struct Reservation {
    int row = 0;    // the first reserved row
    int count = 0;  // rows to insert there (the empty playlist's blank row is one already)
  };
  Reservation ReserveRows(AddMode mode, int items);
  void AddRows(const std::vector<int>& rows, int firstRow);

  TrackTables& tables_;
  PlaylistEditor& editor_;
  UserDialogs& dialogs_;
  bool adding_ = false;
};
