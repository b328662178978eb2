// Benchmarks of adding to the playlist: a folder tree of 5,000 MP3 files as one folder item
// (searched, then filled in one block), and the same files as 5,000 selected browser rows (one
// reserved row each), with a warm file cache.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/ConsoleDialogs.h"
#include "metadata/MPEGaudio.h"
#include "support/Mp3Builder.h"
#include "tracks/AddItems.h"
#include "tracks/PlaylistEditor.h"
#include "tracks/TrackTable.h"

namespace {

constexpr int kFolders = 50;
constexpr int kFilesPerFolder = 100;  // 5,000 files in all

// Nobody to ask: subfolders are included, messages are dropped.
class BenchDialogs : public ConsoleDialogs {
 public:
  BenchDialogs() : ConsoleDialogs(std::string(), sink_) {}
  bool askYesNo(const std::string&) override { return true; }

 private:
  std::ostringstream sink_;
};

// root/artist NN/track MMM.mp3: a 2.3 tag, a Xing frame and a few audio frames each.
class FolderTree {
 public:
  FolderTree() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "songloom-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) != nullptr) root_ = pattern;
    const MpegFrame frame;
    for (int f = 0; f < kFolders; ++f) {
      const std::string folder = root_ + "/artist " + std::to_string(f);
      std::filesystem::create_directories(folder);
      for (int i = 0; i < kFilesPerFolder; ++i) {
        const std::string bytes =
            Id3v23TextTag({.title = "Track " + std::to_string(i), .artist = "Artist"}) +
            XingFrame(frame, {.frames = 8, .bytes = 8 * 418}) + Mp3Frames(frame, 8);
        std::ofstream(folder + "/track " + std::to_string(i) + ".mp3", std::ios::binary) << bytes;
      }
    }
  }
  ~FolderTree() {
    std::error_code ec;
    std::filesystem::remove_all(root_, ec);
  }
  FolderTree(const FolderTree&) = delete;
  FolderTree& operator=(const FolderTree&) = delete;

  const std::string& root() const { return root_; }

 private:
  std::string root_;
};

const FolderTree& Tree() {
  static const FolderTree tree;
  return tree;
}

// The window's tables with the browser active and an empty playlist.
struct Window {
  Window() {
    tables.SetUpColumns();
    tables.setActiveGrid(GridId::Browser);
  }
  void Browse(const std::vector<GridItem>& items) {
    TrackGrid& browser = tables.grdBrowser();
    tables.ClearGrid(browser);
    for (const GridItem& item : items)
      tables.FillRowFromItem(browser, browser.isEmpty() ? 1 : browser.addRow(), item);
    browser.selectAll();
  }
  // count rows that stand for tracks, the first one selected, so Add inserts after it.
  void PreparePlaylist(int count) {
    TrackGrid& playlist = tables.grdPlaylist();
    tables.ClearGrid(playlist);
    if (count == 0) return;
    playlist.setRowCount(count + 1);
    playlist.setTag(0);
    playlist.selectRow(1);
  }

  BenchDialogs dialogs;
  TMPEGaudio analyser;
  TrackTables tables{analyser};
  Mrng random;
  PlaylistEditor editor{tables, dialogs, random};
  PlaylistAdder adder{tables, editor, dialogs};
};

void Run(benchmark::State& state, const std::vector<GridItem>& items) {
  Window window;
  window.Browse(items);
  const int rowsBefore = static_cast<int>(state.range(0));
  for (auto _ : state) {
    state.PauseTiming();
    window.PreparePlaylist(rowsBefore);
    state.ResumeTiming();
    window.adder.AddSelectedItems(AddMode::Insert);
  }
  const int added = window.tables.grdPlaylist().dataRowCount() - rowsBefore;
  if (added != kFolders * kFilesPerFolder) state.SkipWithError("not every file was added");
  state.counters["files"] = added;
}

// One folder item: the whole tree is searched, then filled in one block.
void BM_AddFolderTree(benchmark::State& state) {
  const std::string& root = Tree().root();
  const std::filesystem::path path(root);
  Run(state, {FolderItem(path.parent_path().string(), path.filename().string())});
}

// 5,000 selected MP3 rows: one reserved row per item.
void BM_AddSelectedFiles(benchmark::State& state) {
  std::vector<GridItem> files;
  for (int f = 0; f < kFolders; ++f)
    for (int i = 0; i < kFilesPerFolder; ++i)
      files.push_back(FileItem(Tree().root() + "/artist " + std::to_string(f) + "/track " +
                               std::to_string(i) + ".mp3"));
  Run(state, files);
}

}  // namespace

// Argument: rows already in the playlist; the items go in after its first row.
BENCHMARK(BM_AddFolderTree)->Arg(0)->Arg(5000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AddSelectedFiles)->Arg(0)->Arg(5000)->Unit(benchmark::kMillisecond);
