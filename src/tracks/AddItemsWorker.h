#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "search/FileFind.h"
#include "tracks/TrackTable.h"
#include "dialogs/UserDialogs.h"

inline constexpr char kAddingItemsCaption[] = "Adding Items...";
inline constexpr char kSubfoldersQuestion[] = "Do you want to include subfolders?";

// The work behind the add-items dialog: it expands folders (through its file search) and
// playlist files into files and fills the playlist's reserved rows with them, one row per
// file from the row Tag on; in export mode it hands each file to the export instead. The
// dialog itself is a view (UserDialogs::showAddItems) that shows the labels kept here.
//
// The caller reserves one blank playlist row per item at Tag (ReservedRows), shows the worker
// and hands over the items in order with AddItem while Ready() is true and not Stopped(); each
// item fills its reserved row, a folder or playlist file expands in place into as many rows as
// it yields files, and one that yields none gives its row back. GiveBackUnusedRows then
// removes the rows of items never handed over, so no blank row is left behind.
class AddItemsWorker {
 public:
  // Export mode: writes the line of one file with the export columns; false when it could not,
  // which stops the worker as a file that vanished does.
  using ExportFileHook =
      std::function<bool(const GridItem& item, const std::vector<std::string>& columns)>;

  AddItemsWorker(TrackTables& tables, UserDialogs& dialogs);
  AddItemsWorker(const AddItemsWorker&) = delete;
  AddItemsWorker& operator=(const AddItemsWorker&) = delete;

  // --- set by the caller before Show ---------------------------------------------------------
  std::int32_t Tag = 0;           // the playlist row the next added file goes into
  std::int32_t ReservedRows = 0;  // blank rows reserved from Tag on, one per item to come
  std::string Caption = kAddingItemsCaption;
  bool ExportMode = false;
  bool ExpandPlaylists = false;            // export only: whether playlist files give their entries
  std::vector<std::string> ExportColumns;  // export only
  ExportFileHook ExportFile;               // export only

  // --- state ---------------------------------------------------------------------------------
  std::int32_t MissingCount() const { return missingCount_; }  // playlist entries skipped
  std::int32_t AddedCount() const { return addedCount_; }
  bool Ready() const { return ready_; }                      // false while a folder search runs
  const std::string& lblMode() const { return lblMode_; }
  const std::string& lblFolder() const { return lblFolder_; }
  const std::string& lblFile() const { return lblFile_; }
  const std::string& lblAdd2() const { return lblAdd2_; }
  // True once the person asked to stop or a file could not be read (the error was shown):
  // the caller hands over no further item.
  bool Stopped();

  // --- the dialog ------------------------------------------------------------------------------
  // Shows the progress view with Caption and the labels; it stays until Close or destruction.
  void Show();
  void Close();

  // --- work ------------------------------------------------------------------------------------
  // One item of a browser-side row: an MP3 file, a folder, else a playlist file.
  void AddItem(const GridItem& item);
  // Files, in order, from the row Tag on.
  void AddList(const std::vector<GridItem>& list);
  // One file into row Tag, or to the export. False (after showing the error) when a file that
  // is not an MP3 file vanished, or when the export could not write it: nothing was written.
  bool AddFile(const GridItem& item);
  // Removes the reserved rows still blank at Tag, always keeping one data row.
  void GiveBackUnusedRows() { GiveBackRows(ReservedRows); }

 private:
  void AddFolder(const std::string& path);
  void AddPlaylistFile(const std::string& path);
  void OnChangeFolder(const std::string& fullpath);
  void OnFileFind(const std::string& fullpath, const platform::DirEntry& info);
  // Removes count reserved rows at Tag; Tag then designates the next item's row.
  void GiveBackRows(int count);
  void setLabel(AddItemsLabel label, std::string& field, std::string text);

  TrackTables& tables_;
  UserDialogs& dialogs_;
  TFileSearch flSearch_;
  std::unique_ptr<AddItemsView> view_;
  std::vector<GridItem> found_;  // the files of the running folder search
  std::int32_t missingCount_ = 0;
  std::int32_t addedCount_ = 0;
  bool ready_ = true;
  std::int32_t folderCount_ = 0;  // folders the running search entered
  bool stopped_ = false;
  std::string lblMode_;
  std::string lblFolder_;
  std::string lblFile_;
  std::string lblAdd2_ = "0";
};
