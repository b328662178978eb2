#pragma once

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/FileSystem.h"

class UserDialogs;
class TFileSearch;

// Raised for each entry that matches the mask: fullpath is the folder holding the entry,
// ending in "/"; the entry's full path is fullpath + info.name.
using TFindFileEvent =
    std::function<void(const std::string& fullpath, const platform::DirEntry& info)>;
// Raised when the walk enters a folder, before its entries are reported. fullpath ends in
// "/"; info is the folder's entry in its parent (empty for a start folder not found there).
using TChangeFolderEvent =
    std::function<void(const std::string& fullpath, const platform::DirEntry& info)>;
// Raised once at the end of every Execute, stopped or not. May call Execute again.
using TSearchFinishEvent = std::function<void(TFileSearch& search)>;

// Walks a folder tree and reports, through events, every folder it enters and every entry
// that matches one of the masks of SearchFile. Runs inside Execute on the caller's thread and
// lets queued window events run after each entry it looks at, matching or not, so Cancel
// buttons (which set Stop) and timers are served during a long walk.
//
// SearchFile is a folder path ending in "/" followed by one mask or several masks separated
// by ";" ("/music/*.mp3;*.m3u;*.pls"). The tree is walked once per mask: every folder is
// announced once per mask, and all matches of the first mask come before those of the second.
// Within a folder, the folder's own matches are all reported before any subfolder is entered;
// subfolders are walked depth first. Hidden entries are found and entered like any other.
//
// Platform notes: masks match names without regard to ASCII letter case, as the Windows file
// system does ("*.mp3" finds "SONG.MP3"); "*" is any run of characters, "?" one character.
// Entries of a folder come in name order, compared case-insensitively (the order NTFS
// returns), so a walk gives the same order on every file system. A symbolic link to a folder
// is reported when its name matches but never entered, and no folder is entered twice in one
// walk (bind mounts), so a walk always ends. The walk keeps its own stack: deep trees do not
// deepen the call stack.
class TFileSearch {
 public:
  // Queued events run through dialogs.processEvents().
  explicit TFileSearch(UserDialogs& dialogs,
                       platform::FileSystem& fs = platform::localFileSystem());
  // Queued events run through pumpEvents (may be empty: no events run).
  explicit TFileSearch(std::function<void()> pumpEvents,
                       platform::FileSystem& fs = platform::localFileSystem());
  TFileSearch(const TFileSearch&) = delete;
  TFileSearch& operator=(const TFileSearch&) = delete;

  // Stop request: set by anyone while a search runs to end it at its next check. Execute
  // clears it when it starts; otherwise it keeps its value.
  bool Stop = false;
  // Whether the walk descends into subfolders.
  bool RecurseSubFolders = true;

  // A handler must not assign a new handler to its own event while it runs; OnFinish may.
  TFindFileEvent OnFileFind;
  TChangeFolderEvent OnChangeFolder;
  TSearchFinishEvent OnFinish;

  // Asked before the walk enters a subfolder (its path, ending in "/"); false keeps the walk out
  // of it, such as a mount point of a filesystem that is not to be searched. Unset: the walk
  // enters every subfolder.
  std::function<bool(const std::string& folder)> CanEnterFolder;
  // When true, a folder that one Execute entered is not entered again by the following ones
  // (for the same mask), start folders included, until ForgetFolders: a scan of several places
  // enters no folder twice, however the places overlap (bind mounts). Folders the file system
  // cannot identify are told apart by their path.
  bool RememberFolders = false;
  void ForgetFolders() { remembered_.clear(); }

  // Text beyond 255 characters is cut off.
  void SetSearchFile(const std::string& searchFile);
  const std::string& SearchFile() const { return searchFile_; }

  // Full paths reported through OnFileFind during the last run, in report order. Filled only
  // while an OnFileFind handler is assigned.
  const std::vector<std::string>& FilesFound() const { return filesFound_; }

  // Runs one search and returns after OnFinish. Folders that do not exist or cannot be read
  // simply yield nothing. May be called again from inside OnFinish (a new, complete run);
  // a call from any other handler while a walk runs is ignored.
  void Execute();

  // Whether a walk is running (OnFinish handlers see false).
  bool Running() const { return walking_; }

 private:
  class Walk;

  void runSpec(const std::string& spec);
  void pump();

  platform::FileSystem& fs_;
  std::function<void()> pumpEvents_;
  // The folders entered so far, by mask, while RememberFolders is on.
  std::map<std::string, std::set<std::string>> remembered_;
  std::string searchFile_;
  std::vector<std::string> filesFound_;
  bool walking_ = false;
};
