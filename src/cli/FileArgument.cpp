#include "cli/FileArgument.h"

bool CheckFileArgument(const std::string& path, std::ostream& err, platform::FileSystem& fs) {
  if (fs.fileExists(path)) return true;
  // A size means that something is there: a folder, a FIFO, a device.
  err << "songloom-cli: " << (fs.fileSize(path) >= 0 ? "not a file: " : "no such file: ") << path
      << "\n";
  return false;
}
