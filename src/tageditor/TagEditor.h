#pragma once

#include <string>

#include "dialogs/UserDialogs.h"
#include "metadata/TrackInfo.h"
#include "tageditor/TagEditorDialog.h"
#include "tageditor/TagUpdate.h"
#include "tracks/TrackTable.h"

// The player's side of the tag editor: the file it holds ("" when none) and the grid it plays
// from (null when none).
struct PlayerTrack {
  std::string file;
  TrackGrid* grid = nullptr;
};

// The tag editor without widgets: reads a file, shows its stream information and six tag texts
// in the dialog, writes what the person typed as an ID3v2 tag, and fills the file's row again.
class TagEditor {
 public:
  TagEditor(TrackTables& tables, UserDialogs& dialogs, TagEditorDialog& dialog);
  TagEditor(const TagEditor&) = delete;
  TagEditor& operator=(const TagEditor&) = delete;

  // The editor for the player's file (fromPlayer) or for the active grid's current row; nothing
  // while a folder row is current in an active browser grid. The row to refresh (the active
  // grid's current row, or the player's last started row of its grid) is remembered when the
  // dialog opens, and refreshed after a written update only if it still holds the edited file.
  // A failed write is reported with its reason and the dialog shows again with the typed texts.
  // Returns the grid whose row was refreshed (its running totals changed), null when none.
  TrackGrid* ShowTagEditor(bool fromPlayer, const PlayerTrack& player);

 private:
  // A row by its "ID", so that moves and removals while the dialog is open do not mislead.
  struct RowRef {
    TrackGrid* grid = nullptr;
    std::string id;
  };

  RowRef RowToRefresh(bool fromPlayer, const PlayerTrack& player);
  // Shows the dialog until the typed texts are written or the person cancels; true once written.
  bool UpdateUntilWritten(TagEditorView view, const TagEditSource& source,
                          const std::string& fileName);
  // The row filled again from the file, its size cells and the grid's totals following the file's
  // new size; false when the row no longer holds the file.
  bool RefreshRow(const RowRef& ref, const std::string& fileName, const recMP3Info& before);

  TrackTables& tables_;
  UserDialogs& dialogs_;
  TagEditorDialog& dialog_;
};
