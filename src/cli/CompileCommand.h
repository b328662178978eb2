#pragma once

#include <ostream>
#include <string>

#include "platform/FileSystem.h"

// `songloom-cli compile PLAYLIST DEST`: makes the compilation of the playlist file PLAYLIST
// (M3U or PLS) in a new folder under DEST, as the window does for its playlist: the same
// checks, messages, folder name (PLAYLIST's file name without extension, made unique) and
// numbered copies. Files that hold no MPEG audio are refused unless copyUnplayable is set.
// Every copied file is named on err as it arrives; on success the folder's path goes to out and
// the status is 0. On any failure the message goes to err and the status is 1.
int RunCompileCommand(const std::string& playlist, const std::string& destination,
                      bool copyUnplayable, std::ostream& out, std::ostream& err,
                      platform::FileSystem& fs = platform::localFileSystem());
