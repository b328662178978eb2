#include "support/FaultyFileSystem.h"

#include <algorithm>

namespace {

class FailingReadFile final : public platform::ReadFile {
 public:
  explicit FailingReadFile(std::int64_t size) : size_(size) {}
  std::int64_t size() const override { return size_; }
  std::int64_t readAt(std::int64_t, void*, std::size_t) override { return -1; }

 private:
  std::int64_t size_;
};

class LimitedWriteFile final : public platform::WriteFile {
 public:
  LimitedWriteFile(std::unique_ptr<platform::WriteFile> inner, const FaultyFileSystem& owner)
      : inner_(std::move(inner)), owner_(owner) {}

  bool write(const void* data, std::size_t n) override {
    if (owner_.failWriteAfterBytes && written_ + static_cast<std::int64_t>(n) > owner_.writeLimit)
      return false;
    written_ += static_cast<std::int64_t>(n);
    return inner_->write(data, n);
  }
  bool flush() override { return !owner_.failFlush && inner_->flush(); }
  bool close() override {
    const bool ok = inner_->close();
    return ok && !owner_.failClose;
  }

 private:
  std::unique_ptr<platform::WriteFile> inner_;
  const FaultyFileSystem& owner_;
  std::int64_t written_ = 0;
};

}  // namespace

std::unique_ptr<platform::ReadFile> FaultyFileSystem::openRead(const std::string& path) {
  if (failOpenRead) return nullptr;
  auto file = real_.openRead(path);
  if (file && failRead) return std::make_unique<FailingReadFile>(file->size());
  return file;
}

std::unique_ptr<platform::WriteFile> FaultyFileSystem::createFile(const std::string& path) {
  if (failCreate) return nullptr;
  auto file = real_.createFile(path);
  if (!file) return nullptr;
  return std::make_unique<LimitedWriteFile>(std::move(file), *this);
}

std::unique_ptr<platform::WriteFile> FaultyFileSystem::createNewFile(const std::string& path) {
  ++createNewFileCalls;
  if (failCreate) return nullptr;
  if (occupyNewFileNames > 0) {
    --occupyNewFileNames;
    if (auto squatter = real_.createNewFile(path)) {
      squatter->write(kOccupiedBytes, sizeof kOccupiedBytes - 1);
      squatter->close();
      occupiedNames.push_back(path);
    }
  }
  auto file = real_.createNewFile(path);
  if (!file) return nullptr;
  return std::make_unique<LimitedWriteFile>(std::move(file), *this);
}

bool FaultyFileSystem::fileExists(const std::string& path) { return real_.fileExists(path); }
bool FaultyFileSystem::directoryExists(const std::string& path) {
  return real_.directoryExists(path);
}
std::int64_t FaultyFileSystem::fileSize(const std::string& path) { return real_.fileSize(path); }

bool FaultyFileSystem::rename(const std::string& from, const std::string& to) {
  if (failRename || !real_.rename(from, to)) return false;
  renamed.push_back(from + " -> " + to);
  return true;
}

bool FaultyFileSystem::remove(const std::string& path) {
  return !failRemove && real_.remove(path);
}

bool FaultyFileSystem::createDirectory(const std::string& path) {
  return !failCreateDirectory && real_.createDirectory(path);
}

bool FaultyFileSystem::copyFile(const std::string& from, const std::string& to) {
  const int call = copyCalls++;
  if (!failCopy && call != copyFailsAtCall) return real_.copyFile(from, to);
  std::string bytes;
  if (failedCopyLeavesBytes >= 0 && platform::readWholeFile(real_, from, bytes)) {
    bytes.resize(std::min(bytes.size(), static_cast<std::size_t>(failedCopyLeavesBytes)));
    if (auto part = real_.createFile(to)) {
      part->write(bytes.data(), bytes.size());
      part->close();
    }
  }
  return false;
}

bool FaultyFileSystem::copyPermissions(const std::string& from, const std::string& to) {
  return real_.copyPermissions(from, to);
}

std::int64_t FaultyFileSystem::freeSpace(const std::string& path) {
  return freeSpaceOverride >= 0 ? freeSpaceOverride : real_.freeSpace(path);
}

bool FaultyFileSystem::listDirectory(const std::string& path,
                                     std::vector<platform::DirEntry>& entries) {
  entries.clear();
  if (std::ranges::count(unreadableFolders, path) > 0 || directoryAccessRefused(path)) {
    return false;
  }
  return real_.listDirectory(path, entries);
}

std::optional<platform::FolderIdentity> FaultyFileSystem::folderIdentity(
    const std::string& path) {
  return real_.folderIdentity(path);
}

bool FaultyFileSystem::directoryAccessRefused(const std::string& path) {
  return std::ranges::count(refusedFolders, path) > 0 || real_.directoryAccessRefused(path);
}
