#include "compile/ChooseExportFile.h"

#include <vector>

#include "platform/PathParts.h"
#include "tracks/PlaylistFile.h"

namespace {

std::vector<std::string_view> FilterParts(std::string_view filter) {
  std::vector<std::string_view> parts;
  for (std::size_t start = 0;;) {
    const std::size_t bar = filter.find('|', start);
    parts.push_back(filter.substr(start, bar == std::string_view::npos ? bar : bar - start));
    if (bar == std::string_view::npos) return parts;
    start = bar + 1;
  }
}

}  // namespace

std::string FilterExtension(std::string_view filter, int index) {
  const std::vector<std::string_view> parts = FilterParts(filter);
  const std::size_t pattern = 2 * static_cast<std::size_t>(index) + 1;
  if (index < 0 || pattern >= parts.size()) return std::string();
  std::string_view extension = parts[pattern];
  if (extension.starts_with('*')) extension.remove_prefix(1);
  return std::string(extension);
}

std::string ChooseExportFile(UserDialogs& dialogs, platform::FileSystem& fs,
                             const std::string& filter) {
  const SaveFileChoice chosen = dialogs.chooseSaveFileAndFilter(filter);
  if (chosen.path.empty()) return std::string();
  const std::string path = ChangeExtension(chosen.path, FilterExtension(filter, chosen.filter));
  if (fs.fileExists(path) && !dialogs.askYesNo(ReplaceQuestion(path))) return std::string();
  return path;
}
