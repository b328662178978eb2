#include "tracks/PlaylistFixture.h"

#include <sstream>

PlaylistFixture::PlaylistFixture() {
  tables.SetUpColumns();
  editor.Renumber();
}

std::string PlaylistFixture::Track(std::string_view name, double seconds) {
  std::string bytes = Mp3Frames(MpegFrame{}, 2);
  bytes.resize(static_cast<std::size_t>(seconds * kBytesPerSecond), '\0');
  return dir.write(std::string(name) + ".mp3", bytes);
}

void PlaylistFixture::Fill(const std::vector<std::string>& items) {
  for (const std::string& item : items) {
    const int row = playlist.isEmpty() ? 1 : playlist.addRow();
    ASSERT_TRUE(tables.FillRowFromItem(playlist, row, EntryItem(item))) << item;
  }
  editor.UpdatePlaylistTotals(true);
}

std::vector<std::string> PlaylistFixture::FillTracks(const std::vector<double>& seconds) {
  std::vector<std::string> paths;
  for (std::size_t i = 0; i < seconds.size(); ++i)
    paths.push_back(Track(std::to_string(i + 1), seconds[i]));
  Fill(paths);
  return paths;
}

void PlaylistFixture::Select(const std::vector<int>& rows) {
  playlist.clearSelection();
  for (int row : rows) playlist.selectRow(row);
}

std::vector<std::string> PlaylistFixture::Column(std::string_view name) {
  const int col = tables.ColumnByName(playlist, name);
  std::vector<std::string> cells;
  for (int row = 1; row < playlist.rowCount(); ++row) cells.push_back(playlist.cell(row, col));
  return cells;
}

std::string PlaylistFixture::Snapshot() {
  std::ostringstream out;
  const recMP3Size& totals = tables.MP3Size(playlist);
  out << "tag " << playlist.tag() << ", current " << playlist.currentRow() << ", selection colour "
      << playlist.selectionColour() << ", help " << tables.pnlHelpVisible() << ", totals "
      << totals.Size << "/" << totals.Duration << "/" << totals.Count << "/" << totals.LastID
      << "\n"
      << "info '" << editor.lblInfo2() << "', caption '" << document.pnlPlaylistCaption()
      << "', name '" << document.playlistName() << "', editing " << editor.editingTrackName()
      << playlist.editingAllowed() << playlist.rowSelect() << playlist.selectionShown()
      << playlist.editorOpen() << "\n";
  for (int row = 0; row < playlist.rowCount(); ++row) {
    out << row << (playlist.isSelected(row) ? " *" : "  ") << " text "
        << playlist.rowTextColour(row) << " bg " << playlist.rowBackground(row);
    for (int col = 0; col < playlist.columnCount(); ++col)
      out << " | " << playlist.cell(row, col) << " (" << playlist.cellBackground(row, col) << ")";
    out << "\n";
  }
  return out.str();
}
