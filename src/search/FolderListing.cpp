#include "search/FolderListing.h"

#include <algorithm>

#include "search/NameOrder.h"
#include "search/WildcardMatch.h"

namespace {

bool IsHidden(const std::string& name) { return name.starts_with('.'); }

bool IsOfKind(const platform::DirEntry& entry, ListingKind kind) {
  return kind == ListingKind::Folders ? entry.kind == platform::EntryKind::Directory
                                      : entry.kind == platform::EntryKind::File;
}

}  // namespace

bool ReadFolderEntries(platform::FileSystem& fs, const std::string& folder, std::string_view masks,
                       ListingKind kind, std::vector<std::string>& names) {
  names.clear();
  std::vector<platform::DirEntry> entries;
  if (!fs.listDirectory(folder, entries)) return false;
  for (const platform::DirEntry& entry : entries) {
    if (IsHidden(entry.name) || !IsOfKind(entry, kind)) continue;
    if (!MatchesAnyMask(entry.name, masks)) continue;
    names.push_back(entry.name);
  }
  std::ranges::sort(names, NameLess);
  return true;
}
