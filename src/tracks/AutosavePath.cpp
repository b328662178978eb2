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

}  // namespace

std::string ChooseAutosavePath(const std::string& executablePath, const std::string& userDataFolder,
                               platform::FileSystem& fs) {
  const std::string besideExecutable = ChangeExtension(executablePath, ".m3u");
  if (userDataFolder.empty() || FolderTakesNewFiles(FolderPart(besideExecutable), fs))
    return besideExecutable;
  std::string folder = userDataFolder;
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  platform::CreateFolderPath(fs, folder);
  const std::string separator = folder.back() == '/' ? "" : "/";
  return folder + separator + FileNamePart(besideExecutable);
}
