#include "compile/CompilationBuilder.h"

CompilationBuilder::CompilationBuilder(TrackTables& tables, PlaylistEditor& editor,
                                       const PlaylistDocument& document, UserDialogs& dialogs)
    : tables_(tables), editor_(editor), document_(document), maker_(dialogs, tables.fileSystem()) {}

CompilationResult CompilationBuilder::CreateMP3Compilation() {
  return maker_.Make(CollectPlaylist());
}

CompilationPlaylist CompilationBuilder::CollectPlaylist() {
  CompilationPlaylist playlist;
  TrackGrid& grid = tables_.grdPlaylist();
  playlist.empty = grid.isEmpty();
  if (playlist.empty) return playlist;
  playlist.missing = editor_.CheckMissingFiles(false);
  playlist.totalSize = tables_.MP3Size(grid).Size;
  playlist.name = document_.playlistName();
  for (int row = 1; row < grid.rowCount(); ++row)
    playlist.sources.push_back(tables_.RowPath(grid, row));
  return playlist;
}
