// Benchmarks of exporting a playlist of 10,000 tracks to a text table and to an HTML page, every
// column, as the window's "Export..." does: every file is read again, with a warm file cache.
#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>
#include <string>

#include "ScratchFolder.h"
#include "cli/ConsoleDialogs.h"
#include "compile/TrackExporter.h"
#include "metadata/MPEGaudio.h"
#include "support/Mp3Builder.h"
#include "tracks/MRNG.h"
#include "tracks/PlaylistDocument.h"
#include "tracks/PlaylistEditor.h"
#include "tracks/TrackTable.h"

namespace {

constexpr int kFolders = 100;
constexpr int kFilesPerFolder = 100;  // 10,000 tracks in all
constexpr int kTextFilter = 0;
constexpr int kHtmlFilter = 1;

// The person keeps every column, names the file and lets it be replaced.
class BenchDialogs : public ConsoleDialogs, public ColumnsDialog {
 public:
  BenchDialogs() : ConsoleDialogs(std::string(), sink_) {}
  bool askYesNo(const std::string&) override { return true; }
  SaveFileChoice chooseSaveFileAndFilter(const std::string&) override { return choice; }
  bool showColumns(ColumnChooser&) override { return true; }
  SaveFileChoice choice;

 private:
  std::ostringstream sink_;
};

// artist NN/track MMM.mp3 with a 2.3 tag and a Xing frame each, in the playlist in that order.
class ExportWindow {
 public:
  ExportWindow() {
    const MpegFrame frame;
    TrackGrid& playlist = tables_.grdPlaylist();
    tables_.SetUpColumns();
    for (int f = 0; f < kFolders; ++f) {
      const std::string folder = scratch_.mkdir("artist " + std::to_string(f));
      for (int i = 0; i < kFilesPerFolder; ++i) {
        const std::string path = folder + "/track " + std::to_string(i) + ".mp3";
        std::ofstream(path, std::ios::binary)
            << Id3v23TextTag({.title = "Track " + std::to_string(i),
                              .artist = "Artist " + std::to_string(f),
                              .album = "Album",
                              .year = "2001",
                              .genre = "Pop"})
            << XingFrame(frame, {.frames = 8, .bytes = 8 * 418}) << Mp3Frames(frame, 8);
        tables_.FillRowFromItem(playlist, playlist.isEmpty() ? 1 : playlist.addRow(),
                                FileItem(path));
      }
    }
    tables_.setActiveGrid(GridId::Playlist);
  }

  bool ready() const { return !scratch_.path().empty(); }
  // One export of the whole playlist into `name` with the filter; the total size it wrote.
  std::int64_t Export(const std::string& name, int filter) {
    dialogs_.choice = {scratch_.path() + "/" + name, filter};
    exporter_.actExportExecute();
    return exporter_.totalSize();
  }

 private:
  ScratchFolder scratch_{"songloom-exportbench"};
  BenchDialogs dialogs_;
  TMPEGaudio analyser_;
  TrackTables tables_{analyser_};
  Mrng random_;
  PlaylistEditor editor_{tables_, dialogs_, random_};
  PlaylistDocument document_{tables_, editor_, dialogs_, scratch_.path() + "/autosave.m3u"};
  TrackExporter exporter_{tables_, dialogs_, &dialogs_, document_, nullptr};
};

ExportWindow& Window() {
  static ExportWindow window;
  return window;
}

void Run(benchmark::State& state, const std::string& name, int filter) {
  ExportWindow& window = Window();
  if (!window.ready()) return state.SkipWithError("no scratch folder");
  std::int64_t size = 0;
  for (auto _ : state) size = window.Export(name, filter);
  if (size <= 0) state.SkipWithError("nothing was exported");
  state.counters["tracks"] = kFolders * kFilesPerFolder;
}

void BM_ExportPlaylistText(benchmark::State& state) { Run(state, "list.txt", kTextFilter); }
void BM_ExportPlaylistHtml(benchmark::State& state) { Run(state, "list.html", kHtmlFilter); }

}  // namespace

BENCHMARK(BM_ExportPlaylistText)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportPlaylistHtml)->Unit(benchmark::kMillisecond);
