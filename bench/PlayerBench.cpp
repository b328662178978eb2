// The player on Qt Multimedia: time from Play to the position advancing, and how long the
// player holds the window's event loop (a timer tick, a render, a failing render, and the
// largest gap between 5 ms timer ticks while a track plays).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <filesystem>
#include <fstream>

#include "dialogs/UserDialogs.h"
#include "metadata/MPEGaudio.h"
#include "player/PlaybackController.h"
#include "player/QtPlaybackService.h"
#include "support/Mp3Builder.h"
#include "tracks/TrackTable.h"

namespace {

namespace fs = std::filesystem;

// Nobody answers: the player asks nothing of the person while these run.
class SilentDialogs : public UserDialogs {
 public:
  bool askYesNo(const std::string&) override { return false; }
  DialogAnswer askYesNoCancel(const std::string&) override { return DialogAnswer::Cancel; }
  void inform(const std::string&) override {}
  void error(const std::string&) override {}
  std::string chooseOpenFile(const std::string&) override { return {}; }
  std::string chooseSaveFile(const std::string&, const std::string&) override { return {}; }
  std::string chooseFolder(const std::string&, const std::string&) override { return {}; }
  std::optional<std::string> enterText(const std::string&, const std::string&,
                                       const std::string&) override {
    return std::nullopt;
  }
  void processEvents() override {}
  bool showCopyProgress(const std::function<void(CopyProgressView&)>&) override { return false; }
  std::unique_ptr<AddItemsView> showAddItems(const std::string&) override { return nullptr; }
  bool showScanProgress(const std::string&,
                        const std::function<void(ScanProgressView&)>&) override {
    return false;
  }
};

// A playlist of a 10 s track and a broken one, and a player on the real service.
struct PlayerRig {
  PlayerRig() {
    folder = fs::temp_directory_path() / "songloom-player-bench";
    fs::create_directories(folder);
    std::ofstream(folder / "track.mp3", std::ios::binary) << Mp3Frames(MpegFrame{}, 383);
    std::ofstream(folder / "broken.mp3", std::ios::binary) << "not audio at all";
    tables.SetUpColumns();
    TrackGrid& grid = tables.grdPlaylist();
    tables.FillRowFromItem(grid, 1, FileItem((folder / "track.mp3").string()));
    tables.FillRowFromItem(grid, grid.addRow(), FileItem((folder / "broken.mp3").string()));
  }
  ~PlayerRig() { fs::remove_all(folder); }
  void Play(int row) {
    TrackGrid& grid = tables.grdPlaylist();
    player.PlayTrack(grid, tables.RowID(grid, row));
  }

  fs::path folder;
  TMPEGaudio analyser;
  TrackTables tables{analyser};
  Mrng random;
  SilentDialogs dialogs;
  QtPlaybackService service;
  PlaybackController player{tables, random, service, dialogs};
};

// Runs events until the condition holds or timeoutMs passed; false on the timeout.
template <typename Condition>
bool RunEventsUntil(Condition condition, int timeoutMs) {
  QElapsedTimer clock;
  clock.start();
  while (!condition()) {
    if (clock.elapsed() > timeoutMs) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  }
  return true;
}

void BM_PlayUntilThePositionAdvances(benchmark::State& state) {
  PlayerRig rig;
  for (auto _ : state) {
    QElapsedTimer clock;
    clock.start();
    rig.Play(1);
    const bool advanced =
        RunEventsUntil([&] { return rig.service.position().value_or(0) > 0; }, 5000);
    state.SetIterationTime(clock.nsecsElapsed() / 1e9);
    rig.player.ResetPlayer();
    if (!advanced) {
      state.SkipWithError("the position never advanced");
      break;
    }
  }
}
BENCHMARK(BM_PlayUntilThePositionAdvances)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(10);

// The longest the player itself holds the event loop, in milliseconds.
void BM_LongestHoldOfTheEventLoop(benchmark::State& state) {
  PlayerRig rig;
  double render = 0, failing = 0, tick = 0, gap = 0;
  for (auto _ : state) {
    QElapsedTimer clock;
    clock.start();
    rig.Play(2);
    failing = std::max(failing, clock.nsecsElapsed() / 1e6);
    RunEventsUntil([&] { return !rig.player.loaded(); }, 2000);
    clock.restart();
    rig.Play(1);
    render = std::max(render, clock.nsecsElapsed() / 1e6);
    // A 5 ms timer runs beside the playing track: its largest gap is the longest hold.
    QElapsedTimer sinceTick;
    sinceTick.start();
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
      gap = std::max(gap, sinceTick.nsecsElapsed() / 1e6 - 5.0);
      sinceTick.restart();
      QElapsedTimer inTick;
      inTick.start();
      rig.player.tmrPlayerTimer();
      tick = std::max(tick, inTick.nsecsElapsed() / 1e6);
    });
    ticker.start(5);
    RunEventsUntil([] { return false; }, 2000);
    ticker.stop();
    rig.player.ResetPlayer();
  }
  state.counters["render_ms"] = render;
  state.counters["failing_render_ms"] = failing;
  state.counters["timer_tick_ms"] = tick;
  state.counters["largest_gap_ms"] = gap;
}
BENCHMARK(BM_LongestHoldOfTheEventLoop)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
