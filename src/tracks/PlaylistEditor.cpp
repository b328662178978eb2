#include "tracks/PlaylistEditor.h"

#include <algorithm>
#include <numeric>
#include <utility>
#include <vector>

#include "platform/Clock.h"
#include "tracks/TrackColumns.h"
#include "tracks/TrackTexts.h"

namespace {

constexpr char kRemoveAllQuestion[] = "Are you sure you want to Remove All?";
constexpr char kCropQuestion[] = "Are you sure you want to Crop Selected?";
constexpr char kRandomizeQuestion[] = "Are you sure you want to Randomize Order?";

}  // namespace

PlaylistEditor::PlaylistEditor(TrackTables& tables, UserDialogs& dialogs, Mrng& random,
                               TickSource ticks)
    : tables_(tables),
      dialogs_(dialogs),
      random_(random),
      ticks_(ticks ? std::move(ticks) : TickSource(platform::TickCount)),
      lblInfo2_("Total: 0 tracks | 0:00 | 0") {}

// --- guards ----------------------------------------------------------------------------------

bool PlaylistEditor::holdsItemsWithSelection() {
  return !playlist().isEmpty() && playlist().selectedCount() > 0;
}

bool PlaylistEditor::hasTotalSize() { return totals().Size != 0; }

bool PlaylistEditor::moreThanOneSelected() { return playlist().selectedCount() > 1; }

bool PlaylistEditor::atLeastTwoRows() { return playlist().dataRowCount() >= 2; }

// --- commands --------------------------------------------------------------------------------

void PlaylistEditor::actRemoveSelExecute() {
  if (holdsItemsWithSelection()) RemoveSelected();
}

void PlaylistEditor::actRemoveAllExecute() {
  if (hasTotalSize()) RemoveAll();
}

void PlaylistEditor::actRemoveMissExecute() {
  if (hasTotalSize()) CheckMissingFiles(true);
}

void PlaylistEditor::actCropExecute() {
  if (holdsItemsWithSelection()) CropSelected();
}

void PlaylistEditor::actGroupExecute() {
  if (moreThanOneSelected()) GroupSelected();
}

void PlaylistEditor::actReverseOrderExecute() {
  if (atLeastTwoRows()) ReverseOrder();
}

void PlaylistEditor::actRandomizeOrderExecute() {
  if (atLeastTwoRows()) RandomizeOrder();
}

void PlaylistEditor::actEditTrackNameExecute() {
  if (holdsItemsWithSelection()) SetTrackNameEditing(true);
}

// --- grid events -----------------------------------------------------------------------------

// Whether the row joined or left the selection, the totals line follows it: refreshing only
// when a row left would leave the line describing a selection that no longer holds.
void PlaylistEditor::grdPlaylistRowDisjunctSelected() { UpdatePlaylistTotals(false); }

void PlaylistEditor::grdPlaylistCellChanging() { EndTrackNameEditing(); }

bool PlaylistEditor::grdPlaylistCellValidate(int row, int col, const std::string& text) {
  playlist().setCell(row, col, text);
  return true;
}

void PlaylistEditor::EndTrackNameEditing() {
  if (editing_) SetTrackNameEditing(false);
}

// --- totals ----------------------------------------------------------------------------------

bool PlaylistEditor::ReadMP3Row(int row, recMP3Info& info) {
  if (tables_.RowKind(playlist(), row) != ItemKind::Mp3) return false;
  ReadTrackInfo(tables_.analyser(), tables_.RowPath(playlist(), row), info);
  return true;
}

void PlaylistEditor::UpdatePlaylistTotals(bool renumber) {
  TrackGrid& grid = playlist();
  if (renumber && !grid.isEmpty()) Renumber();
  if (grid.selectedCount() > 1) {
    recMP3Size selected;
    recMP3Info info;
    for (int row : grid.selectedRows()) {
      if (!ReadMP3Row(row, info)) continue;
      selected.Size += info.size;
      selected.Duration += info.duration;
      ++selected.Count;
    }
    if (selected.Count > 1) {
      lblInfo2_ = TotalsLine("Selected", "tracks", selected.Count, selected.Duration, selected.Size);
      return;
    }
  }
  const recMP3Size& running = totals();
  lblInfo2_ = TotalsLine("Total", "tracks", running.Count, running.Duration, running.Size);
  if (grid.isEmpty() && !tables_.pnlHelpVisible()) {
    tables_.setHelpVisible(true);
    grid.setSelectionColour(grid.background());
  }
}

void PlaylistEditor::RecountTotals() {
  recMP3Size& running = totals();
  running.Size = 0;
  running.Duration = 0.0;
  running.Count = 0;
  recMP3Info info;
  for (int row = 1; row < playlist().rowCount(); ++row) {
    if (!ReadMP3Row(row, info)) continue;
    running.Size += info.size;
    running.Duration += info.duration;
    ++running.Count;
  }
}

// --- removing --------------------------------------------------------------------------------

void PlaylistEditor::RemoveSelected() {
  TrackGrid& grid = playlist();
  const std::vector<int> rows = grid.selectedRows();
  recMP3Size& running = totals();
  recMP3Info info;
  // Only MP3 rows were counted when they were filled in, so only they are taken off.
  for (int row : rows) {
    if (!ReadMP3Row(row, info)) continue;
    running.Size -= info.size;
    running.Duration -= info.duration;
    --running.Count;
  }
  grid.removeRows(rows);
  tables_.MarkEmptyIfNoRows(grid);
  // Playing times taken off one by one leave a rounding rest; an empty playlist has none, and
  // a rest would make it look changed to the question about saving it.
  if (grid.isEmpty()) running.Duration = 0.0;
  UpdatePlaylistTotals(true);
}

