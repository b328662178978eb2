#include "tageditor/TagEditor.h"

#include <optional>

#include "tageditor/TagWriteMessage.h"
#include "tracks/TrackColumns.h"
#include "tracks/TrackTexts.h"

TagEditor::TagEditor(TrackTables& tables, UserDialogs& dialogs, TagEditorDialog& dialog)
    : tables_(tables), dialogs_(dialogs), dialog_(dialog) {}

TrackGrid* TagEditor::ShowTagEditor(bool fromPlayer, const PlayerTrack& player) {
  TrackGrid& active = tables_.activeGrid();
  // Made for both callers: the player's file is not edited while a folder row is current.
  if (!tables_.isPlaylist(active) && tables_.CurrentType() == kTypeFolder) return nullptr;
  const std::string fileName =
      fromPlayer ? player.file : tables_.RowPath(active, active.currentRow());
  const RowRef ref = RowToRefresh(fromPlayer, player);
  const TagEditSource source = ReadTagForEditing(tables_.analyser(), fileName);
  if (!UpdateUntilWritten(MakeTagEditorView(fileName, source.info), source, fileName)) {
    return nullptr;
  }
  return RefreshRow(ref, fileName, source.info) ? ref.grid : nullptr;
}

TagEditor::RowRef TagEditor::RowToRefresh(bool fromPlayer, const PlayerTrack& player) {
  if (!fromPlayer) {
    TrackGrid& active = tables_.activeGrid();
    return {&active, tables_.RowID(active, active.currentRow())};
  }
  if (!player.grid) return {};
  return {player.grid, tables_.MP3Size(*player.grid).LastPlayed};
}

bool TagEditor::UpdateUntilWritten(TagEditorView view, const TagEditSource& source,
                                   const std::string& fileName) {
  for (;;) {
    const std::optional<TagTexts> typed = dialog_.showTagEditor(view);
    if (!typed) return false;
    const TagWriteResult result = StoreEditedTag(source.tag, *typed, fileName);
    if (result == TagWriteResult::Written) return true;
    dialogs_.error(TagWriteErrorText(fileName, result));
    view.texts = *typed;  // nothing typed is lost: the person may try again or cancel
  }
}

bool TagEditor::RefreshRow(const RowRef& ref, const std::string& fileName,
                           const recMP3Info& before) {
  if (!ref.grid || ref.id.empty() || ref.id == "-1") return false;
  TrackGrid& grid = *ref.grid;
  const int row = tables_.RowByID(grid, ref.id);
  if (row < 1 || tables_.RowPath(grid, row) != fileName) return false;
  recMP3Info after;
  ReadTrackInfo(tables_.analyser(), fileName, after);
  tables_.FillRowFromInfo(grid, row, after, std::string());
  // The new tag changed the file's size: the row and the totals say so.
  tables_.SetCellByName(grid, row, SizeText(after.size), kColumnSize);
  tables_.SetCellByName(grid, row, std::to_string(after.size), kColumnSize2);
  if (tables_.RowKind(grid, row) == ItemKind::Mp3) {
    recMP3Size& totals = tables_.MP3Size(grid);
    totals.Size += after.size - before.size;
    totals.Duration += after.duration - before.duration;
  }
  return true;
}
