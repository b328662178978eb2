#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/FileSystem.h"

// The library folders: where the library scan looks when they are set, in place of the local
// disks. They are kept between runs in a small text file in the per-user data folder, one
// absolute folder path a line (UTF-8); lines that are empty, relative or start with "#" are
// passed over, so a file edited by hand still reads.
inline constexpr char kLibraryFoldersFileName[] = "library-folders.txt";

// The folders of the file, in order and once each; none when it is missing or unreadable.
std::vector<std::string> ReadLibraryFolders(platform::FileSystem& fs, const std::string& file);
// Writes the folders to the file in one step (its folder is created when missing); a folder
// whose path holds a line break is left out. False when the file could not be written: the
// old one is then untouched.
bool WriteLibraryFolders(platform::FileSystem& fs, const std::string& file,
                         const std::vector<std::string>& folders);
// The folders as the list keeps them: absolute, without a trailing "/", once each, in order.
std::vector<std::string> CleanLibraryFolders(const std::vector<std::string>& folders);

// The dialog that edits the library folders, as the shell shows it, modal: a list of folders
// with Add and Remove. The new list, or nothing when the person cancelled. An empty list means
// the local disks.
class LibraryFoldersDialog {
 public:
  virtual ~LibraryFoldersDialog() = default;
  virtual std::optional<std::vector<std::string>> editLibraryFolders(
      const std::vector<std::string>& folders) = 0;
};
