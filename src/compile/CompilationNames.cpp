#include "compile/CompilationNames.h"

#include "platform/PathParts.h"
#include "tracks/PlaylistDocument.h"

std::string CompilationBaseName(const std::string& playlistName) {
  return PlaylistBaseName(playlistName);
}

std::string CompilationFolderPath(const std::string& destination, const std::string& baseName) {
  const bool endsInSeparator = !destination.empty() && destination.back() == '/';
  return destination + (endsInSeparator ? "" : "/") + baseName;
}

int PrefixWidth(int count) { return static_cast<int>(std::to_string(count).size()); }

std::string TargetName(int row, int count, std::string_view source) {
  std::string prefix = std::to_string(row);
  const std::size_t width = static_cast<std::size_t>(PrefixWidth(count));
  if (prefix.size() < width) prefix.insert(0, width - prefix.size(), '0');
  return prefix + " " + FileNamePart(source);
}
