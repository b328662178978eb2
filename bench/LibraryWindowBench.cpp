// The library in the window on 100,000 MP3 files (LibraryFixture), warm file cache: the scan
// through the real scan dialog into the grid views, with the longest time the window's events
// waited between two turns of the event loop, and a search hitting 10,000 rows into its view.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTest>
#include <algorithm>
#include <chrono>

#include "LibraryFixture.h"
#include "app/QtUserDialogs.h"
#include "app/fSongloomMain.h"

namespace {

using Clock = std::chrono::steady_clock;

// The window's own dialogs, noting the longest wait between two turns of the event loop while
// a scan or a search runs.
class TimedQtDialogs : public QtUserDialogs {
 public:
  void processEvents() override {
    turn();
    QtUserDialogs::processEvents();
  }
  bool showScanProgress(const std::string& caption,
                        const std::function<void(ScanProgressView&)>& scan) override {
    return QtUserDialogs::showScanProgress(caption, [&](ScanProgressView& view) {
      start();
      scan(view);
      turn();
    });
  }
  void start() {
    longestGap = Clock::duration::zero();
    last_ = Clock::now();
  }
  void turn() {
    const auto now = Clock::now();
    longestGap = std::max(longestGap, now - last_);
    last_ = now;
  }

  Clock::duration longestGap{};

 private:
  Clock::time_point last_{};
};

double Milliseconds(Clock::duration d) {
  return std::chrono::duration<double, std::milli>(d).count();
}

struct Window {
  Window() : window("/nonexistent/songloom-bench.m3u", WindowStandIns{.dialogs = &dialogs}) {
    window.core().library().setLibraryFolders({LibraryFixture::Get().root()});
    window.resize(1280, 800);
    window.show();
    exposed = QTest::qWaitForWindowExposed(&window);
  }
  // The Library view, built anew.
  void build() {
    window.core().tables().ClearGrid(window.core().tables().grdLibrary());
    window.core().browser().rbtFolderClick();
    window.refreshLabels();
    window.core().rbtLibraryClick();
    window.refreshLabels();
  }
  TimedQtDialogs dialogs;
  TfrmSongloomMain window;
  bool exposed = false;
};

void BM_WindowScanOf100000Mp3s(benchmark::State& state) {
  Window w;
  if (!w.exposed) state.SkipWithError("window not exposed");
  w.build();  // warms the file cache
  double longestGapMs = 0;
  for (auto _ : state) {
    w.build();
    longestGapMs = std::max(longestGapMs, Milliseconds(w.dialogs.longestGap));
  }
  if (w.window.core().tables().grdLibrary().dataRowCount() != LibraryFixture::kFiles)
    state.SkipWithError("files missing from the library");
  state.counters["longest_gap_ms"] = longestGapMs;
}
BENCHMARK(BM_WindowScanOf100000Mp3s)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_WindowSearchHitting10000Rows(benchmark::State& state) {
  Window w;
  w.build();
  LibraryView& library = w.window.core().library();
  library.setEdtSearch(LibraryFixture::kRockSearch);
  double longestGapMs = 0;
  for (auto _ : state) {
    w.dialogs.start();
    library.btnSearchClick();
    w.window.refreshLabels();
    QApplication::processEvents();  // the view shows the rows
    w.dialogs.turn();
    longestGapMs = std::max(longestGapMs, Milliseconds(w.dialogs.longestGap));
  }
  if (w.window.core().tables().grdSearch().dataRowCount() != LibraryFixture::kRockFiles)
    state.SkipWithError("the search did not hit 10,000 rows");
  state.counters["longest_gap_ms"] = longestGapMs;
}
BENCHMARK(BM_WindowSearchHitting10000Rows)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(5);

}  // namespace
