#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// The one seam between the core and the operating system's files. Everything
// the core reads or writes goes through a FileSystem, so that tests can inject
// failures (tests run as root, where permission bits stop nothing).
namespace platform {

// A file opened for reading. Reads are positional, so one handle can serve
// reads at the start and the end of a file without seeking back and forth.
class ReadFile {
 public:
  virtual ~ReadFile() = default;
  // Size in bytes when the file was opened.
  virtual std::int64_t size() const = 0;
  // Reads up to n bytes at offset; returns the count read (short at the end
  // of the file), or -1 on an error or a negative offset.
  virtual std::int64_t readAt(std::int64_t offset, void* buffer, std::size_t n) = 0;
};

// A file opened for writing (created or truncated).
class WriteFile {
 public:
  virtual ~WriteFile() = default;
  virtual bool write(const void* data, std::size_t n) = 0;
  // Pushes written data to the disk, so a later rename cannot expose a
  // half-written file after a crash.
  virtual bool flush() = 0;
  // Closes the file; false when the last writes could not be completed.
  virtual bool close() = 0;
};

enum class EntryKind { File, Directory, Other };

struct DirEntry {
  std::string name;  // without the folder
  EntryKind kind = EntryKind::Other;
  bool isSymlink = false;  // a link (to a folder or file); walks never follow folder links
};

// What tells one folder from another on this machine (device and inode here), so that a walk
// can see that it reached a folder it entered before.
struct FolderIdentity {
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  friend bool operator==(const FolderIdentity&, const FolderIdentity&) = default;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // Null when the path cannot be opened or is not a regular file.
  virtual std::unique_ptr<ReadFile> openRead(const std::string& path) = 0;
  // Creates or truncates; null on failure.
  virtual std::unique_ptr<WriteFile> createFile(const std::string& path) = 0;
  // Creates a file only where no entry of that name exists; null when the name is taken or on
  // failure. What exists is never opened. The default looks first, then creates: exclusive only
  // where no other program shares the files (a file system in memory); the local one creates in
  // one step and also refuses a dangling link.
  virtual std::unique_ptr<WriteFile> createNewFile(const std::string& path);

  virtual bool fileExists(const std::string& path) = 0;       // a regular file (links followed)
  virtual bool directoryExists(const std::string& path) = 0;  // links followed
  // Size in bytes of a regular file; 0 for a folder; -1 when missing.
  virtual std::int64_t fileSize(const std::string& path) = 0;

  // Replaces `to` in one step when it exists.
  virtual bool rename(const std::string& from, const std::string& to) = 0;
  virtual bool remove(const std::string& path) = 0;
  virtual bool createDirectory(const std::string& path) = 0;
  // Copies the whole file, replacing `to`, and keeps the modification time.
  virtual bool copyFile(const std::string& from, const std::string& to) = 0;
  // Gives `to` the permission bits of `from` (best effort).
  virtual bool copyPermissions(const std::string& from, const std::string& to) = 0;
  // Bytes available to this user on the volume holding path; -1 on error.
  virtual std::int64_t freeSpace(const std::string& path) = 0;
  // The entries of a folder without "." and ".."; false when it cannot be read.
  virtual bool listDirectory(const std::string& path, std::vector<DirEntry>& entries) = 0;
  // The identity of a folder (links followed); nullopt when it cannot be looked up or when
  // this file system cannot tell.
  virtual std::optional<FolderIdentity> folderIdentity(const std::string& path);
  // True when the platform refuses this user the folder's entries (no permission).
  virtual bool directoryAccessRefused(const std::string& path);
  // The file a path finally names when it is a symbolic link (to an existing file); the path
  // itself otherwise.
  virtual std::string linkTarget(const std::string& path);
};

// The real file system of this machine. Stateless, so one shared instance.
FileSystem& localFileSystem();

// Writes a file anew in one step: `write` fills a temporary file beside it, which is flushed,
// closed, given the old file's permissions and renamed over it. The temporary file gets a name
// that nothing had: the file's name (shortened when long), tempSuffix, "." and random letters,
// created only where nothing of that name exists, so no other file is ever written over or
// removed. On any failure the old file is untouched and the temporary file removed. A symbolic
// link stays a link: its target is what gets replaced.
bool ReplaceFileAtomically(FileSystem& fs, const std::string& path, const std::string& tempSuffix,
                           const std::function<bool(WriteFile&)>& write);

// Where a replacement stopped, for callers that tell the person why it failed.
enum class ReplaceResult {
  Replaced,
  TemporaryNotCreated,  // no new file could be made beside the old one
  NotWritten,           // `write` failed, or the new file could not be flushed or closed
  NotRenamed,           // the new file could not take the old one's place
};

// ReplaceFileAtomically, telling which step failed.
ReplaceResult TryReplaceFileAtomically(FileSystem& fs, const std::string& path,
                                       const std::string& tempSuffix,
                                       const std::function<bool(WriteFile&)>& write);

// Creates a folder and any folders above it that are missing; true when it exists afterwards.
bool CreateFolderPath(FileSystem& fs, const std::string& folder);

// Reads a whole file; false when it cannot be opened or read.
bool readWholeFile(FileSystem& fs, const std::string& path, std::string& content);

}  // namespace platform
