#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "platform/FileSystem.h"

// The command line of songloom-cli without the process around it: args are
// the arguments after the program name. Returns the exit status: 2 with the
// usage on err for an unknown command or missing arguments.
int RunSongloomCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                   platform::FileSystem& fs = platform::localFileSystem());
