#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "metadata/TrackInfo.h"
#include "tracks/MRNG.h"
#include "tracks/TrackTable.h"
#include "dialogs/UserDialogs.h"

enum class MoveMode { Up, Down, ToTop, ToBottom, Drop };

// The stored shortcut Delete of "Remove Selected"; 0 means no shortcut.
inline constexpr int kRemoveSelectedShortcut = 46;

// The playlist side of the window while the user reorders, prunes and renames its rows:
// position numbers, the totals line, the removal, grouping, moving and shuffling commands, and
// the in-place editing of a track name. Commands (act…Execute) check their guard and do
// nothing, silently, when it fails; the operations behind them assume it holds.
class PlaylistEditor {
 public:
  using TickSource = std::function<std::uint32_t()>;

  // The generator is the window's one; ticks seeds it (the monotonic clock by default).
  PlaylistEditor(TrackTables& tables, UserDialogs& dialogs, Mrng& random,
                 TickSource ticks = nullptr);
  PlaylistEditor(const PlaylistEditor&) = delete;
  PlaylistEditor& operator=(const PlaylistEditor&) = delete;

  // --- state the window shows ----------------------------------------------------------------
  const std::string& lblInfo2() const { return lblInfo2_; }  // the totals line
  bool editingTrackName() const { return editing_; }
  int removeSelectedShortcut() const { return editing_ ? 0 : kRemoveSelectedShortcut; }

  // --- guards, also for enabling menu entries ------------------------------------------------
  bool holdsItemsWithSelection();  // Remove Selected, Crop Selected, Edit Track Name
  bool hasTotalSize();             // Remove All, Remove Missing Files
  bool moreThanOneSelected();      // Group Selected
  bool atLeastTwoRows();           // Reverse Order, Randomize Order

  // --- commands ------------------------------------------------------------------------------
  void actRemoveSelExecute();
  void actRemoveAllExecute();
  void actRemoveMissExecute();
  void actCropExecute();
  void actGroupExecute();
  void actMoveUpExecute() { MoveSelected(MoveMode::Up); }
  void actMoveDownExecute() { MoveSelected(MoveMode::Down); }
  void actMoveTopExecute() { MoveSelected(MoveMode::ToTop); }
  void actMoveBottomExecute() { MoveSelected(MoveMode::ToBottom); }
  void actReverseOrderExecute();
  void actRandomizeOrderExecute();
  void actEditTrackNameExecute();

  // --- grid events ---------------------------------------------------------------------------
  // The selected range changed.
  void grdPlaylistSelectionChanged() { UpdatePlaylistTotals(false); }
  // A Ctrl+click toggled a row.
  void grdPlaylistRowDisjunctSelected();
  // The current cell is about to change: ends the editing of a track name.
  void grdPlaylistCellChanging();
  // The cell editor commits text: every text is accepted and stays in the cell.
  bool grdPlaylistCellValidate(int row, int col, const std::string& text);
  // Enter on the playlist or Esc while a track name is edited.
  void EndTrackNameEditing();
  // Playlist rows dragged onto the playlist and dropped on row target; a target of rowCount()
  // (one past the last data row: the space below it) moves them to the end.
  void DropSelectedOn(int target) { MoveSelected(MoveMode::Drop, target); }

  // --- operations ----------------------------------------------------------------------------
  void Renumber() { tables_.Renumber(); }
  void UpdatePlaylistTotals(bool renumber);
  void RemoveSelected();
  void RemoveAll();
  void CropSelected();
  // Refills the rows whose file exists, paints the others red and, when remove is set,
  // removes them. Returns the number of missing rows.
  int CheckMissingFiles(bool remove);
  void GroupSelected();
  // target: the drop row, for MoveMode::Drop only.
  void MoveSelected(MoveMode mode, int target = 0);
  void ReverseOrder();
  void RandomizeOrder();
  void SetTrackNameEditing(bool on);

 private:
  TrackGrid& playlist() { return tables_.grdPlaylist(); }
  recMP3Size& totals() { return tables_.MP3Size(static_cast<int>(GridId::Playlist)); }
  // The file's record when the row's path names an MP3 file.
  bool ReadMP3Row(int row, recMP3Info& info);
  // Running totals computed afresh from the rows' files.
  void RecountTotals();
  int ShiftOf(MoveMode mode, int target, int first, int last);

  TrackTables& tables_;
  UserDialogs& dialogs_;
  Mrng& random_;
  TickSource ticks_;
  std::string lblInfo2_;
  bool editing_ = false;
  int editedRow_ = -1;
};
