#include "window/MainWindowCore.h"

#include <utility>

#include "tracks/CustomizeColumns.h"

MainWindowCore::MainWindowCore(ShellServices shell, std::string autosavePath,
                               platform::FileSystem& fs, platform::MountTable& mounts)
    : dialogs_(shell.dialogs),
      playlistItemsDialog_(shell.playlistItems),
      libraryFoldersDialog_(shell.libraryFolders),
      columnsDialog_(shell.columns),
      analyser_(fs),
      tables_(analyser_, fs),
      editor_(tables_, dialogs_, random_),
      document_(tables_, editor_, dialogs_, std::move(autosavePath)),
      browser_(tables_, dialogs_, fs),
      library_(tables_, browser_, dialogs_, fs, mounts),
      player_(tables_, random_, shell.playback, dialogs_),
      adder_(tables_, editor_, dialogs_),
      compilation_(tables_, editor_, document_, dialogs_),
      exporter_(tables_, dialogs_, shell.columns, document_,
                [this] { return library_.scanPlaces(); }),
      tagEditor_(tables_, dialogs_, shell.tagEditor) {
  browser_.hooks.ShowPlaylistItems = [this] { ShowPlaylistItems(); };
  browser_.hooks.PlayTrack = [this](TrackGrid& grid, const std::string& id) {
    player_.PlayTrack(grid, id);
  };
  browser_.hooks.ShowFolderTreePage = [this] {
    setLibraryView(false, searchShown_);
    // Commands of the browser side act on the grid it shows, never on a hidden one.
    if (!playlistSideActive()) ActivatePanel(false);
  };
  library_.hooks.ShowLibraryPage = [this](bool searchShown) { setLibraryView(true, searchShown); };
  library_.hooks.ActivateBrowserSide = [this] { ActivatePanel(false); };
}

void MainWindowCore::FormCreate() {
  recMP3Size& totals = tables_.MP3Size(static_cast<int>(GridId::Playlist));
  totals.Size = 0;
  totals.Duration = 0;
  ActivatePanel(false);
  tables_.SetUpColumns();
  editor_.Renumber();
  editor_.UpdatePlaylistTotals(false);
  document_.UpdatePlaylistCaption();
  browser_.MarkListingIdle();
}

void MainWindowCore::FormShow() { document_.RestoreAutosave(); }

bool MainWindowCore::FormClose() { return document_.WriteAutosave(); }

GridId MainWindowCore::PanelGridId(bool playlistSide) const {
  if (playlistSide) return GridId::Playlist;
  if (!libraryView_) return GridId::Browser;
  return searchShown_ ? GridId::Search : GridId::Library;
}

void MainWindowCore::ActivatePanel(bool playlistSide) {
  tables_.setShownBrowserGrid(PanelGridId(false));
  tables_.setActiveGrid(PanelGridId(playlistSide));
}

Colour MainWindowCore::browserCaptionColour() const {
  return playlistSideActive() ? kInactiveCaptionColour : kActiveCaptionColour;
}

Colour MainWindowCore::playlistCaptionColour() const {
  return playlistSideActive() ? kActiveCaptionColour : kInactiveCaptionColour;
}

void MainWindowCore::setLibraryView(bool library, bool searchShown) {
  libraryView_ = library;
  searchShown_ = searchShown;
  tables_.setShownBrowserGrid(PanelGridId(false));
}

void MainWindowCore::btnLibraryFoldersClick() {
  if (libraryFoldersDialog_) library_.btnFoldersClick(*libraryFoldersDialog_);
}

