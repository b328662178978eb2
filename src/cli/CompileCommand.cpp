#include "cli/CompileCommand.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "cli/ConsoleDialogs.h"
#include "cli/FileArgument.h"
#include "compile/CompilationMaker.h"
#include "tracks/PlaylistFile.h"

namespace {

constexpr int kFailureStatus = 1;

// The playlist file's entries as the compilation sees them; nullopt after telling err why the
// file cannot be used.
std::optional<CompilationPlaylist> ReadCompilationPlaylist(const std::string& path,
                                                           std::ostream& err,
                                                           platform::FileSystem& fs) {
  if (!CheckFileArgument(path, err, fs)) return std::nullopt;
  std::vector<std::string> items;
  PlaylistReadResult read = ReadPlaylistFile(path, items, fs);
  if (read.error) {
    err << "songloom-cli: " << *read.error << "\n";
    return std::nullopt;
  }
  CompilationPlaylist playlist;
  playlist.name = path;
  playlist.missing = read.missing;
  playlist.missingFiles = std::move(read.missingFiles);  // a script's user wants to know which
  playlist.empty = items.empty() && read.missing == 0;
  for (const std::string& item : items) {
    plTrack track = SplitItem(item);
    playlist.totalSize += std::max<std::int64_t>(fs.fileSize(track.FilePath), 0);
    playlist.sources.push_back(std::move(track.FilePath));
  }
  return playlist;
}

}  // namespace

int RunCompileCommand(const std::string& playlist, const std::string& destination,
                      bool copyUnplayable, std::ostream& out, std::ostream& err,
                      platform::FileSystem& fs) {
  if (destination.empty()) {
    err << "songloom-cli: no destination folder\n";
    return kFailureStatus;
  }
  const std::optional<CompilationPlaylist> entries = ReadCompilationPlaylist(playlist, err, fs);
  if (!entries) return kFailureStatus;
  ConsoleDialogs dialogs(destination, err);
  CompilationMaker maker(dialogs, fs);
  maker.setCopyUnplayable(copyUnplayable);
  const CompilationResult result = maker.Make(*entries);
  if (result.outcome == CompilationOutcome::UnplayableFiles)
    err << "songloom-cli: nothing copied; give --allow-unplayable to copy them all the same\n";
  if (result.outcome != CompilationOutcome::Created) return kFailureStatus;
  out << result.folder << "\n";
  return 0;
}
