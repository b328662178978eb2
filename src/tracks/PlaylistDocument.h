#pragma once

#include <string>
#include <vector>

#include "tracks/PlaylistEditor.h"
#include "tracks/TrackTable.h"
#include "dialogs/UserDialogs.h"

// The name the caption shows for a playlist name: its file name without folder and
// extension, or "Untitled" when there is none.
std::string PlaylistBaseName(const std::string& playlistName);

// The playlist as a document: its name and caption, New, Open, Save and Edit Playlist Name,
// the question about saving changes, and the autosave playlist written at close and read at
// start. Files go through the tables' file system.
class PlaylistDocument {
 public:
  // autosavePath: where the playlist survives between runs (see ChooseAutosavePath); the
  // shell computes it. Empty: there is no autosave.
  PlaylistDocument(TrackTables& tables, PlaylistEditor& editor, UserDialogs& dialogs,
                   std::string autosavePath);
  PlaylistDocument(const PlaylistDocument&) = delete;
  PlaylistDocument& operator=(const PlaylistDocument&) = delete;

  // --- state the window shows ----------------------------------------------------------------
  // Empty when untitled; a file's full path after a save or open; or a typed name.
  const std::string& playlistName() const { return playlistName_; }
  const std::string& pnlPlaylistCaption() const { return caption_; }
  const std::string& autosavePath() const { return autosavePath_; }

  // --- commands ------------------------------------------------------------------------------
  void actNewExecute() { NewPlaylist(); }
  void actOpenExecute() { OpenPlaylist(std::string()); }
  void actSaveExecute();
  void actEditExecute() { EditPlaylistName(); }
  void pnlPlaylistCaptionDblClick() { EditPlaylistName(); }

  // --- operations ----------------------------------------------------------------------------
  // Writes the playlist as M3U; an empty path asks for one. False when cancelled, refused or
  // failed (the error is shown; the name stays).
  bool SavePlaylist(const std::string& path);
  // Replaces the playlist with a playlist file's tracks; an empty path asks for one.
  bool OpenPlaylist(const std::string& path);
  // Offers to save a playlist with playing time; then clears and untitles it. False on Cancel.
  bool AskSaveAndClear();
  void NewPlaylist();
  void EditPlaylistName();
  void UpdatePlaylistCaption();

  // At start: the autosave playlist comes back, untitled. Nothing when there is no autosave.
  // An autosave file that cannot be read is never written over: it is renamed aside, to the
  // autosave path + ".unreadable" (or ".unreadable1", "2", … when that is taken), and the error
  // says where it went.
  bool RestoreAutosave();
  // At close: the playlist goes to the autosave file, silently. A failure is shown and gives
  // false; the window closes all the same. An unreadable autosave file that could not be renamed
  // aside at start is renamed now; failing that, nothing is written.
  bool WriteAutosave();

 private:
  TrackGrid& playlist() { return tables_.grdPlaylist(); }
  // The question of AskSaveAndClear and the save it may lead to; false on Cancel.
  bool AskSave();
  // No playing time: the save question is not asked.
  bool NothingToSave();
  // Step 1 of a save without a path: the file the user chooses, "" when none.
  std::string ChooseSavePath();
  std::string ComposePlaylistText(const std::string& path);
  void FillFromItems(const std::vector<std::string>& items);
  // The autosave file could not be read: it goes aside now, or before the next autosave.
  void KeepUnreadableAutosave(const std::string& readError);
  // Renames the autosave file to aside (a free name beside it); false when aside is empty or
  // the rename failed.
  bool MoveAutosaveTo(const std::string& aside);

  TrackTables& tables_;
  PlaylistEditor& editor_;
  UserDialogs& dialogs_;
  std::string autosavePath_;
  std::string playlistName_;
  std::string caption_;
  // The autosave file could not be read and is still in its place: no autosave over it.
  bool autosaveUnreadable_ = false;
};
