#include "tracks/AddItemsWorker.h"

#include <algorithm>
#include <utility>

#include "tracks/PlaylistFile.h"
#include "dialogs/ShortenText.h"

namespace {

constexpr char kAddingFiles[] = "Adding Files...";
constexpr char kSearchingFiles[] = "Searching Files...";
constexpr char kMp3Mask[] = "*.mp3";

// What the search looks for in a folder item: its MP3 files (and its subfolders').
std::string FolderSpec(const std::string& folder) {
  std::string spec = folder;
  if (spec.empty() || spec.back() != '/') spec += '/';
  return spec + kMp3Mask;
}

}  // namespace

AddItemsWorker::AddItemsWorker(TrackTables& tables, UserDialogs& dialogs)
    : tables_(tables), dialogs_(dialogs), flSearch_(dialogs, tables.fileSystem()) {
  flSearch_.OnChangeFolder = [this](const std::string& fullpath, const platform::DirEntry&) {
    OnChangeFolder(fullpath);
  };
  flSearch_.OnFileFind = [this](const std::string& fullpath, const platform::DirEntry& info) {
    OnFileFind(fullpath, info);
  };
}

bool AddItemsWorker::Stopped() {
  if (!stopped_ && view_ && view_->stopRequested()) stopped_ = true;
  return stopped_;
}

// --- the dialog --------------------------------------------------------------------------------

void AddItemsWorker::Show() {
  view_ = dialogs_.showAddItems(Caption);
  view_->setLabel(AddItemsLabel::Mode, lblMode_);
  view_->setLabel(AddItemsLabel::Folder, lblFolder_);
  view_->setLabel(AddItemsLabel::File, lblFile_);
  view_->setLabel(AddItemsLabel::Added, lblAdd2_);
}

void AddItemsWorker::Close() { view_.reset(); }

void AddItemsWorker::setLabel(AddItemsLabel label, std::string& field, std::string text) {
  field = std::move(text);
  if (view_) view_->setLabel(label, field);
}

// --- work --------------------------------------------------------------------------------------

void AddItemsWorker::AddItem(const GridItem& item) {
  switch (item.kind) {
    case ItemKind::Mp3:
      setLabel(AddItemsLabel::Mode, lblMode_, kAddingFiles);
      AddFile(item);
      break;
    case ItemKind::Folder:
      AddFolder(item.path);
      break;
    case ItemKind::OtherFile:
      if (!ExportMode || ExpandPlaylists) AddPlaylistFile(item.path);
      break;
  }
  ready_ = true;
}

void AddItemsWorker::AddFolder(const std::string& path) {
  ready_ = false;
  folderCount_ = 0;
  found_.clear();
  flSearch_.SetSearchFile(FolderSpec(path));
  setLabel(AddItemsLabel::Mode, lblMode_, kSearchingFiles);
  flSearch_.OnFinish = [this](TFileSearch&) {
    // Moved out first: adding lets events run, and nothing may touch the list meanwhile.
    const std::vector<GridItem> files = std::move(found_);
    found_.clear();
    AddList(files);
    ready_ = true;
  };
  flSearch_.Execute();
  flSearch_.OnFinish = nullptr;
}

void AddItemsWorker::OnChangeFolder(const std::string& fullpath) {
  if (Stopped()) {
    flSearch_.Stop = true;
  } else if (folderCount_ == 1 && !dialogs_.askYesNo(kSubfoldersQuestion)) {
    // The second folder entered is the first subfolder: the item's own files are all found.
    flSearch_.Stop = true;
  }
  ++folderCount_;
  setLabel(AddItemsLabel::Folder, lblFolder_, ShortenText(fullpath));
}

void AddItemsWorker::OnFileFind(const std::string& fullpath, const platform::DirEntry& info) {
  setLabel(AddItemsLabel::File, lblFile_, ShortenText(info.name));
  // The mask also matches folders named *.mp3; they are no tracks.
  if (info.kind != platform::EntryKind::Directory) found_.push_back(FileItem(fullpath + info.name));
  if (Stopped()) flSearch_.Stop = true;
}

void AddItemsWorker::AddPlaylistFile(const std::string& path) {
  std::vector<std::string> entries;
  const PlaylistReadResult read = ReadPlaylistFile(path, entries, tables_.fileSystem());
  if (read.error) {
    dialogs_.error(*read.error);
    stopped_ = true;
  }
  missingCount_ += read.missing;
  std::vector<GridItem> items;
  items.reserve(entries.size());
  for (const std::string& entry : entries) items.push_back(EntryItem(entry));
  AddList(items);
}

void AddItemsWorker::AddList(const std::vector<GridItem>& list) {
  setLabel(AddItemsLabel::Mode, lblMode_, kAddingFiles);
  const int count = static_cast<int>(list.size());
  if (count == 0) {
    GiveBackRows(1);
    return;
  }
  // The item's reserved row takes the first entry; the others get one block of rows.
  if (!ExportMode && count > 1) {
    tables_.grdPlaylist().insertRows(Tag, count - 1);
    ReservedRows += count - 1;
  }
  setLabel(AddItemsLabel::Folder, lblFolder_, std::string());
  for (const GridItem& entry : list) {
    // Rows of entries left out stay reserved until the caller gives them back.
    if (Stopped() || !AddFile(entry)) return;
    setLabel(AddItemsLabel::File, lblFile_, ShortenText(entry.path));
    dialogs_.processEvents();
  }
}

bool AddItemsWorker::AddFile(const GridItem& item) {
  if (ExportMode) {
    if (ExportFile && !ExportFile(item, ExportColumns)) {
      stopped_ = true;  // the export tells why once it has ended
      return false;
    }
  } else if (tables_.FillRowFromItem(tables_.grdPlaylist(), Tag, item)) {
    ReservedRows = std::max(ReservedRows - 1, 0);
  } else {
    // The file vanished since it was found: the command stops, keeping what it added.
    dialogs_.error(tables_.FillError());
    stopped_ = true;
    return false;
  }
  ++Tag;
  ++addedCount_;
  setLabel(AddItemsLabel::Added, lblAdd2_, std::to_string(addedCount_));
  return true;
}

void AddItemsWorker::GiveBackRows(int count) {
  if (ExportMode) return;
  TrackGrid& playlist = tables_.grdPlaylist();
  ReservedRows = std::max(ReservedRows - count, 0);
  const int rows = std::min({count, playlist.dataRowCount() - 1, playlist.rowCount() - Tag});
  if (rows > 0) playlist.removeRowRange(Tag, rows);
}