void PlaylistEditor::RemoveAll() {
  if (!dialogs_.askYesNo(kRemoveAllQuestion)) return;
  tables_.ClearGrid(playlist());
  UpdatePlaylistTotals(false);
}

void PlaylistEditor::CropSelected() {
  if (!dialogs_.askYesNo(kCropQuestion)) return;
  TrackGrid& grid = playlist();
  std::vector<int> unselected;
  for (int row = 1; row < grid.rowCount(); ++row)
    if (!grid.isSelected(row)) unselected.push_back(row);
  grid.removeRows(std::move(unselected));
  tables_.MarkEmptyIfNoRows(grid);
  RecountTotals();
  UpdatePlaylistTotals(true);
}

int PlaylistEditor::CheckMissingFiles(bool remove) {
  TrackGrid& grid = playlist();
  recMP3Size& running = totals();
  running.Size = 0;
  running.Duration = 0.0;
  running.Count = 0;
  int missing = 0;
  for (int row = grid.dataRowCount(); row >= 1; --row) {
    const std::string path = tables_.RowPath(grid, row);
    if (!path.empty() && tables_.fileSystem().fileExists(path)) {
      // A row found again loses the red of an earlier check.
      grid.setRowTextColour(row, kNoColour);
      if (!tables_.FillRowFromItem(grid, row, FileItem(path))) dialogs_.error(tables_.FillError());
      continue;
    }
    ++missing;
    grid.setRowTextColour(row, kRed);
    if (!remove) continue;
    if (grid.dataRowCount() > 1) {
      grid.removeRow(row);
    } else {
      grid.blankRow(row);
      grid.setTag(TrackGrid::kEmptyMark);
    }
  }
  UpdatePlaylistTotals(true);
  return missing;
}

// --- reordering ------------------------------------------------------------------------------

void PlaylistEditor::GroupSelected() {
  TrackGrid& grid = playlist();
  const std::vector<int> rows = grid.selectedRows();
  if (rows.empty()) return;
  const int first = rows.front();
  for (std::size_t j = 1; j < rows.size(); ++j) grid.moveRow(rows[j], first + static_cast<int>(j));
  grid.clearSelection();
  grid.selectRange(first, first + static_cast<int>(rows.size()) - 1);
  Renumber();
}

int PlaylistEditor::ShiftOf(MoveMode mode, int target, int first, int last) {
  const int rows = playlist().dataRowCount();
  switch (mode) {
    case MoveMode::Up:
      return first == 1 ? 0 : -1;
    case MoveMode::Down:
      return last == rows ? 0 : 1;
    case MoveMode::ToTop:
      return 1 - first;
    case MoveMode::ToBottom:
      return rows - last;
    case MoveMode::Drop:
      if (target == rows + 1) return rows - last;  // below the last row: to the end
      if (target < 1 || target > rows || (target >= first && target <= last)) return 0;
      return target < first ? target - first : target - last;
  }
  return 0;
}

void PlaylistEditor::MoveSelected(MoveMode mode, int target) {
  TrackGrid& grid = playlist();
  if (grid.isEmpty()) return;
  std::vector<int> rows = grid.selectedRows();
  if (rows.empty()) return;
  const int shift = ShiftOf(mode, target, rows.front(), rows.back());
  if (shift == 0) return;
  // Rows move towards the side they travel to first, so none passes another.
  if (shift > 0) std::reverse(rows.begin(), rows.end());
  for (int row : rows) {
    grid.moveRow(row, row + shift);
    grid.deselectRow(row);
    grid.selectRow(row + shift);
  }
  Renumber();
}

// The moves of Reverse and Randomize are played on row numbers first and applied to the
// grid in one step, so a long playlist is reordered without a move (and a repaint) per row.
void PlaylistEditor::ReverseOrder() {
  TrackGrid& grid = playlist();
  std::vector<int> order(static_cast<std::size_t>(grid.dataRowCount()));
  std::iota(order.rbegin(), order.rend(), 1);  // the last row first
  grid.permuteRows(order);
  Renumber();
}

void PlaylistEditor::RandomizeOrder() {
  if (!dialogs_.askYesNo(kRandomizeQuestion)) return;
  TrackGrid& grid = playlist();
  const int rows = grid.dataRowCount();
  std::vector<int> order(static_cast<std::size_t>(rows));
  std::iota(order.begin(), order.end(), 1);
  random_.MrngSeed(ticks_());
  for (int i = 1; i < rows; ++i) {
    // Row 1 moves to a position from i to the last.
    const int target = random_.MrngRange(i, rows + 1);
    const int first = order.front();
    order.erase(order.begin());
    order.insert(order.begin() + (target - 1), first);
  }
  grid.permuteRows(order);
  Renumber();
}

// --- editing a track name --------------------------------------------------------------------

void PlaylistEditor::SetTrackNameEditing(bool on) {
  TrackGrid& grid = playlist();
  grid.setEditingAllowed(on);
  grid.setRowSelect(!on);
  if (on) {
    editedRow_ = grid.currentRow();
    grid.setCurrent(editedRow_, kPlaylistTrackNameColumn);
    grid.setCellBackground(editedRow_, kPlaylistTrackNameColumn, kRed);
    editing_ = true;
    grid.openEditor(editedRow_, kPlaylistTrackNameColumn);
  } else {
    // Back to the grid's own background.
    grid.setCellBackground(editedRow_, kPlaylistTrackNameColumn, kNoColour);
    editing_ = false;
    grid.closeEditor();
    editedRow_ = -1;
  }
  grid.setSelectionShown(!on);
}
