#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/FileSystem.h"

// The real file system with failures switched on per operation, for the
// error paths that file permissions cannot produce when tests run as root.
class FaultyFileSystem : public platform::FileSystem {
 public:
  bool failOpenRead = false;
  bool failRead = false;         // every readAt of an opened file fails
  bool failCreate = false;       // createFile and createNewFile
  // The next createNewFile calls find their name taken: a file (holding kOccupiedBytes) is put
  // there first, as another program could have done, and its path noted in occupiedNames.
  int occupyNewFileNames = 0;
  bool failWriteAfterBytes = false;  // a write fails once writeLimit bytes went through
  std::int64_t writeLimit = 0;
  bool failFlush = false;
  bool failClose = false;
  bool failRename = false;
  bool failRemove = false;
  bool failCreateDirectory = false;
  bool failCopy = false;
  std::int64_t copyFailsAtCall = -1;  // 0-based copyFile call that fails; -1 none
  // >= 0: a failing copy first writes this many bytes of the source to the target, as a full
  // disk would leave it; -1: it fails before the target exists.
  std::int64_t failedCopyLeavesBytes = -1;
  std::int64_t freeSpaceOverride = -1;  // >= 0 replaces the real free space
  std::vector<std::string> unreadableFolders;  // listDirectory fails for these paths
  std::vector<std::string> refusedFolders;     // no permission: refused and unreadable

  int copyCalls = 0;
  int createNewFileCalls = 0;
  std::vector<std::string> renamed;  // "from -> to" of every successful rename
  std::vector<std::string> occupiedNames;
  static constexpr char kOccupiedBytes[] = "taken by another program";

  std::unique_ptr<platform::ReadFile> openRead(const std::string& path) override;
  std::unique_ptr<platform::WriteFile> createFile(const std::string& path) override;
  std::unique_ptr<platform::WriteFile> createNewFile(const std::string& path) override;
  bool fileExists(const std::string& path) override;
  bool directoryExists(const std::string& path) override;
  std::int64_t fileSize(const std::string& path) override;
  bool rename(const std::string& from, const std::string& to) override;
  bool remove(const std::string& path) override;
  bool createDirectory(const std::string& path) override;
  bool copyFile(const std::string& from, const std::string& to) override;
  bool copyPermissions(const std::string& from, const std::string& to) override;
  std::int64_t freeSpace(const std::string& path) override;
  bool listDirectory(const std::string& path, std::vector<platform::DirEntry>& entries) override;
  std::optional<platform::FolderIdentity> folderIdentity(const std::string& path) override;
  bool directoryAccessRefused(const std::string& path) override;
  std::string linkTarget(const std::string& path) override { return real_.linkTarget(path); }

 private:
  platform::FileSystem& real_ = platform::localFileSystem();
};
