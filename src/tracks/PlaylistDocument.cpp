#include "tracks/PlaylistDocument.h"

#include <optional>
#include <utility>
#include <vector>

#include "metadata/TrackInfo.h"
#include "platform/PathParts.h"
#include "tracks/PlaylistFile.h"
#include "tracks/TrackColumns.h"

namespace {

constexpr char kPlaylistFilter[] = "M3U Playlist|*.m3u";
constexpr char kPlaylistExtension[] = ".m3u";
constexpr char kSaveQuestion[] = "Do you want to save current MP3 playlist?";
constexpr char kFileNotFound[] = "File not found.";
constexpr char kEditNameCaption[] = "Edit Playlist Name";
constexpr char kEditNameLabel[] = "Enter Playlist Name:";
constexpr char kCaptionPrefix[] = "   MP3 Playlist - ";
constexpr char kUntitled[] = "Untitled";

constexpr char kUnreadableSuffix[] = ".unreadable";
constexpr int kMaxUnreadableCopies = 1000;

// Where an autosave file that could not be read is kept: never over an earlier one. "" when a
// thousand names are taken.
std::string UnreadableAutosaveName(const std::string& autosavePath, platform::FileSystem& fs) {
  for (int n = 0; n < kMaxUnreadableCopies; ++n) {
    const std::string name =
        autosavePath + kUnreadableSuffix + (n == 0 ? std::string() : std::to_string(n));
    if (!fs.fileExists(name) && !fs.directoryExists(name)) return name;
  }
  return std::string();
}

std::string NotRestoredText(const std::string& readError) {
  return readError + "\r\nThe playlist kept from the last session was not restored.";
}

// The name an unreadable autosave file goes to, as the messages give it.
std::string AsideTarget(const std::string& aside) {
  return aside.empty()
             ? std::string("a free name (every \"") + kUnreadableSuffix + "\" name is taken)"
             : "\"" + aside + "\"";
}

std::string KeptAsideText(const std::string& readError, const std::string& aside) {
  return NotRestoredText(readError) + " The file is kept as " + AsideTarget(aside) + ".";
}

std::string NotKeptAsideText(const std::string& readError, const std::string& aside) {
  return NotRestoredText(readError) + " It could not be renamed to " + AsideTarget(aside) +
         " now; it will be kept there before the playlist is saved again.";
}

std::string AutosaveNotWrittenText(const std::string& autosave, const std::string& aside) {
  return "The playlist was not saved: \"" + autosave +
         "\" could not be read at start and could not be renamed to " + AsideTarget(aside) +
         ", so it is kept as it is.";
}

}  // namespace

PlaylistDocument::PlaylistDocument(TrackTables& tables, PlaylistEditor& editor,
                                   UserDialogs& dialogs, std::string autosavePath)
    : tables_(tables), editor_(editor), dialogs_(dialogs), autosavePath_(std::move(autosavePath)) {
  UpdatePlaylistCaption();
}

void PlaylistDocument::actSaveExecute() {
  if (!playlist().isEmpty()) SavePlaylist(std::string());
}

// --- saving ----------------------------------------------------------------------------------

std::string PlaylistDocument::ChooseSavePath() {
  const std::string chosen = dialogs_.chooseSaveFile(kPlaylistFilter, playlistName_);
  if (chosen.empty()) return std::string();
  const std::string path = ChangeExtension(chosen, kPlaylistExtension);
  if (tables_.fileSystem().fileExists(path) && !dialogs_.askYesNo(ReplaceQuestion(path)))
    return std::string();
  return path;
}

std::string PlaylistDocument::ComposePlaylistText(const std::string& path) {
  std::vector<M3UEntry> entries;
  TrackGrid& grid = playlist();
  if (!grid.isEmpty()) {
    const int nameColumn = tables_.ColumnByName(grid, kColumnTrackName);
    recMP3Info info;
    for (int row = 1; row < grid.rowCount(); ++row) {
      M3UEntry entry;
      entry.path = tables_.RowPath(grid, row);
      ReadTrackInfo(tables_.analyser(), entry.path, info);
      entry.duration = info.duration;
      entry.trackName = grid.cell(row, nameColumn);
      entries.push_back(std::move(entry));
    }
  }
  return ComposeM3U(path, entries);
}

bool PlaylistDocument::SavePlaylist(const std::string& path) {
  const std::string target = path.empty() ? ChooseSavePath() : path;
  if (target.empty()) return false;
  if (!ReplaceFileContents(target, ComposePlaylistText(target), tables_.fileSystem())) {
    dialogs_.error(WriteErrorText(target));
    return false;
  }
  playlistName_ = target;
  UpdatePlaylistCaption();
  return true;
}

// --- opening ---------------------------------------------------------------------------------

