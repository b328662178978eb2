#include "browser/LibraryFolders.h"

#include <algorithm>
#include <string_view>

#include "platform/PathParts.h"

namespace {

constexpr char kTempSuffix[] = ".songloom-tmp";
constexpr char kHeader[] =
    "# Songloom library folders: one folder a line. Without any, the local disks are scanned.\n";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string WithoutTrailingSlash(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

}  // namespace

std::vector<std::string> CleanLibraryFolders(const std::vector<std::string>& folders) {
  std::vector<std::string> clean;
  for (const std::string& folder : folders) {
    if (!folder.starts_with('/') || folder.find('\n') != std::string::npos) continue;
    std::string path = WithoutTrailingSlash(folder);
    if (std::ranges::find(clean, path) == clean.end()) clean.push_back(std::move(path));
  }
  return clean;
}

std::vector<std::string> ReadLibraryFolders(platform::FileSystem& fs, const std::string& file) {
  std::string content;
  if (!platform::readWholeFile(fs, file, content)) return {};
  std::string_view text = content;
  if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
  std::vector<std::string> lines;
  while (!text.empty()) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    std::string_view line = text.substr(0, end);
    if (line.ends_with('\r')) line.remove_suffix(1);
    lines.emplace_back(line);
    text.remove_prefix(std::min(end + 1, text.size()));
  }
  return CleanLibraryFolders(lines);
}

bool WriteLibraryFolders(platform::FileSystem& fs, const std::string& file,
                         const std::vector<std::string>& folders) {
  std::string text = kHeader;
  for (const std::string& folder : CleanLibraryFolders(folders)) text += folder + "\n";
  const std::string folder = FolderPart(file);
  if (folder.size() > 1) platform::CreateFolderPath(fs, WithoutTrailingSlash(folder));
  return platform::ReplaceFileAtomically(fs, file, kTempSuffix, [&](platform::WriteFile& out) {
    return out.write(text.data(), text.size());
  });
}
