#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/FileSystem.h"

// Which entries of a folder a listing holds.
enum class ListingKind { Folders, Files };

// The enumerator of the folder listing: the names of the entries of one kind of one folder that
// match any of the ";"-separated masks, sorted in NameLess order. Hidden entries (a name that
// starts with ".") are never held; a link counts as what it points to, and an entry that is
// neither a folder nor a file (a broken link, a device, a FIFO) is held by neither kind. A
// folder that cannot be read gives an empty list and false.
bool ReadFolderEntries(platform::FileSystem& fs, const std::string& folder, std::string_view masks,
                       ListingKind kind, std::vector<std::string>& names);