void MainWindowCore::Execute(MainCommand command) {
  switch (command) {
    case MainCommand::SelectAll: return actSelectAllExecute();
    case MainCommand::InvertSelection: return actInvertSelectionExecute();
    case MainCommand::AppendItem: return adder_.actAppendItemExecute();
    case MainCommand::AddItem: return adder_.actAddItemExecute();
    case MainCommand::Group: return editor_.actGroupExecute();
    case MainCommand::RemoveSel: return editor_.actRemoveSelExecute();
    case MainCommand::RemoveAll: return editor_.actRemoveAllExecute();
    case MainCommand::RemoveMiss: return editor_.actRemoveMissExecute();
    case MainCommand::Crop: return editor_.actCropExecute();
    case MainCommand::Save: return document_.actSaveExecute();
    case MainCommand::Open: return document_.actOpenExecute();
    case MainCommand::New: return document_.actNewExecute();
    case MainCommand::Edit: return document_.actEditExecute();
    case MainCommand::MoveUp: return editor_.actMoveUpExecute();
    case MainCommand::MoveDown: return editor_.actMoveDownExecute();
    case MainCommand::MoveTop: return editor_.actMoveTopExecute();
    case MainCommand::MoveBottom: return editor_.actMoveBottomExecute();
    case MainCommand::EditTrackName: return editor_.actEditTrackNameExecute();
    case MainCommand::CreateMP3Comp:
      compilation_.CreateMP3Compilation();  // every outcome was reported to the person
      return;
    case MainCommand::RandomizeOrder: return editor_.actRandomizeOrderExecute();
    case MainCommand::ReverseOrder: return editor_.actReverseOrderExecute();
    case MainCommand::Play: return player_.PlayFromGrid(tables_.activeGrid());
    case MainCommand::Pause: return player_.actPauseExecute();
    case MainCommand::Stop: return player_.StopPlayback();
    case MainCommand::Next: return player_.StepTrack(tables_.activeGrid(), +1);
    case MainCommand::Previous: return player_.StepTrack(tables_.activeGrid(), -1);
    case MainCommand::Repeat: return player_.actRepeatExecute();
    case MainCommand::Shuffle: return player_.actShuffleExecute();
    case MainCommand::Mute: return player_.actMuteExecute();
    case MainCommand::VolUp: return player_.actVolUpExecute();
    case MainCommand::VolDown: return player_.actVolDownExecute();
    case MainCommand::UpdateTag: return actUpdateTagExecute();
    case MainCommand::Export: return exporter_.actExportExecute();
    case MainCommand::ExportSelected: return exporter_.mniExportSel1Click();
    case MainCommand::CustomizeColumns: return mniCColumns1Click();
  }
}

void MainWindowCore::actSelectAllExecute() {
  TrackGrid& grid = tables_.activeGrid();
  if (grid.isEmpty()) return;
  grid.selectAll();
  UpdateActiveTotals();
}

void MainWindowCore::actInvertSelectionExecute() {
  TrackGrid& grid = tables_.activeGrid();
  if (grid.isEmpty()) return;
  grid.invertSelection();
  if (grid.selectedCount() == 0) grid.selectRow(1);
  UpdateActiveTotals();
}

void MainWindowCore::UpdateActiveTotals() {
  if (playlistSideActive()) editor_.UpdatePlaylistTotals(false);
  else browser_.ShowBrowserTotals();
}

void MainWindowCore::mniCColumns1Click() {
  if (columnsDialog_) ChooseColumns(tables_, *columnsDialog_);
}

void MainWindowCore::ShowPlaylistItems() {
  ::ShowPlaylistItems(tables_, dialogs_, playlistItemsDialog_);
}

void MainWindowCore::ShowTagEditor(bool fromPlayer) {
  const TrackGrid* playing = player_.playingGrid();
  const int index = playing ? tables_.GridIndex(*playing) : kOtherGridIndex;
  TrackGrid* grid = index < kGridCount ? &tables_.grid(static_cast<GridId>(index)) : nullptr;
  const TrackGrid* refreshed = tagEditor_.ShowTagEditor(fromPlayer, {player_.currentFile(), grid});
  if (!refreshed) return;
  if (tables_.isPlaylist(*refreshed)) editor_.UpdatePlaylistTotals(false);
  else if (refreshed == &tables_.shownBrowserGrid()) browser_.ShowBrowserTotals();
}

void MainWindowCore::actUpdateTagExecute() {
  const TrackGrid& grid = tables_.activeGrid();
  if (grid.isEmpty() || grid.selectedCount() == 0) return;
  if (playlistSideActive()) return ShowTagEditor(false);
  const std::string type = tables_.CurrentType();
  if (type == kTypeMp3) ShowTagEditor(false);
  else if (type != kTypeFolder) ShowPlaylistItems();
}

void MainWindowCore::mniTag3Click() {
  if (player_.currentFile().empty()) actUpdateTagExecute();
  else ShowTagEditor(true);
}

void MainWindowCore::lblTrNameDblClick() {
  if (!player_.currentFile().empty()) ShowTagEditor(true);
}
