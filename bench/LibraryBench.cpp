// Benchmarks of the library on 100,000 MP3 files (LibraryFixture), warm file cache: the scan
// into grdLibrary with the longest time the window's events had to wait, the memory the filled
// library takes, and a search that hits 10,000 rows.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <algorithm>
#include <chrono>
#include <sstream>
#include <string>

#include "LibraryFixture.h"
#include "browser/FolderBrowser.h"
#include "browser/LibraryView.h"
#include "cli/ConsoleDialogs.h"
#include "metadata/MPEGaudio.h"
#include "tracks/TrackTable.h"

namespace {

using Clock = std::chrono::steady_clock;

// The window's event loop as the scan sees it: it notes how long the events waited between
// two turns, from the dialog's showing to its closing, and presses Cancel at a given turn.
class TimingDialogs : public ConsoleDialogs, private ScanProgressView {
 public:
  TimingDialogs() : ConsoleDialogs(std::string(), sink_) {}

  void processEvents() override {
    turn();
    if (++turns == cancelAtTurn) {
      cancelled_ = true;
      cancelTime_ = Clock::now();
    }
  }
  bool showScanProgress(const std::string&,
                        const std::function<void(ScanProgressView&)>& scan) override {
    longestGap = Clock::duration::zero();
    turns = 0;
    cancelled_ = false;
    last_ = Clock::now();
    scan(*this);
    turn();
    if (cancelled_) stopTime = last_ - cancelTime_;
    return cancelled_;
  }

  Clock::duration longestGap{};
  Clock::duration stopTime{};  // from Cancel seen to the dialog closed
  long turns = 0;
  long cancelAtTurn = -1;

 private:
  void setLabel(ScanLabel, const std::string&) override {}
  bool cancelRequested() const override { return cancelled_; }
  void turn() {
    const auto now = Clock::now();
    longestGap = std::max(longestGap, now - last_);
    last_ = now;
  }
  std::ostringstream sink_;
  Clock::time_point last_{};
  Clock::time_point cancelTime_{};
  bool cancelled_ = false;
};

struct Library {
  Library() {
    tables.SetUpColumns();
    library.hooks.ShowLibraryPage = [this](bool searchShown) {
      tables.setShownBrowserGrid(searchShown ? GridId::Search : GridId::Library);
    };
    library.setLibraryFolders({LibraryFixture::Get().root()});
  }
  TimingDialogs dialogs;
  TMPEGaudio analyser;
  TrackTables tables{analyser};
  FolderBrowser browser{tables, dialogs};
  LibraryView library{tables, browser, dialogs};
};

std::size_t HeapInUse() {
  malloc_trim(0);
  return mallinfo2().uordblks;
}

double Milliseconds(Clock::duration d) {
  return std::chrono::duration<double, std::milli>(d).count();
}

void BM_ScanLibraryOf100000Mp3s(benchmark::State& state) {
  Library lib;
  lib.library.BuildLibrary();  // warms the file cache
  double longestGapMs = 0;
  for (auto _ : state) {
    lib.library.BuildLibrary();
    longestGapMs = std::max(longestGapMs, Milliseconds(lib.dialogs.longestGap));
  }
  if (lib.tables.grdLibrary().dataRowCount() != LibraryFixture::kFiles)
    state.SkipWithError("files missing from the library");
  state.counters["files/s"] = benchmark::Counter(
      static_cast<double>(LibraryFixture::kFiles) * static_cast<double>(state.iterations()),
      benchmark::Counter::kIsRate);
  state.counters["longest_gap_ms"] = longestGapMs;
  state.counters["event_turns"] = static_cast<double>(lib.dialogs.turns);

  // The memory of the filled library: the heap with it, less the heap with it emptied.
  const std::size_t filled = HeapInUse();
  lib.tables.ClearGrid(lib.tables.grdLibrary());
  const std::size_t emptied = HeapInUse();
  state.counters["library_MB"] = static_cast<double>(filled - emptied) / (1024.0 * 1024.0);
}
BENCHMARK(BM_ScanLibraryOf100000Mp3s)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// Cancel pressed halfway through the scan: the person waits for the next turn of the event
// loop (at most the longest gap), then for the scan to stop.
void BM_CancelHalfwayThroughTheScan(benchmark::State& state) {
  Library lib;
  lib.library.BuildLibrary();
  lib.dialogs.cancelAtTurn = lib.dialogs.turns / 2;
  double stopMs = 0;
  double longestGapMs = 0;
  for (auto _ : state) {
    lib.library.BuildLibrary();
    stopMs = std::max(stopMs, Milliseconds(lib.dialogs.stopTime));
    longestGapMs = std::max(longestGapMs, Milliseconds(lib.dialogs.longestGap));
  }
  const int rows = lib.tables.grdLibrary().dataRowCount();
  if (rows <= 1 || rows >= LibraryFixture::kFiles) state.SkipWithError("the scan did not stop");
  state.counters["stop_ms"] = stopMs;
  state.counters["longest_gap_ms"] = longestGapMs;
  state.counters["rows_kept"] = rows;
}
BENCHMARK(BM_CancelHalfwayThroughTheScan)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

void BM_SearchHitting10000Rows(benchmark::State& state) {
  Library lib;
  lib.library.BuildLibrary();
  lib.library.setEdtSearch(LibraryFixture::kRockSearch);
  for (auto _ : state) lib.library.SearchLibrary();
  if (lib.tables.grdSearch().dataRowCount() != LibraryFixture::kRockFiles)
    state.SkipWithError("the search did not hit 10,000 rows");
  state.counters["hits"] = lib.tables.grdSearch().dataRowCount();
}
BENCHMARK(BM_SearchHitting10000Rows)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

}  // namespace
