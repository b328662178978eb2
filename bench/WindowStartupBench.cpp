// Start-up of the window: an empty autosave, and a 10,000-track autosave.
#include <benchmark/benchmark.h>

#include <QTest>
#include <filesystem>
#include <fstream>

#include "app/fSongloomMain.h"
#include "support/Mp3Builder.h"

namespace {

namespace fs = std::filesystem;

// A folder with `tracks` small tagged MP3 files and an autosave playlist naming them.
class AutosaveFixture {
 public:
  explicit AutosaveFixture(int tracks) {
    folder_ = fs::temp_directory_path() / ("songloom-startup-" + std::to_string(tracks));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    XingFields xing;
    xing.frames = 9000;
    xing.bytes = 9000 * 418;
    const std::string audio = XingFrame(MpegFrame{}, xing) + Mp3Frames(MpegFrame{}, 4);
    std::string m3u = "#EXTM3U\r\n";
    for (int i = 0; i < tracks; ++i) {
      const std::string name = "track" + std::to_string(i) + ".mp3";
      std::ofstream(folder_ / name, std::ios::binary)
          << Id3v23TextTag({"Title " + std::to_string(i), "Artist", "Album", "2020", "Pop", ""})
          << audio;
      m3u += "#EXTINF: 235,Artist - Title " + std::to_string(i) + "\r\n" + name + "\r\n";
    }
    std::ofstream(autosave(), std::ios::binary) << m3u;
  }
  ~AutosaveFixture() { fs::remove_all(folder_); }
  std::string autosave() const { return (folder_ / "songloom.m3u").string(); }

 private:
  fs::path folder_;
};

void OpenWindow(benchmark::State& state, const std::string& autosave, int expectedRows) {
  for (auto _ : state) {
    TfrmSongloomMain window(autosave);
    window.resize(1280, 800);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) state.SkipWithError("window not exposed");
    if (window.core().tables().grdPlaylist().dataRowCount() != expectedRows)
      state.SkipWithError("autosave not restored");
    state.PauseTiming();
    window.hide();
    state.ResumeTiming();
  }
}

void BM_WindowStartEmptyAutosave(benchmark::State& state) {
  OpenWindow(state, (fs::temp_directory_path() / "songloom-no-autosave.m3u").string(), 1);
}
BENCHMARK(BM_WindowStartEmptyAutosave)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_WindowStartRestoring10000Tracks(benchmark::State& state) {
  const AutosaveFixture fixture(10000);
  OpenWindow(state, fixture.autosave(), 10000);
}
BENCHMARK(BM_WindowStartRestoring10000Tracks)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
