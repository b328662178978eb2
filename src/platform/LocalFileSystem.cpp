#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

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

class LocalFileSystem final : public FileSystem {
 public:
  std::unique_ptr<ReadFile> openRead(const std::string& path) override {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return nullptr;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
      ::close(fd);
      return nullptr;
    }
    return std::make_unique<LocalReadFile>(fd, static_cast<std::int64_t>(st.st_size));
  }

  std::unique_ptr<WriteFile> createFile(const std::string& path) override {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
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
    std::error_code ec;
    namespace fs = std::filesystem;
    if (!fs::copy_file(from, to, fs::copy_options::overwrite_existing, ec) || ec) return false;
    struct stat st {};
    if (!statPath(from, st)) return false;
    const struct timespec times[2] = {st.st_atim, st.st_mtim};
    return ::utimensat(AT_FDCWD, to.c_str(), times, 0) == 0;
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