bool PlaylistDocument::NothingToSave() {
  return tables_.MP3Size(static_cast<int>(GridId::Playlist)).Duration == 0;
}

bool PlaylistDocument::AskSave() {
  switch (dialogs_.askYesNoCancel(kSaveQuestion)) {
    case DialogAnswer::Yes:
      return SavePlaylist(std::string());
    case DialogAnswer::No:
      return true;
    case DialogAnswer::Cancel:
      return false;
  }
  return false;
}

bool PlaylistDocument::AskSaveAndClear() {
  if (NothingToSave()) return true;
  if (!AskSave()) return false;
  playlistName_.clear();
  tables_.ClearGrid(playlist());
  return true;
}

void PlaylistDocument::FillFromItems(const std::vector<std::string>& items) {
  TrackGrid& grid = playlist();
  for (const std::string& entry : items) {
    const GridItem item = EntryItem(entry);
    if (!tables_.fileSystem().fileExists(item.path)) continue;
    const bool added = !grid.isEmpty();
    const int row = added ? grid.addRow() : grid.rowCount() - 1;
    if (!tables_.FillRowFromItem(grid, row, item)) {
      // The file vanished since the reader saw it: stop here, keeping the rows filled so far.
      if (added) grid.removeRow(row);
      dialogs_.error(tables_.FillError());
      return;
    }
  }
}

bool PlaylistDocument::OpenPlaylist(const std::string& path) {
  std::string source = path;
  if (source.empty()) {
    source = dialogs_.chooseOpenFile(kPlaylistFilter);
    if (source.empty()) return false;
    if (!tables_.fileSystem().fileExists(source)) {
      dialogs_.inform(kFileNotFound);
      return false;
    }
  }
  if (!NothingToSave() && !AskSave()) return false;
  // Read before anything is cleared, so a file that cannot be read changes nothing.
  std::vector<std::string> items;
  const PlaylistReadResult read = ReadPlaylistFile(source, items, tables_.fileSystem());
  if (read.error) {
    if (source == autosavePath_)
      KeepUnreadableAutosave(*read.error);
    else
      dialogs_.error(*read.error);
    return false;
  }
  tables_.ClearGrid(playlist());
  FillFromItems(items);
  playlistName_ = source == autosavePath_ ? std::string() : source;
  UpdatePlaylistCaption();
  editor_.UpdatePlaylistTotals(true);
  if (read.missing > 0) dialogs_.inform(MissingFilesMessage(read.missing));
  return true;
}

// --- name and caption ------------------------------------------------------------------------

void PlaylistDocument::NewPlaylist() {
  AskSaveAndClear();
  UpdatePlaylistCaption();
  editor_.UpdatePlaylistTotals(false);
}

void PlaylistDocument::EditPlaylistName() {
  const std::optional<std::string> name = dialogs_.enterText(
      kEditNameCaption, kEditNameLabel, RemoveExtension(FileNamePart(playlistName_)));
  if (!name) return;
  playlistName_ = *name;
  UpdatePlaylistCaption();
}

std::string PlaylistBaseName(const std::string& playlistName) {
  return playlistName.empty() ? std::string(kUntitled)
                              : RemoveExtension(FileNamePart(playlistName));
}

void PlaylistDocument::UpdatePlaylistCaption() {
  caption_ = kCaptionPrefix + PlaylistBaseName(playlistName_);
}

// --- autosave --------------------------------------------------------------------------------

bool PlaylistDocument::RestoreAutosave() {
  return !autosavePath_.empty() && OpenPlaylist(autosavePath_);
}

bool PlaylistDocument::WriteAutosave() {
  if (autosavePath_.empty()) return false;
  if (autosaveUnreadable_ && tables_.fileSystem().fileExists(autosavePath_)) {
    const std::string aside = UnreadableAutosaveName(autosavePath_, tables_.fileSystem());
    if (!MoveAutosaveTo(aside)) {
      dialogs_.error(AutosaveNotWrittenText(autosavePath_, aside));
      return false;
    }
  }
  autosaveUnreadable_ = false;
  return SavePlaylist(autosavePath_);
}

// One read error must not cost the kept playlist, which the autosave at close would write over.
void PlaylistDocument::KeepUnreadableAutosave(const std::string& readError) {
  const std::string aside = UnreadableAutosaveName(autosavePath_, tables_.fileSystem());
  if (MoveAutosaveTo(aside)) {
    dialogs_.error(KeptAsideText(readError, aside));
    return;
  }
  autosaveUnreadable_ = true;
  dialogs_.error(NotKeptAsideText(readError, aside));
}

bool PlaylistDocument::MoveAutosaveTo(const std::string& aside) {
  return !aside.empty() && tables_.fileSystem().rename(autosavePath_, aside);
}
