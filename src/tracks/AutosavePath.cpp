#include "tracks/AutosavePath.h"

#include "platform/PathParts.h"

namespace {

constexpr char kProbeName[] = ".songloom-write-probe";

bool FolderTakesNewFiles(const std::string& folder, platform::FileSystem& fs) {
  const std::string probe = folder + kProbeName;
  auto file = fs.createFile(probe);
  if (!file) return false;
  const bool closed = file->close();
  fs.remove(probe);
  return closed;
}

// Creates the folder and any missing parents; true when it exists afterwards.
bool MakeFolders(const std::string& folder, platform::FileSystem& fs) {
  for (std::size_t slash = folder.find('/', 1); slash != std::string::npos;
       slash = folder.find('/', slash + 1)) {
    const std::string part = folder.substr(0, slash);
    if (!fs.directoryExists(part)) fs.createDirectory(part);
  }
  if (!fs.directoryExists(folder)) fs.createDirectory(folder);
  return fs.directoryExists(folder);
}

}  // namespace

std::string ChooseAutosavePath(const std::string& executablePath, const std::string& userDataFolder,
                               platform::FileSystem& fs) {
  const std::string besideExecutable = ChangeExtension(executablePath, ".m3u");
  if (userDataFolder.empty() || FolderTakesNewFiles(FolderPart(besideExecutable), fs))
    return besideExecutable;
  std::string folder = userDataFolder;
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  MakeFolders(folder, fs);
  const std::string separator = folder.back() == '/' ? "" : "/";
  return folder + separator + FileNamePart(besideExecutable);
}
