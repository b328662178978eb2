#include "cli/CompileCommand.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "cli/ConsoleDialogs.h"
#include "cli/FileArgument.h"
#include "compile/CompilationMaker.h"
#include "compile/CompilationMessages.h"
#include "tracks/PlaylistFile.h"

namespace {

constexpr int kFailureStatus = 1;

// A playlist file as the compilation sees it, and the paths of its entries that do not exist.
struct PlaylistFileEntries {
  CompilationPlaylist playlist;
  std::vector<std::string> missingFiles;
};

// Nullopt after telling err why the file cannot be used.
std::optional<PlaylistFileEntries> ReadCompilationPlaylist(const std::string& path,
                                                           std::ostream& err,
                                                           platform::FileSystem& fs) {
  if (!CheckFileArgument(path, err, fs)) return std::nullopt;
  std::vector<std::string> items;
  PlaylistReadResult read = ReadPlaylistFile(path, items, fs);
  if (read.error) {
    err << "songloom-cli: " << *read.error << "\n";
    return std::nullopt;
  }
  PlaylistFileEntries entries;
  CompilationPlaylist& playlist = entries.playlist;
  playlist.name = path;
  playlist.missing = read.missing;
  playlist.empty = items.empty() && read.missing == 0;
  for (const std::string& item : items) {
    plTrack track = SplitItem(item);
    playlist.totalSize += std::max<std::int64_t>(fs.fileSize(track.FilePath), 0);
    playlist.sources.push_back(std::move(track.FilePath));
  }
  entries.missingFiles = std::move(read.missingFiles);
  return entries;
}

}  // namespace

int RunCompileCommand(const std::string& playlist, const std::string& destination,
                      std::ostream& out, std::ostream& err, platform::FileSystem& fs) {
  if (destination.empty()) {
    err << "songloom-cli: no destination folder\n";
    return kFailureStatus;
  }
  const std::optional<PlaylistFileEntries> entries = ReadCompilationPlaylist(playlist, err, fs);
  if (!entries) return kFailureStatus;
  ConsoleDialogs dialogs(destination, err);
  CompilationMaker maker(dialogs, fs);
  const CompilationResult result = maker.Make(entries->playlist);
  // The window's message only counts them; a script's user needs to know which they are.
  if (result.outcome == CompilationOutcome::MissingFiles)
    dialogs.error(MissingFilesListMessage(entries->missingFiles));
  if (result.outcome != CompilationOutcome::Created) return kFailureStatus;
  out << result.folder << "\n";
  return 0;
}
