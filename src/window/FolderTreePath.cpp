#include "window/FolderTreePath.h"

#include <algorithm>

namespace {

// The components of an absolute path after "." and ".." are applied.
std::vector<std::string> Components(std::string_view path) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (start <= path.size()) {
    const std::size_t end = std::min(path.find('/', start), path.size());
    const std::string_view part = path.substr(start, end - start);
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.emplace_back(part);
    }
    start = end + 1;
  }
  return parts;
}

std::string Joined(const std::vector<std::string>& parts, std::size_t count) {
  std::string path;
  for (std::size_t i = 0; i < count; ++i) path += "/" + parts[i];
  return path.empty() ? "/" : path;
}

bool IsAbsolute(std::string_view path) { return path.starts_with('/'); }

}  // namespace

std::string CleanFolderPath(std::string_view path) {
  if (!IsAbsolute(path)) return {};
  const std::vector<std::string> parts = Components(path);
  return Joined(parts, parts.size());
}

bool HasHomeNode(std::string_view home) {
  const std::string clean = CleanFolderPath(home);
  return !clean.empty() && clean != "/";
}

std::optional<FolderTreeRoute> FolderTreeRouteOf(std::string_view wanted, std::string_view home) {
  if (!IsAbsolute(wanted)) return std::nullopt;
  const std::vector<std::string> parts = Components(wanted);
  FolderTreeRoute route;
  std::size_t depth = 0;  // the components the top node stands for
  if (HasHomeNode(home)) {
    const std::vector<std::string> homeParts = Components(home);
    const bool inHome = parts.size() >= homeParts.size() &&
                        std::equal(homeParts.begin(), homeParts.end(), parts.begin());
    if (inHome) {
      route.top = FolderTreeTop::Home;
      depth = homeParts.size();
    }
  }
  for (std::size_t count = depth + 1; count <= parts.size(); ++count)
    route.chain.push_back(Joined(parts, count));
  return route;
}

std::string FolderTreeChildPath(std::string_view folder, std::string_view name) {
  std::string path(folder);
  if (!path.ends_with('/')) path += '/';
  return path + std::string(name);
}
