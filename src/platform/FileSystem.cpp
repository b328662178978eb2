#include "platform/FileSystem.h"

namespace platform {

std::optional<FolderIdentity> FileSystem::folderIdentity(const std::string&) {
  return std::nullopt;
}

bool FileSystem::directoryAccessRefused(const std::string&) { return false; }

std::string FileSystem::linkTarget(const std::string& path) { return path; }

bool ReplaceFileAtomically(FileSystem& fs, const std::string& path, const std::string& tempSuffix,
                           const std::function<bool(WriteFile&)>& write) {
  const std::string target = fs.linkTarget(path);
  const std::string temp = target + tempSuffix;
  bool ok = false;
  if (auto file = fs.createFile(temp)) {
    ok = write(*file) && file->flush();
    ok = file->close() && ok;
  }
  if (ok && fs.fileExists(target)) fs.copyPermissions(target, temp);  // best effort
  if (ok && fs.rename(temp, target)) return true;
  fs.remove(temp);
  return false;
}

bool readWholeFile(FileSystem& fs, const std::string& path, std::string& content) {
  content.clear();
  auto file = fs.openRead(path);
  if (!file) return false;
  const std::int64_t size = file->size();
  if (size < 0) return false;
  content.resize(static_cast<std::size_t>(size));
  std::int64_t done = 0;
  while (done < size) {
    const std::int64_t got =
        file->readAt(done, content.data() + done, static_cast<std::size_t>(size - done));
    if (got < 0) return false;
    if (got == 0) break;  // the file shrank since it was opened
    done += got;
  }
  content.resize(static_cast<std::size_t>(done));
  return true;
}

}  // namespace platform
