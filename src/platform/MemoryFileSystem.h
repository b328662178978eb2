#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/FileSystem.h"

namespace platform {

// A file system held in memory, for fuzzing and for tests that want exact control: files are byte
// strings by path, folders a set of paths, and "/" always exists. Paths are taken literally (no
// "." or ".." resolution, no links). As on POSIX, a file opened for reading keeps the content it
// was opened on when its name is replaced by a rename, and sees a truncation by createFile.
// Failures of the write path can be switched on; each failure they cause is counted.
class MemoryFileSystem : public FileSystem {
 public:
  struct Faults {
    bool create = false;
    std::int64_t writeLimit = -1;  // >= 0: a write fails once a file got this many bytes
    bool flush = false;
    bool close = false;
    bool rename = false;
  };
  Faults faults;
  int faultsHit = 0;

  // Sets a file's content, creating the folders above it.
  void addFile(const std::string& path, std::string bytes);
  void addFolder(const std::string& path);
  // A file's content; null when there is no such file.
  const std::string* content(const std::string& path) const;
  // Every file's path, in byte order.
  std::vector<std::string> filePaths() const;

  std::unique_ptr<ReadFile> openRead(const std::string& path) override;
  std::unique_ptr<WriteFile> createFile(const std::string& path) override;
  bool fileExists(const std::string& path) override;
  bool directoryExists(const std::string& path) override;
  std::int64_t fileSize(const std::string& path) override;
  bool rename(const std::string& from, const std::string& to) override;
  bool remove(const std::string& path) override;
  bool createDirectory(const std::string& path) override;
  bool copyFile(const std::string& from, const std::string& to) override;
  bool copyPermissions(const std::string& from, const std::string& to) override;
  std::int64_t freeSpace(const std::string& path) override;
  bool listDirectory(const std::string& path, std::vector<DirEntry>& entries) override;

 private:
  class Writer;
  // Counts a failure that a switch caused and returns true.
  bool strike(bool fault);
  // A new name for a file (or folder): its folder exists and nothing holds the name yet.
  bool canCreate(const std::string& path) const;

  std::map<std::string, std::shared_ptr<std::string>> files_;
  std::set<std::string> folders_{"/"};
};

}  // namespace platform
