// Benchmarks of the folder listing: a folder of 5,000 MP3 files listed into grdBrowser with
// the window's events let through after every entry, warm file cache; and how soon a new
// selection in the tree stops a running listing.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <stdexcept>
#include <string>

#include "browser/FolderBrowser.h"
#include "cli/ConsoleDialogs.h"
#include "metadata/MPEGaudio.h"
#include "support/Mp3Builder.h"
#include "support/TagBuilder.h"
#include "tracks/TrackTable.h"

namespace {

constexpr int kFileCount = 5000;
constexpr int kAudioFrames = 10;

// A folder of kFileCount tagged MP3 files (CBR with ID3v1 and VBR with a 2.3 tag taking
// turns) and an empty sibling folder, removed when the object goes.
class ListingFolder {
 public:
  ListingFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "songloom-bench-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    root_ = pattern;
    std::filesystem::create_directory(music());
    std::filesystem::create_directory(empty());
    const MpegFrame frame{};
    for (int i = 0; i < kFileCount; ++i) {
      const std::string number = std::to_string(i);
      std::string bytes;
      if (i % 2 == 0) {
        bytes = Mp3Frames(frame, kAudioFrames) +
                Id3v1Block({"Title " + number, "Artist", "Album", "2004", "", 3, 17});
      } else {
        bytes = Id3v23TextTag({.title = "Title " + number, .artist = "Artist"}, 0, 256) +
                XingFrame(frame, {.frames = kAudioFrames, .bytes = 417 * kAudioFrames}) +
                Mp3Frames(frame, kAudioFrames);
      }
      std::ofstream(music() + "/track" + number + ".mp3", std::ios::binary)
          .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
  }
  ~ListingFolder() {
    std::error_code ec;
    std::filesystem::remove_all(root_, ec);
  }
  ListingFolder(const ListingFolder&) = delete;
  ListingFolder& operator=(const ListingFolder&) = delete;

  std::string music() const { return root_ + "/music"; }
  std::string empty() const { return root_ + "/empty"; }

 private:
  std::string root_;
};

const ListingFolder& Folder() {
  static const ListingFolder folder;
  return folder;
}

// The window's event loop as the listing sees it: a little work per call, and a hook for a
// gesture of the person.
class PumpingDialogs : public ConsoleDialogs {
 public:
  PumpingDialogs() : ConsoleDialogs("", std::cerr) {}
  void processEvents() override {
    ++pumps;
    benchmark::DoNotOptimize(pumps);
    if (pumps == gestureAt && gesture) gesture();
  }
  std::int64_t pumps = 0;
  std::int64_t gestureAt = -1;
  std::function<void()> gesture;
};

struct Browser {
  Browser() {
    tables.SetUpColumns();
    browser.MarkListingIdle();
  }
  // Selects the folder and ticks the timer until the listing is done.
  void select(const std::string& folder) {
    browser.lstFoldersChange(folder);
    while (browser.timerEnabled()) browser.tmrTimer();
  }
  PumpingDialogs dialogs;
  TMPEGaudio analyser;
  TrackTables tables{analyser};
  FolderBrowser browser{tables, dialogs};
};

void BM_ListFolderOf5000Mp3s(benchmark::State& state) {
  Browser b;
  b.select(Folder().music());  // warms the file cache
  for (auto _ : state) {
    b.select(Folder().music());
    benchmark::DoNotOptimize(b.browser.lblInfo());
  }
  if (b.tables.grdBrowser().dataRowCount() != kFileCount) state.SkipWithError("rows missing");
  state.counters["files/s"] =
      benchmark::Counter(static_cast<double>(kFileCount) * static_cast<double>(state.iterations()),
                         benchmark::Counter::kIsRate);
}

// Halfway through the listing the person selects an empty folder and the timer ticks: the
// running listing must stop at its next entry, and the new folder's listing follow at once.
void BM_NewSelectionStopsListing(benchmark::State& state) {
  Browser b;
  b.select(Folder().music());
  double stopMicroseconds = 0;
  std::int64_t entriesAfterGesture = 0;
  for (auto _ : state) {
    std::chrono::steady_clock::time_point gestureTime;
    b.dialogs.pumps = 0;
    b.dialogs.gestureAt = kFileCount / 2;
    b.dialogs.gesture = [&] {
      gestureTime = std::chrono::steady_clock::now();
      b.browser.lstFoldersChange(Folder().empty());
      b.browser.tmrTimer();
    };
    b.select(Folder().music());
    const auto done = std::chrono::steady_clock::now();
    stopMicroseconds += std::chrono::duration<double, std::micro>(done - gestureTime).count();
    entriesAfterGesture += b.dialogs.pumps - b.dialogs.gestureAt;
  }
  if (!b.tables.grdBrowser().isEmpty()) state.SkipWithError("the empty folder was not listed");
  const auto iterations = static_cast<double>(state.iterations());
  state.counters["stop_us"] = stopMicroseconds / iterations;
  state.counters["entries_after"] = static_cast<double>(entriesAfterGesture) / iterations;
}

}  // namespace

BENCHMARK(BM_ListFolderOf5000Mp3s)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_NewSelectionStopsListing)->Unit(benchmark::kMillisecond)->UseRealTime();
