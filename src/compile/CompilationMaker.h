#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/FileSystem.h"
#include "dialogs/UserDialogs.h"

// The playlist as a compilation needs it, gathered by the caller (the window's playlist grid,
// or a playlist file on the command line).
struct CompilationPlaylist {
  bool empty = true;                 // no entry at all
  int missing = 0;                   // entries whose file does not exist
  std::vector<std::string> sources;  // full paths of the entries, in playlist order
  std::int64_t totalSize = 0;        // bytes of the files that exist
  std::string name;                  // the playlist name; "" when untitled
  // The paths of the missing entries where the caller knows them (the command line): the
  // message lists them.
  std::vector<std::string> missingFiles;
};

enum class CompilationOutcome {
  Created,             // every file copied
  EmptyPlaylist,       // nothing to copy
  MissingFiles,        // some files do not exist: nothing done
  UnplayableFiles,     // some files hold no MPEG audio and the person said No: nothing done
  NoDestination,       // the folder dialog was cancelled
  CannotCreateFolder,  // the compilation folder could not be made
  NotEnoughSpace,      // the new folder is left empty
  Cancelled,           // by the person during the copy; what was copied stays
  FilesNotCopied,      // the folder exists but lacks these files
};

struct CompilationResult {
  CompilationOutcome outcome = CompilationOutcome::EmptyPlaylist;
  std::string folder;                  // the compilation folder, once created
  std::vector<std::string> notCopied;  // sources whose copy failed
  std::vector<std::string> leftBehind;  // incomplete copies in the folder that could not be removed
};

// Turns a playlist into a new folder of numbered copies: checks the playlist, asks for a
// destination, makes a folder of a name not taken yet, checks the free space, copies in the
// copy progress view, and says how it went. Nothing outside the new folder is written.
class CompilationMaker {
 public:
  explicit CompilationMaker(UserDialogs& dialogs,
                            platform::FileSystem& fs = platform::localFileSystem());
  CompilationMaker(const CompilationMaker&) = delete;
  CompilationMaker& operator=(const CompilationMaker&) = delete;

  CompilationResult Make(const CompilationPlaylist& playlist);

  // Whether files that hold no MPEG audio are copied without asking (the command line's
  // --allow-unplayable); by default the person is asked first.
  void setCopyUnplayable(bool copy) { copyUnplayable_ = copy; }

  // The folder chosen last: the folder dialog opens there next time ("" before the first).
  const std::string& lastDestination() const { return lastDestination_; }

 private:
  // The message for an empty playlist or missing files; false when it was shown.
  bool CheckPlaylist(const CompilationPlaylist& playlist);
  // False when some sources hold no MPEG audio and the person does not want them copied.
  bool AcceptUnplayable(const std::vector<std::string>& sources);
  // A path under destination named after base that no folder has yet: base, base1, base2, ...
  std::string UniqueFolderPath(const std::string& destination, const std::string& base);
  bool EnoughSpace(const std::string& folder, std::int64_t totalSize);
  CompilationResult CopyInto(const std::string& folder, const std::vector<std::string>& sources);
  // The last message: success, the files not copied, or the cancellation.
  void ReportCopy(const CompilationResult& result);

  UserDialogs& dialogs_;
  platform::FileSystem& fs_;
  std::string lastDestination_;
  bool copyUnplayable_ = false;
};
