// The playlist reader on the input as an M3U and as a PLS file, then the save-and-reopen round
// trip: the items read are saved as an M3U (in the playlist's folder, above and below it, and in
// another tree) and read back, and every track must come back as it was.
#include <cstdint>
#include <iterator>
#include <limits>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "platform/MemoryFileSystem.h"
#include "tracks/PlaylistFile.h"

namespace {

// Every path whose name ends in ".mp3" exists (the reader then lists it), any other only when it
// was added. So an input line names an existing track or a missing one as its text decides, and a
// track read once exists when it is read again.
class TrackWorld final : public platform::MemoryFileSystem {
 public:
  bool fileExists(const std::string& path) override {
    return MemoryFileSystem::fileExists(path) || NamesAnMp3(path);
  }

 private:
  static bool NamesAnMp3(const std::string& path) {
    if (path.size() < 4 || path.find('\0') != std::string::npos) return false;
    const std::string_view end = std::string_view(path).substr(path.size() - 4);
    return end[0] == '.' && (end[1] | 0x20) == 'm' && (end[2] | 0x20) == 'p' && end[3] == '3';
  }
};

std::vector<std::string> Read(TrackWorld& fs, const std::string& path, int& missing) {
  std::vector<std::string> items;
  const PlaylistReadResult result = ReadPlaylistFile(path, items, fs);
  if (result.error) FailProperty("cannot read " + path + ": " + *result.error);
  missing = result.missing;
  return items;
}

std::vector<M3UEntry> EntriesOf(const std::vector<std::string>& items) {
  // Odd playing times too: they only shape the #EXTINF lines, which the reader skips.
  static constexpr double kDurations[] = {
      0.0, 1.5, 215.9, 1e300, std::numeric_limits<double>::quiet_NaN(), -3.0};
  std::vector<M3UEntry> entries;
  for (std::size_t i = 0; i < items.size(); ++i) {
    plTrack track = SplitItem(items[i]);
    entries.push_back({track.TrackName, track.FilePath, kDurations[i % std::size(kDurations)]});
  }
  return entries;
}

void CheckSavedAndReopened(TrackWorld& fs, const std::vector<std::string>& items,
                           const std::string& savePath) {
  const std::vector<M3UEntry> entries = EntriesOf(items);
  if (!ReplaceFileContents(savePath, ComposeM3U(savePath, entries), fs))
    FailProperty("cannot save " + savePath);
  int missing = 0;
  const std::vector<std::string> back = Read(fs, savePath, missing);
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i < back.size() && back[i] == items[i]) continue;
    FailProperty("saved to " + savePath + ", the track " + Quoted(entries[i].path) + " named " +
                 Quoted(entries[i].trackName) + " was written as the line " +
                 Quoted(M3UTrackPath(savePath, entries[i].path)) + " and came back as " +
                 (i < back.size() ? Quoted(back[i]) : std::string("nothing")) + " (" +
                 std::to_string(missing) + " missing)");
  }
  if (back.size() > items.size())
    FailProperty("saved to " + savePath +
                 ", a track came back that was not saved: " + Quoted(back[items.size()]));
  if (missing != 0)
    FailProperty("saved to " + savePath + ", " + std::to_string(missing) +
                 " lines came back naming a missing file");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  TrackWorld fs;
  const std::string text = InputBytes(data, size);
  fs.addFile("/music/list.m3u", text);
  fs.addFile("/music/list.pls", text);
  fs.addFolder("/music/sub");
  fs.addFolder("/other");

  int missing = 0;
  const std::vector<std::string> items = Read(fs, "/music/list.m3u", missing);
  int missingPls = 0;
  if (Read(fs, "/music/list.pls", missingPls) != items || missingPls != missing)
    FailProperty("the same lines read as a PLS file give other tracks than as an M3U file");

  for (const char* savePath :
       {"/music/saved.m3u", "/music/sub/saved.m3u", "/saved.m3u", "/other/saved.m3u"})
    CheckSavedAndReopened(fs, items, savePath);
  return 0;
}
