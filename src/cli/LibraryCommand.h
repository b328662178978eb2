#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/MountTable.h"

// The arguments of `songloom-cli library [--root DIR]... [--search TEXT]`.
struct LibraryArguments {
  std::vector<std::string> roots;     // none: the local disks, as the window scans them
  std::optional<std::string> search;  // the search box's text
};

// The arguments after "library"; nothing when they do not fit (then the usage is shown).
std::optional<LibraryArguments> ParseLibraryArguments(const std::vector<std::string>& args);

// Builds the library as the window does (the roots, else the local disks) and prints its rows
// like `songloom-cli list`: the header line, one tab-separated line per row, the totals line;
// with a search, the rows the search yields and their totals. progress: the scan's progress
// goes to err as one line (for a person at a terminal). Returns 0, or 1 with a message on err
// when a root is not a folder.
int RunLibraryCommand(const LibraryArguments& arguments, std::ostream& out, std::ostream& err,
                      bool progress, platform::FileSystem& fs = platform::localFileSystem(),
                      platform::MountTable& mounts = platform::localMountTable());
