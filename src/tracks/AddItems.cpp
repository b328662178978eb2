#include "tracks/AddItems.h"

#include <vector>

#include "tracks/AddItemsWorker.h"
#include "tracks/PlaylistFile.h"

PlaylistAdder::PlaylistAdder(TrackTables& tables, PlaylistEditor& editor, UserDialogs& dialogs)
    : tables_(tables), editor_(editor), dialogs_(dialogs) {}

bool PlaylistAdder::canAddSelected() {
  const TrackGrid& active = tables_.activeGrid();
  return !adding_ && tables_.isBrowserSide(active) && !active.isEmpty();
}

void PlaylistAdder::actAppendItemExecute() {
  if (canAddSelected()) AddSelectedItems(AddMode::Append);
}

void PlaylistAdder::actAddItemExecute() {
  if (canAddSelected()) AddSelectedItems(AddMode::Insert);
}

void PlaylistAdder::grdPlaylistOleDrop(int row) {
  if (!grdPlaylistOleDragOver(row) || adding_) return;
  if (tables_.activeGridId() == GridId::Playlist) {
    editor_.DropSelectedOn(row);
  } else if (canAddSelected()) {
    AddSelectedItems(AddMode::Append);
  }
}

void PlaylistAdder::AddSelectedItems(AddMode mode) {
  if (adding_) return;
  const std::vector<int> rows = tables_.activeGrid().selectedRows();  // ascending
  if (rows.empty()) return;
  const Reservation reserved = ReserveRows(mode, static_cast<int>(rows.size()));
  if (reserved.count > 0) tables_.grdPlaylist().insertRows(reserved.row, reserved.count);
  adding_ = true;
  AddRows(rows, reserved.row);
  adding_ = false;
  editor_.UpdatePlaylistTotals(true);
}

PlaylistAdder::Reservation PlaylistAdder::ReserveRows(AddMode mode, int items) {
  const TrackGrid& playlist = tables_.grdPlaylist();
  // The empty playlist's blank row is the first reserved row.
  if (playlist.isEmpty()) return {1, items - 1};
  if (mode == AddMode::Append || playlist.selectedCount() == 0) return {playlist.rowCount(), items};
  return {playlist.selectedRows().back() + 1, items};
}

void PlaylistAdder::AddRows(const std::vector<int>& rows, int firstRow) {
  TrackGrid& source = tables_.activeGrid();
  AddItemsWorker worker(tables_, dialogs_);
  worker.Tag = firstRow;
  worker.ReservedRows = static_cast<int>(rows.size());
  worker.Show();
  for (int row : rows) {
    if (worker.Stopped()) break;
    worker.AddItem(tables_.RowItem(source, row));
    source.setRowTextColour(row, kAddedTextColour);
    dialogs_.processEvents();
  }
  worker.GiveBackUnusedRows();
  if (worker.MissingCount() > 0) dialogs_.inform(MissingFilesMessage(worker.MissingCount()));
}
