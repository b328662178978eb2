#include <dirent.h>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstdio>
#include <utility>
#include <vector>

#include "platform/FileSystem.h"

namespace platform {
namespace {

class LocalReadFile final : public ReadFile {
 public:
  LocalReadFile(int fd, std::int64_t size) : fd_(fd), size_(size) {}
  ~LocalReadFile() override { ::close(fd_); }
  LocalReadFile(const LocalReadFile&) = delete;
  LocalReadFile& operator=(const LocalReadFile&) = delete;

  std::int64_t size() const override { return size_; }

  std::int64_t readAt(std::int64_t offset, void* buffer, std::size_t n) override {
    if (offset < 0) return -1;
    auto* out = static_cast<char*>(buffer);
    std::size_t done = 0;
    while (done < n) {
      const ssize_t got = ::pread(fd_, out + done, n - done, static_cast<off_t>(offset + done));
      if (got < 0) {
        if (errno == EINTR) continue;
        return -1;
      }
      if (got == 0) break;
      done += static_cast<std::size_t>(got);
    }
    return static_cast<std::int64_t>(done);
  }

 private:
  int fd_;
  std::int64_t size_;
};

class LocalWriteFile final : public WriteFile {
 public:
  explicit LocalWriteFile(int fd) : fd_(fd) {}
  ~LocalWriteFile() override {
    if (fd_ >= 0) ::close(fd_);
  }
  LocalWriteFile(const LocalWriteFile&) = delete;
  LocalWriteFile& operator=(const LocalWriteFile&) = delete;

  bool write(const void* data, std::size_t n) override {
    const auto* in = static_cast<const char*>(data);
    while (n > 0) {
      const ssize_t put = ::write(fd_, in, n);
      if (put < 0) {
        if (errno == EINTR) continue;
        return false;
      }
      in += put;
      n -= static_cast<std::size_t>(put);
    }
    return true;
  }

  bool flush() override { return ::fsync(fd_) == 0; }

  bool close() override {
    const int fd = fd_;
    fd_ = -1;
    return fd >= 0 && ::close(fd) == 0;
  }

