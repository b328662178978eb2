#include "search/ScanList.h"

#include <algorithm>
#include <array>
#include <map>

#include "search/NameOrder.h"

namespace {

constexpr std::array<std::string_view, 12> kSystemFolders = {
    "bin", "boot", "dev", "etc", "proc", "run", "sbin", "snap", "sys", "usr", "var", "lost+found"};

std::string WithoutTrailingSlash(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

// The mounts as they stand: a later mount on a path hides an earlier one.
class MountMap {
 public:
  explicit MountMap(platform::MountTable& table) {
    for (const platform::Mount& mount : table.mounts())
      byPath_[WithoutTrailingSlash(mount.path)] = mount.localDisk;
    byPath_["/"] = true;  // the system drive is scanned whatever its type
  }

  // Whether the filesystem holding path is scanned.
  bool scanned(const std::string& path) const {
    std::size_t longest = 0;
    bool local = true;
    for (const auto& [mountPoint, localDisk] : byPath_) {
      if (PathLiesIn(path, mountPoint) && mountPoint.size() >= longest) {
        longest = mountPoint.size();
        local = localDisk;
      }
    }
    return local;
  }

  std::vector<std::string> fenced() const {
    std::vector<std::string> paths;
    for (const auto& [mountPoint, localDisk] : byPath_)
      if (!localDisk) paths.push_back(mountPoint);
    return paths;
  }

  // The local disks but "/", in path order.
  std::vector<std::string> localDisks() const {
    std::vector<std::string> paths;
    for (const auto& [mountPoint, localDisk] : byPath_)
      if (localDisk && mountPoint != "/") paths.push_back(mountPoint);
    return paths;
  }

 private:
  std::map<std::string, bool> byPath_;  // byte order: a folder before what lies inside it
};

// A top folder of "/" that may get an entry: a folder with neither a leading dot (hidden) nor
// any dot (the written behaviour takes names without an extension), nor the system's own.
bool IsCandidateTopFolder(const platform::DirEntry& entry) {
  return entry.kind == platform::EntryKind::Directory &&
         entry.name.find('.') == std::string::npos && !IsSystemFolderName(entry.name);
}

bool LiesInAny(const std::string& path, const std::vector<ScanEntry>& entries) {
  return std::ranges::any_of(
      entries, [&](const ScanEntry& e) { return e.recurse && PathLiesIn(path, e.path); });
}

struct TopFolder {
  std::string name;
  std::string path;  // the folder, or a link's target
  bool link = false;
};

// The top folders of "/" that may be scanned, first name first.
std::vector<TopFolder> TopFolders(platform::FileSystem& fs, const MountMap& mounts) {
  std::vector<platform::DirEntry> entries;
  fs.listDirectory("/", entries);
  std::vector<TopFolder> folders;
  for (const platform::DirEntry& entry : entries) {
    if (!IsCandidateTopFolder(entry)) continue;
    TopFolder folder{entry.name, "/" + entry.name, entry.isSymlink};
    if (folder.link) folder.path = WithoutTrailingSlash(fs.linkTarget(folder.path));
    if (folder.link && (folder.path == "/" + entry.name || !folder.path.starts_with('/')))
      continue;  // the link cannot be resolved
    if (!mounts.scanned(folder.path)) continue;
    folders.push_back(std::move(folder));
  }
  std::ranges::sort(folders, NameLess, &TopFolder::name);
  return folders;
}

}  // namespace

bool IsSystemFolderName(std::string_view name) {
  return name.starts_with("lib") || std::ranges::find(kSystemFolders, name) != kSystemFolders.end();
}

bool PathLiesIn(std::string_view path, std::string_view folder) {
  if (folder == "/") return path.starts_with('/');
  return path.starts_with(folder) && (path.size() == folder.size() || path[folder.size()] == '/');
}

ScanPlaces BuildScanList(platform::FileSystem& fs, platform::MountTable& table) {
  const MountMap mounts(table);
  const std::vector<TopFolder> top = TopFolders(fs, mounts);
  ScanPlaces places;
  std::vector<ScanEntry> folders;
  for (const TopFolder& folder : top)
    if (!folder.link) folders.push_back({folder.path, true});
  // Each top folder goes in before the ones inserted earlier, so the last name comes first.
  for (auto folder = top.rbegin(); folder != top.rend(); ++folder) {
    if (folder->link && (folder->path == "/" || LiesInAny(folder->path, folders) ||
                         LiesInAny(folder->path, places.entries)))
      continue;
    places.entries.push_back({folder->path, true});
  }
  places.entries.push_back({"/", false});
  for (const std::string& disk : mounts.localDisks()) {
    const std::string topName = disk.substr(1, disk.find('/', 1) - 1);
    if (LiesInAny(disk, places.entries) || topName.starts_with('.')) continue;
    places.entries.push_back({disk, true});
  }
  places.fencedFolders = mounts.fenced();
  return places;
}

ScanPlaces FolderScanList(const std::vector<std::string>& folders, platform::MountTable& table) {
  std::vector<std::string> chosen;
  for (const std::string& folder : folders)
    if (!folder.empty()) chosen.push_back(WithoutTrailingSlash(folder));
  ScanPlaces places;
  for (std::size_t i = 0; i < chosen.size(); ++i) {
    const auto inAnother = [&](std::size_t j) {
      // Of two equal folders the first stays.
      return j != i && PathLiesIn(chosen[i], chosen[j]) && (chosen[i] != chosen[j] || j < i);
    };
    bool covered = false;
    for (std::size_t j = 0; j < chosen.size() && !covered; ++j) covered = inAnother(j);
    if (!covered) places.entries.push_back({chosen[i], true});
  }
  places.fencedFolders = MountMap(table).fenced();
  return places;
}
