#include "cli/PlaylistCommand.h"

#include <vector>

#include "cli/FileArgument.h"
#include "tracks/PlaylistFile.h"

int RunPlaylistCommand(const std::string& file, std::ostream& out, std::ostream& err,
                       platform::FileSystem& fs) {
  if (!CheckFileArgument(file, err, fs)) return 1;
  std::vector<std::string> items;
  const PlaylistReadResult result = ReadPlaylistFile(file, items, fs);
  if (result.error) {
    err << "songloom-cli: " << *result.error << "\n";
    return 1;
  }
  for (const std::string& item : items) out << item << "\n";
  out << "missing: " << result.missing << "\n";
  return 0;
}