 private:
  int fd_;
};

bool statPath(const std::string& path, struct stat& st) { return ::stat(path.c_str(), &st) == 0; }

// Opens path only when it names a regular file (links followed), and never waits: opening a
// FIFO waits for its other end and opening a device can act on it, so those are refused by stat
// before any open; O_NONBLOCK covers one swapped in between, and is cleared again afterwards.
// st receives the opened file's status; -1 when refused or on failure.
int OpenRegularFile(const std::string& path, int flags, mode_t mode, struct stat& st) {
  if (statPath(path, st) && !S_ISREG(st.st_mode)) return -1;
  const int fd = ::open(path.c_str(), flags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, mode);
  if (fd < 0) return -1;
  const int status = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) ? ::fcntl(fd, F_GETFL) : -1;
  if (status < 0 || ::fcntl(fd, F_SETFL, status & ~O_NONBLOCK) != 0) {
    ::close(fd);
    return -1;
  }
  return fd;
}

struct ScopedFd {
  int fd;
  ~ScopedFd() {
    if (fd >= 0) ::close(fd);
  }
};

// Reads and writes through a buffer, from the files' current offsets to the end.
bool CopyByHand(int in, int out) {
  std::vector<char> buffer(std::size_t{1} << 20);
  for (;;) {
    const ssize_t got = ::read(in, buffer.data(), buffer.size());
    if (got == 0) return true;
    if (got < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    for (ssize_t done = 0; done < got;) {
      const ssize_t put = ::write(out, buffer.data() + done, static_cast<std::size_t>(got - done));
      if (put < 0 && errno != EINTR) return false;
      if (put > 0) done += put;
    }
  }
}

// As cp does: a clone sharing the blocks where the file system offers one, else a copy inside
// the kernel, else by hand where the two file systems cannot copy between each other.
bool CopyContents(int in, int out) {
#ifdef FICLONE
  if (::ioctl(out, FICLONE, in) == 0) return true;
#endif
  ::posix_fadvise(in, 0, 0, POSIX_FADV_SEQUENTIAL);
  for (;;) {
    const ssize_t n = ::copy_file_range(in, nullptr, out, nullptr, std::size_t{1} << 30, 0);
    if (n == 0) return true;
    if (n > 0 || errno == EINTR) continue;
    if (errno == EXDEV || errno == ENOSYS || errno == EINVAL || errno == EOPNOTSUPP)
      return CopyByHand(in, out);
    return false;
  }
}

class LocalFileSystem final : public FileSystem {
 public:
  std::unique_ptr<ReadFile> openRead(const std::string& path) override {
    struct stat st {};
    const int fd = OpenRegularFile(path, O_RDONLY, 0, st);
    if (fd < 0) return nullptr;
    return std::make_unique<LocalReadFile>(fd, static_cast<std::int64_t>(st.st_size));
  }

  std::unique_ptr<WriteFile> createFile(const std::string& path) override {
    struct stat st {};
    const int fd = OpenRegularFile(path, O_WRONLY | O_CREAT | O_TRUNC, 0666, st);
    if (fd < 0) return nullptr;
    return std::make_unique<LocalWriteFile>(fd);
  }

  std::unique_ptr<WriteFile> createNewFile(const std::string& path) override {
    struct stat st {};
    const int fd = OpenRegularFile(path, O_WRONLY | O_CREAT | O_EXCL, 0666, st);
    if (fd < 0) return nullptr;
    return std::make_unique<LocalWriteFile>(fd);
  }

  bool fileExists(const std::string& path) override {
    struct stat st {};
    return statPath(path, st) && S_ISREG(st.st_mode);
  }

  bool directoryExists(const std::string& path) override {
    struct stat st {};
    return statPath(path, st) && S_ISDIR(st.st_mode);
  }

  std::int64_t fileSize(const std::string& path) override {
    struct stat st {};
    if (!statPath(path, st)) return -1;
    return S_ISDIR(st.st_mode) ? 0 : static_cast<std::int64_t>(st.st_size);
  }

  bool rename(const std::string& from, const std::string& to) override {
    return std::rename(from.c_str(), to.c_str()) == 0;
  }

  bool remove(const std::string& path) override { return ::unlink(path.c_str()) == 0; }

  bool createDirectory(const std::string& path) override {
    return ::mkdir(path.c_str(), 0777) == 0;
  }

  bool copyFile(const std::string& from, const std::string& to) override {
    // Permission bits and times are carried over on a best-effort basis: a FAT memory card
    // refuses some of them, and the data is what counts.
    struct stat st {}, target {};
    const ScopedFd in{OpenRegularFile(from, O_RDONLY, 0, st)};
    if (in.fd < 0) return false;
    const mode_t mode = st.st_mode & 07777;
    ScopedFd out{OpenRegularFile(to, O_WRONLY | O_CREAT, mode, target)};
    if (out.fd < 0) return false;
    // Truncating only after this check keeps a copy onto itself from emptying the source. A new
    // file is not truncated at all: on ext4 that would force its blocks out to the disk at
    // close, and a compilation of many files would wait for the disk.
    if (target.st_dev == st.st_dev && target.st_ino == st.st_ino) return false;
    if (target.st_size != 0 && ::ftruncate(out.fd, 0) != 0) return false;
    if (!CopyContents(in.fd, out.fd)) return false;
    if ((target.st_mode & 07777) != mode) ::fchmod(out.fd, mode);
    const struct timespec times[2] = {st.st_atim, st.st_mtim};
    ::futimens(out.fd, times);
    return ::close(std::exchange(out.fd, -1)) == 0;
  }

  bool copyPermissions(const std::string& from, const std::string& to) override {
    struct stat st {};
    return statPath(from, st) && ::chmod(to.c_str(), st.st_mode & 07777) == 0;
  }

  std::int64_t freeSpace(const std::string& path) override {
    struct statvfs vfs {};
    if (::statvfs(path.c_str(), &vfs) != 0) return -1;
    return static_cast<std::int64_t>(vfs.f_bavail) * static_cast<std::int64_t>(vfs.f_frsize);
  }

  bool listDirectory(const std::string& path, std::vector<DirEntry>& entries) override {
    entries.clear();
    DIR* dir = ::opendir(path.c_str());
    if (!dir) return false;
    while (const dirent* e = ::readdir(dir)) {
      const std::string name = e->d_name;
      if (name == "." || name == "..") continue;
      entries.push_back(describe(path, name, e->d_type));
    }
    ::closedir(dir);
    return true;
  }

  std::optional<FolderIdentity> folderIdentity(const std::string& path) override {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return std::nullopt;
    return FolderIdentity{static_cast<std::uint64_t>(st.st_dev),
                          static_cast<std::uint64_t>(st.st_ino)};
  }

  std::string linkTarget(const std::string& path) override {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (!resolved) return path;
    std::string target = resolved;
    std::free(resolved);
    return target;
  }

  bool directoryAccessRefused(const std::string& path) override {
    return ::access(path.c_str(), R_OK | X_OK) != 0 && errno == EACCES;
  }

 private:
  static DirEntry describe(const std::string& folder, const std::string& name, unsigned char type) {
    DirEntry entry{name, EntryKind::Other, false};
    if (type == DT_REG) {
      entry.kind = EntryKind::File;
      return entry;
    }
    if (type == DT_DIR) {
      entry.kind = EntryKind::Directory;
      return entry;
    }
    // Links and file systems that do not report the type: ask stat.
    const std::string full = folder.empty() || folder.back() == '/' ? folder + name : folder + "/" + name;
    struct stat st {};
    if (::lstat(full.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) entry.isSymlink = true;
    if (::stat(full.c_str(), &st) == 0) {
      if (S_ISREG(st.st_mode)) entry.kind = EntryKind::File;
      else if (S_ISDIR(st.st_mode)) entry.kind = EntryKind::Directory;
    }
    return entry;
  }
};

}  // namespace

FileSystem& localFileSystem() {
  static LocalFileSystem instance;
  return instance;
}

}  // namespace platform
