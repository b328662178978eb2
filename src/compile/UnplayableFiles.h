#pragma once

#include <string>
#include <vector>

#include "platform/FileSystem.h"

// The sources in which no MPEG audio frame is found (an empty file, a file of another kind
// named .mp3, one that cannot be read): they get a row of zeros in the lists, and a
// compilation copies them only when the person agrees.
std::vector<std::string> UnplayableFiles(const std::vector<std::string>& sources,
                                         platform::FileSystem& fs);
