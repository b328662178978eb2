#include "platform/FileSystem.h"

#include <chrono>
#include <cstdint>
#include <exception>
#include <random>
#include <utility>

namespace platform {

std::optional<FolderIdentity> FileSystem::folderIdentity(const std::string&) {
  return std::nullopt;
}

bool FileSystem::directoryAccessRefused(const std::string&) { return false; }

std::string FileSystem::linkTarget(const std::string& path) { return path; }

std::unique_ptr<WriteFile> FileSystem::createNewFile(const std::string& path) {
  if (fileSize(path) >= 0) return nullptr;  // a file, a folder or anything else holds the name
  return createFile(path);
}

namespace {

// Enough tries to get past names taken meanwhile; any other failure ends the tries at once.
constexpr int kTempNameAttempts = 16;
constexpr std::size_t kTempNameLetters = 8;
// The part of the file's name a temporary name keeps, in bytes: with the suffix and the random
// letters it stays below the 255 bytes a name may have, so long names can be replaced too.
constexpr std::size_t kTempNameKeeps = 200;

// From the system's random source; where there is none, the clock still gives names that differ
// from one run to the next (exclusive creation keeps them safe either way).
std::uint64_t RandomSeed() {
  try {
    std::random_device device;
    return (std::uint64_t{device()} << 32) ^ device();
  } catch (const std::exception&) {
    return static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
  }
}

// Lower case and digits only, so names stay different on volumes that ignore case.
std::string RandomLetters(std::mt19937_64& random, std::size_t count) {
  static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
  std::string letters;
  for (std::size_t i = 0; i < count; ++i) letters += kLetters[pick(random)];
  return letters;
}

// The path without the part of its name beyond kTempNameKeeps bytes, never cutting a UTF-8
// character in two.
std::string ShortenedName(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
  if (path.size() - nameStart <= kTempNameKeeps) return path;
  std::size_t end = nameStart + kTempNameKeeps;
  while (end > nameStart && (static_cast<unsigned char>(path[end]) & 0xC0) == 0x80) --end;
  return path.substr(0, end);
}

struct TempFile {
  std::string path;
  std::unique_ptr<WriteFile> file;  // null when no name could be had
};

TempFile CreateTempFileBeside(FileSystem& fs, const std::string& target,
                              const std::string& tempSuffix) {
  const std::string stem = ShortenedName(target) + tempSuffix + ".";
  std::mt19937_64 random(RandomSeed());
  for (int attempt = 0; attempt < kTempNameAttempts; ++attempt) {
    std::string path = stem + RandomLetters(random, kTempNameLetters);
    if (auto file = fs.createNewFile(path)) return {std::move(path), std::move(file)};
    if (fs.fileSize(path) < 0) break;  // the name was free: the folder refuses new files
  }
  return {};
}

}  // namespace

bool ReplaceFileAtomically(FileSystem& fs, const std::string& path, const std::string& tempSuffix,
                           const std::function<bool(WriteFile&)>& write) {
  return TryReplaceFileAtomically(fs, path, tempSuffix, write) == ReplaceResult::Replaced;
}

ReplaceResult TryReplaceFileAtomically(FileSystem& fs, const std::string& path,
                                       const std::string& tempSuffix,
                                       const std::function<bool(WriteFile&)>& write) {
  const std::string target = fs.linkTarget(path);
  TempFile temp = CreateTempFileBeside(fs, target, tempSuffix);
  if (!temp.file) return ReplaceResult::TemporaryNotCreated;
  bool ok = write(*temp.file) && temp.file->flush();
  ok = temp.file->close() && ok;
  if (ok && fs.fileExists(target)) fs.copyPermissions(target, temp.path);  // best effort
  if (ok && fs.rename(temp.path, target)) return ReplaceResult::Replaced;
  fs.remove(temp.path);
  return ok ? ReplaceResult::NotRenamed : ReplaceResult::NotWritten;
}

bool CreateFolderPath(FileSystem& fs, const std::string& folder) {
  for (std::size_t slash = folder.find('/', 1); slash != std::string::npos;
       slash = folder.find('/', slash + 1)) {
    const std::string part = folder.substr(0, slash);
    if (!fs.directoryExists(part)) fs.createDirectory(part);
  }
  if (!fs.directoryExists(folder)) fs.createDirectory(folder);
  return fs.directoryExists(folder);
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
