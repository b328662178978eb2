#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Where a folder lies in the browser's folder tree, whose root node holds two top folders: the
// home folder and "/". Decided by text alone, without asking the disk.

// A path in its plain form: "//" as "/", no "." components, ".." taking back the component
// before it, no "/" at the end (but for "/" itself). Empty for an empty or relative path.
std::string CleanFolderPath(std::string_view path);

// Whether the tree shows a node for this home folder: an absolute folder other than "/" (a home
// of "/" is the "/" node itself).
bool HasHomeNode(std::string_view home);

enum class FolderTreeTop { Home, Root };

// The way down to a folder: its top node, then one folder path per level below it.
struct FolderTreeRoute {
  FolderTreeTop top = FolderTreeTop::Root;
  std::vector<std::string> chain;  // the wanted folder last; empty when it is the top node
  friend bool operator==(const FolderTreeRoute&, const FolderTreeRoute&) = default;
};

// The route to a folder: under the home node when it is the home folder or lies inside it, else
// under "/". None for an empty or relative path.
std::optional<FolderTreeRoute> FolderTreeRouteOf(std::string_view wanted, std::string_view home);

// The path of a subfolder named name in folder: "/usr" under "/", "/usr/share" under "/usr".
std::string FolderTreeChildPath(std::string_view folder, std::string_view name);
