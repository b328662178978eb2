#pragma once

#include <string>

#include "platform/FileSystem.h"

// Where the autosave playlist lives: the executable's path with the extension ".m3u" when
// the executable's folder takes a new file, else a file of that name in userDataFolder
// (created when missing). The folder is tried by creating and removing a probe file, since
// permission bits do not tell (root, read-only mounts).
std::string ChooseAutosavePath(const std::string& executablePath, const std::string& userDataFolder,
                               platform::FileSystem& fs = platform::localFileSystem());
