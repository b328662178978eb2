// Copying a compilation's files with the core's copy loop against the system's cp, over the
// same 200 files of 2 MB on the same disk, page cache warm. Each iteration copies with both, in
// alternating order, into fresh folders, each after a sync so neither pays for the other's
// writeback; the folders are removed afterwards. Reports the loop's time and the loop-to-cp
// ratios of the medians and of the fastest runs (target: within 10 % of cp).
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "ScratchFolder.h"
#include "cli/ConsoleDialogs.h"
#include "compile/CopyFiles.h"

extern char** environ;

namespace {

namespace stdfs = std::filesystem;

constexpr int kFiles = 200;
constexpr std::size_t kFileBytes = 2 * 1024 * 1024;

class NullCopyView : public CopyProgressView {
 public:
  void setRange(int) override {}
  void setPosition(int) override {}
  void setFileLabel(const std::string&) override {}
  void fileCopied(const std::string&) override {}
  bool cancelRequested() const override { return false; }
};

// The source files, written once and read once so they sit in the page cache.
const std::vector<std::string>& Sources(const std::string& folder) {
  static std::vector<std::string> sources = [&] {
    std::vector<std::string> paths;
    std::string bytes(kFileBytes, '\0');
    for (int i = 0; i < kFiles; ++i) {
      for (std::size_t b = 0; b < bytes.size(); b += 4096)
        bytes[b] = static_cast<char>(i + static_cast<int>(b / 4096));
      const std::string path = folder + "/track " + std::to_string(i) + ".mp3";
      platform::FileSystem& fs = platform::localFileSystem();
      auto file = fs.createFile(path);
      if (!file || !file->write(bytes.data(), bytes.size()) || !file->close()) break;
      std::string warm;
      platform::readWholeFile(fs, path, warm);
      paths.push_back(path);
    }
    ::sync();
    return paths;
  }();
  return sources;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

double SecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// /bin/cp --preserve=timestamps SOURCES... DEST, without a shell in between.
bool RunCp(const std::vector<std::string>& sources, const std::string& dest) {
  std::vector<std::string> args = {"/bin/cp", "--preserve=timestamps"};
  args.insert(args.end(), sources.begin(), sources.end());
  args.push_back(dest);
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  pid_t pid = 0;
  if (::posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return false;
  int status = 0;
  return ::waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void BM_CopyLoopVsCp(benchmark::State& state) {
  static ScratchFolder dir("songloom-copybench");
  const std::vector<std::string>& sources = Sources(dir.mkdir("sources"));
  std::ostringstream quiet;
  ConsoleDialogs dialogs("", quiet);
  NullCopyView view;
  std::vector<double> loopTimes, cpTimes;
  int round = 0;
  for (auto _ : state) {
    // Each folder is made just before its copy: the order in which folders are made decides
    // where their files land on the disk, and that must not favour either side.
    const std::string cpDest = dir.path() + "/cp" + std::to_string(round);
    const std::string loopDest = dir.path() + "/loop" + std::to_string(round);
    const auto runCp = [&] {
      stdfs::create_directory(cpDest);
      ::sync();
      const auto start = std::chrono::steady_clock::now();
      if (!RunCp(sources, cpDest)) state.SkipWithError("cp failed");
      cpTimes.push_back(SecondsSince(start));
    };
    const auto runLoop = [&] {
      stdfs::create_directory(loopDest);
      ::sync();
      const auto start = std::chrono::steady_clock::now();
      const CopyOutcome outcome =
          CopyFiles(sources, loopDest, view, dialogs, platform::localFileSystem());
      loopTimes.push_back(SecondsSince(start));
      if (!outcome.notCopied.empty()) state.SkipWithError("the loop failed to copy");
    };
    // Alternate which goes first, so neither always meets the other's leftovers.
    if (round % 2 == 0) {
      runCp();
      runLoop();
    } else {
      runLoop();
      runCp();
    }
    state.SetIterationTime(loopTimes.back());
    stdfs::remove_all(cpDest);
    stdfs::remove_all(loopDest);
    ++round;
  }
  // Other work on the machine only ever adds time: the medians and the fastest runs of each
  // are what compare.
  const double cpMedian = Median(cpTimes), loopMedian = Median(loopTimes);
  const double cpBest = *std::min_element(cpTimes.begin(), cpTimes.end());
  const double loopBest = *std::min_element(loopTimes.begin(), loopTimes.end());
  state.counters["cp_median_ms"] = 1000 * cpMedian;
  state.counters["loop_median_ms"] = 1000 * loopMedian;
  state.counters["median_ratio"] = loopMedian / cpMedian;
  state.counters["best_ratio"] = loopBest / cpBest;
  state.SetBytesProcessed(state.iterations() * kFiles * static_cast<std::int64_t>(kFileBytes));
}
BENCHMARK(BM_CopyLoopVsCp)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(15);

}  // namespace
