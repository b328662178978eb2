#include "platform/MemoryFileSystem.h"

#include <algorithm>
#include <cstring>

#include "platform/PathParts.h"

namespace platform {
namespace {

// The folder a path lies in, as the folder set holds it: without a trailing "/" except for "/";
// empty for a path without any "/".
std::string ParentFolder(const std::string& path) {
  std::string folder = FolderPart(path);
  if (folder.size() > 1) folder.pop_back();
  return folder;
}

std::string WithoutTrailingSlash(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

class MemoryReadFile final : public ReadFile {
 public:
  explicit MemoryReadFile(std::shared_ptr<const std::string> bytes)
      : bytes_(std::move(bytes)), size_(static_cast<std::int64_t>(bytes_->size())) {}

  std::int64_t size() const override { return size_; }

  std::int64_t readAt(std::int64_t offset, void* buffer, std::size_t n) override {
    if (offset < 0) return -1;
    const auto now = static_cast<std::int64_t>(bytes_->size());  // a truncation shows at once
    if (offset >= now) return 0;
    const std::size_t count = std::min<std::size_t>(n, static_cast<std::size_t>(now - offset));
    std::memcpy(buffer, bytes_->data() + offset, count);
    return static_cast<std::int64_t>(count);
  }

 private:
  std::shared_ptr<const std::string> bytes_;
  std::int64_t size_;
};

}  // namespace

class MemoryFileSystem::Writer final : public WriteFile {
 public:
  Writer(MemoryFileSystem& owner, std::shared_ptr<std::string> bytes)
      : owner_(owner), bytes_(std::move(bytes)) {}

  bool write(const void* data, std::size_t n) override {
    const std::int64_t limit = owner_.faults.writeLimit;
    const bool overLimit = limit >= 0 && static_cast<std::int64_t>(bytes_->size() + n) > limit;
    if (closed_ || owner_.strike(overLimit)) return false;
    bytes_->append(static_cast<const char*>(data), n);
    return true;
  }
  bool flush() override { return !closed_ && !owner_.strike(owner_.faults.flush); }
  bool close() override {
    const bool wasOpen = !closed_;
    closed_ = true;
    return wasOpen && !owner_.strike(owner_.faults.close);
  }

 private:
  MemoryFileSystem& owner_;
  std::shared_ptr<std::string> bytes_;
  bool closed_ = false;
};

bool MemoryFileSystem::strike(bool fault) {
  if (fault) ++faultsHit;
  return fault;
}

bool MemoryFileSystem::canCreate(const std::string& path) const {
  return folders_.contains(ParentFolder(path)) && !files_.contains(path) &&
         !folders_.contains(WithoutTrailingSlash(path)) && !FileNamePart(path).empty();
}

void MemoryFileSystem::addFile(const std::string& path, std::string bytes) {
  addFolder(ParentFolder(path));
  files_[path] = std::make_shared<std::string>(std::move(bytes));
}

void MemoryFileSystem::addFolder(const std::string& path) {
  if (path.empty() || folders_.contains(path)) return;
  addFolder(ParentFolder(path));
  folders_.insert(path);
}

const std::string* MemoryFileSystem::content(const std::string& path) const {
  const auto it = files_.find(path);
  return it == files_.end() ? nullptr : it->second.get();
}

std::vector<std::string> MemoryFileSystem::filePaths() const {
  std::vector<std::string> paths;
  for (const auto& [path, bytes] : files_) paths.push_back(path);
  return paths;
}

std::unique_ptr<ReadFile> MemoryFileSystem::openRead(const std::string& path) {
  const auto it = files_.find(path);
  if (it == files_.end()) return nullptr;
  return std::make_unique<MemoryReadFile>(it->second);
}

std::unique_ptr<WriteFile> MemoryFileSystem::createFile(const std::string& path) {
  if (strike(faults.create)) return nullptr;
  const auto it = files_.find(path);
  if (it != files_.end()) {
    it->second->clear();  // the same file, truncated: readers that have it open see that
    return std::make_unique<Writer>(*this, it->second);
  }
  if (!canCreate(path)) return nullptr;
  auto bytes = std::make_shared<std::string>();
  files_[path] = bytes;
  return std::make_unique<Writer>(*this, bytes);
}

bool MemoryFileSystem::fileExists(const std::string& path) { return files_.contains(path); }

bool MemoryFileSystem::directoryExists(const std::string& path) {
  return folders_.contains(WithoutTrailingSlash(path));
}

std::int64_t MemoryFileSystem::fileSize(const std::string& path) {
  if (const std::string* bytes = content(path)) return static_cast<std::int64_t>(bytes->size());
  return directoryExists(path) ? 0 : -1;
}

bool MemoryFileSystem::rename(const std::string& from, const std::string& to) {
  const auto it = files_.find(from);
  if (strike(faults.rename) || it == files_.end()) return false;
  if (from == to) return true;
  if (!files_.contains(to) && !canCreate(to)) return false;
  files_[to] = it->second;  // readers of the old `to` keep its old content
  files_.erase(from);
  return true;
}

bool MemoryFileSystem::remove(const std::string& path) { return files_.erase(path) > 0; }

bool MemoryFileSystem::createDirectory(const std::string& path) {
  const std::string folder = WithoutTrailingSlash(path);
  if (!canCreate(folder)) return false;
  folders_.insert(folder);
  return true;
}

bool MemoryFileSystem::copyFile(const std::string& from, const std::string& to) {
  const auto it = files_.find(from);
  if (it == files_.end() || from == to) return false;
  if (!files_.contains(to) && !canCreate(to)) return false;
  files_[to] = std::make_shared<std::string>(*it->second);
  return true;
}

bool MemoryFileSystem::copyPermissions(const std::string& from, const std::string& to) {
  return files_.contains(from) && files_.contains(to);
}

std::int64_t MemoryFileSystem::freeSpace(const std::string& path) {
  constexpr std::int64_t kOneTebibyte = std::int64_t{1} << 40;
  return directoryExists(path) || files_.contains(path) ? kOneTebibyte : -1;
}

bool MemoryFileSystem::listDirectory(const std::string& path, std::vector<DirEntry>& entries) {
  entries.clear();
  const std::string folder = WithoutTrailingSlash(path);
  if (!folders_.contains(folder)) return false;
  for (const auto& [file, bytes] : files_) {
    if (ParentFolder(file) == folder) entries.push_back({FileNamePart(file), EntryKind::File});
  }
  for (const std::string& sub : folders_) {
    if (sub != "/" && ParentFolder(sub) == folder)
      entries.push_back({FileNamePart(sub), EntryKind::Directory});
  }
  return true;
}

}  // namespace platform
