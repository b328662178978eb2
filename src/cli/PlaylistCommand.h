#pragma once

#include <ostream>
#include <string>

#include "platform/FileSystem.h"

// `songloom-cli playlist FILE`: what the playlist reader makes of FILE (M3U or PLS): one
// "name|path" item text per line for every entry whose file exists, in file order, then the
// line "missing: N" with the number of entries whose file does not exist. Returns the exit
// status: 0, or 1 with a message on err when FILE does not exist or cannot be read.
int RunPlaylistCommand(const std::string& file, std::ostream& out, std::ostream& err,
                       platform::FileSystem& fs = platform::localFileSystem());
