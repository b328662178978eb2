// Benchmarks of reading track metadata: ReadTrackInfo over a folder of
// generated files, with a warm file cache and one analyser, as a listing does.
#include <benchmark/benchmark.h>

#include "TrackFixtures.h"
#include "metadata/MPEGaudio.h"
#include "metadata/TrackInfo.h"

namespace {

constexpr int kFileCount = 2400;

const TrackFixtures& Fixtures() {
  static const TrackFixtures fixtures(kFileCount);
  return fixtures;
}

void ReadAll(benchmark::State& state, const std::vector<std::string>& paths) {
  TMPEGaudio analyser;
  recMP3Info info;
  for (const std::string& path : paths) ReadTrackInfo(analyser, path, info);  // warm the cache
  std::int64_t files = 0;
  for (auto _ : state) {
    for (const std::string& path : paths) {
      ReadTrackInfo(analyser, path, info);
      benchmark::DoNotOptimize(info);
    }
    files += static_cast<std::int64_t>(paths.size());
  }
  state.counters["files/s"] =
      benchmark::Counter(static_cast<double>(files), benchmark::Counter::kIsRate);
}

void BM_ReadTrackInfoMix(benchmark::State& state) { ReadAll(state, Fixtures().paths()); }

void BM_ReadTrackInfoKind(benchmark::State& state) {
  const auto kind = static_cast<TrackFixtures::Kind>(state.range(0));
  ReadAll(state, Fixtures().pathsOf(kind));
}

}  // namespace

BENCHMARK(BM_ReadTrackInfoMix)->Unit(benchmark::kMillisecond);
// 0: CBR with ID3v1, 1: VBR with a 2.3 tag, 2: the same with a 100 KB picture.
BENCHMARK(BM_ReadTrackInfoKind)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
