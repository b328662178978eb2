#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "metadata/TrackInfo.h"
#include "platform/FileSystem.h"

// `songloom-cli info FILE...`: what the program reads from each file, one
// tab-separated line per file under a header line. Scripts rely on this format.

// The ten column names, tab-separated, without a line break.
std::string InfoHeaderLine();

// A text made safe for one field: every control character (tab, line
// breaks, zero bytes, ...) becomes a space, so fields and lines stay apart.
std::string InfoFieldText(std::string_view text);

// path, duration (seconds, 3 decimals), bit rate (kbit/s), size (bytes) and
// the six texts, tab-separated, without a line break.
std::string FormatInfoLine(const std::string& path, const recMP3Info& info);

// Writes the header line and one line per file; a file that cannot be read
// gets its line of zeros. A path that does not exist or is not a regular file
// keeps its line of zeros on out, is named on err, and makes the exit status 1;
// otherwise it is 0.
int RunInfoCommand(const std::vector<std::string>& files, std::ostream& out, std::ostream& err,
                   platform::FileSystem& fs = platform::localFileSystem());
