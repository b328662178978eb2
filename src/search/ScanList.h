#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/MountTable.h"

// One place the drive scan searches: a folder, with or without its subfolders.
struct ScanEntry {
  std::string path;     // absolute, without a trailing "/" ("/" itself)
  bool recurse = true;  // false only for "/": its folders have entries of their own
  friend bool operator==(const ScanEntry&, const ScanEntry&) = default;
};

// Where a scan searches, in order, and where its walks stop.
struct ScanPlaces {
  std::vector<ScanEntry> entries;
  // Mount points of filesystems that are not scanned (pseudo, network, removable): a walk
  // never enters them, so a scan of /media does not wander onto a USB stick.
  std::vector<std::string> fencedFolders;
};

// The top folders of "/" that belong to the system and are never scanned: bin, boot, dev, etc,
// lib*, proc, run, sbin, snap, sys, usr, var and lost+found (compared exactly, case included).
bool IsSystemFolderName(std::string_view name);

// The places of a scan of the whole machine, in place of the fixed drives of Windows, with "/"
// as the system drive:
// - the top folders of "/", last name first (names compared without regard to case), leaving
//   out the system's folders, hidden ones, those with a dot in their name and those on a
//   filesystem that is not scanned; a top-level link to a folder stands for its target, once,
//   unless the target lies inside another of these folders;
// - "/" itself, for the files in it (its folders have their own entries);
// - the mount points of the other local disks, in path order, leaving out any that lies inside
//   an entry listed before it or inside a top folder left out above.
// "/" counts as a local disk whatever its type (a container's root is an overlay).
ScanPlaces BuildScanList(platform::FileSystem& fs, platform::MountTable& mounts);

// The places of a scan of chosen folders (the library folders, `--root`): each with its
// subfolders, in the order given, once, leaving out any that lies inside another of them.
ScanPlaces FolderScanList(const std::vector<std::string>& folders, platform::MountTable& mounts);

// Whether path is folder or lies inside it, by whole path components.
bool PathLiesIn(std::string_view path, std::string_view folder);
