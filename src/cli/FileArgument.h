#pragma once

#include <ostream>
#include <string>

#include "platform/FileSystem.h"

// True when path, a file named on the command line, is a regular file. Otherwise err hears why
// not ("songloom-cli: no such file: PATH" or "songloom-cli: not a file: PATH") and the answer is
// false: the readers take a missing file for an empty one, and a script wants to hear of it.
bool CheckFileArgument(const std::string& path, std::ostream& err, platform::FileSystem& fs);
