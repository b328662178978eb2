#include "platform/MountTable.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <fstream>
#include <sstream>

namespace platform {
namespace {

constexpr std::array<std::string_view, 21> kLocalDiskTypes = {
    "apfs", "bcachefs", "btrfs",    "exfat",   "ext2", "ext3",  "ext4",
    "f2fs", "fuseblk",  "hfs",      "hfsplus", "jfs",  "msdos", "nilfs2",
    "ntfs", "ntfs3",    "reiserfs", "ufs",     "vfat", "xfs",   "zfs"};

// The fields of one line, split at blanks.
std::vector<std::string_view> Fields(std::string_view line) {
  std::vector<std::string_view> fields;
  std::size_t start = 0;
  while (start < line.size()) {
    const std::size_t blank = std::min(line.find(' ', start), line.size());
    if (blank > start) fields.push_back(line.substr(start, blank - start));
    start = blank + 1;
  }
  return fields;
}

std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

bool IsOctal(char c) { return c >= '0' && c <= '7'; }

// The kernel writes a blank, a tab, a line break and a backslash of a path as "\040", "\011",
// "\012" and "\134".
std::string Unescape(std::string_view field) {
  std::string text;
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' && i + 3 < field.size() && IsOctal(field[i + 1]) &&
        IsOctal(field[i + 2]) && IsOctal(field[i + 3])) {
      text += static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 +
                                (field[i + 3] - '0'));
      i += 3;
    } else {
      text += field[i];
    }
  }
  return text;
}

std::string MountPoint(std::string_view field) {
  std::string path = Unescape(field);
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

bool ParseNumber(std::string_view text, unsigned& value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size();
}

// "8:17" into its two numbers.
bool ParseDevice(std::string_view field, unsigned& major, unsigned& minor) {
  const std::size_t colon = field.find(':');
  return colon != std::string_view::npos && ParseNumber(field.substr(0, colon), major) &&
         ParseNumber(field.substr(colon + 1), minor);
}

// Whether the sysfs attribute file holds "1".
bool SysfsFlag(const std::string& path) {
  std::ifstream file(path);
  char flag = '0';
  return file.get(flag) && flag == '1';
}

// A partition has no "removable" of its own: its disk, the folder above it, has.
bool RemovableInSysfs(unsigned major, unsigned minor) {
  if (major == 0) return false;  // no block device: a pseudo or network filesystem
  const std::string device =
      "/sys/dev/block/" + std::to_string(major) + ":" + std::to_string(minor);
  std::ifstream own(device + "/removable");
  if (own) return SysfsFlag(device + "/removable");
  return SysfsFlag(device + "/../removable");
}

class LocalMountTable final : public MountTable {
 public:
  std::vector<Mount> mounts() override {
    std::string text;
    if (ReadText("/proc/self/mountinfo", text)) return ParseMountInfo(text, RemovableInSysfs);
    if (ReadText("/proc/mounts", text)) return ParseProcMounts(text);
    return {Mount{"/", true}};
  }

 private:
  static bool ReadText(const char* path, std::string& text) {
    std::ifstream file(path);
    if (!file) return false;
    std::ostringstream content;
    content << file.rdbuf();
    text = content.str();
    return !text.empty();
  }
};

}  // namespace

bool IsLocalDiskType(std::string_view type) {
  return std::ranges::find(kLocalDiskTypes, type) != kLocalDiskTypes.end();
}

bool IsRemovableMediaPath(std::string_view mountPoint) {
  for (std::string_view folder : {"/media", "/run/media"}) {
    if (mountPoint.starts_with(folder) && mountPoint.size() > folder.size() &&
        mountPoint[folder.size()] == '/')
      return true;
  }
  return false;
}

// ID PARENT MAJOR:MINOR ROOT MOUNTPOINT OPTIONS [OPTIONAL…] - TYPE SOURCE SUPEROPTIONS
std::vector<Mount> ParseMountInfo(std::string_view text, const RemovableDevice& removable) {
  std::vector<Mount> mounts;
  for (std::string_view line : Lines(text)) {
    const std::vector<std::string_view> fields = Fields(line);
    const auto separator = std::ranges::find(fields, std::string_view("-"));
    unsigned major = 0, minor = 0;
    if (fields.size() < 6 || separator == fields.end() || separator + 1 == fields.end() ||
        !ParseDevice(fields[2], major, minor))
      continue;
    Mount mount{MountPoint(fields[4]), false};
    if (!mount.path.starts_with('/')) continue;
    mount.localDisk = IsLocalDiskType(*(separator + 1)) && !IsRemovableMediaPath(mount.path) &&
                      !(removable && removable(major, minor));
    mounts.push_back(std::move(mount));
  }
  return mounts;
}

// SOURCE MOUNTPOINT TYPE OPTIONS DUMP PASS
std::vector<Mount> ParseProcMounts(std::string_view text) {
  std::vector<Mount> mounts;
  for (std::string_view line : Lines(text)) {
    const std::vector<std::string_view> fields = Fields(line);
    if (fields.size() < 3) continue;
    Mount mount{MountPoint(fields[1]), false};
    if (!mount.path.starts_with('/')) continue;
    mount.localDisk = IsLocalDiskType(fields[2]) && !IsRemovableMediaPath(mount.path);
    mounts.push_back(std::move(mount));
  }
  return mounts;
}

MountTable& localMountTable() {
  static LocalMountTable instance;
  return instance;
}

}  // namespace platform
