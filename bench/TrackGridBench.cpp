// Benchmarks of the track grid: sorting a 100 000-row playlist by a text column and by size,
// filling rows from generated MP3 files, and the memory a 100 000-row grid takes.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "metadata/MPEGaudio.h"
#include "support/Mp3Builder.h"
#include "tracks/TrackTable.h"
#include "tracks/TrackTexts.h"

namespace {

constexpr int kGridRows = 100000;
constexpr int kFillFiles = 10000;

const std::array<const char*, 16> kWords = {
    "Love",  "Night", "River", "Golden", "Electric", "Heart",   "Summer", "Shadow",
    "Dance", "Blue",  "Stone", "Fire",   "Morning",  "Highway", "Silver", "Dreams"};

std::string Words(std::mt19937& random, int count) {
  std::string text;
  for (int i = 0; i < count; ++i) {
    if (i > 0) text += ' ';
    text += kWords[random() % kWords.size()];
  }
  return text;
}

// One playlist row with texts of the lengths a real collection has.
void FillRealisticRow(TrackTables& tables, TrackGrid& grid, int row, std::mt19937& random) {
  const std::string artist = Words(random, 2);
  const std::string title = Words(random, 3);
  const std::string album = Words(random, 2);
  const std::string fileName = std::to_string(row % 20 + 1) + " " + title + ".mp3";
  const std::int64_t size = 1000000 + static_cast<std::int64_t>(random() % 9000000);
  const int bitrate = std::array<int, 4>{128, 160, 192, 320}[random() % 4];
  const auto set = [&](const std::string& value, const char* name) {
    tables.SetCellByName(grid, row, value, name);
  };
  set(std::to_string(row) + ".", "#");
  set(artist + " - " + title, "Track Name");
  set(SizeText(size), "Size");
  set(DurationText(static_cast<double>(random() % 600)), "Duration");
  set(artist, "Artist");
  set(title, "Title");
  set(album, "Album");
  set(std::to_string(1960 + random() % 60), "Year");
  set("Rock", "Genre");
  set(std::to_string(bitrate) + " kbps", "Bitrate");
  set(fileName, "File Name");
  set("/home/user/Music/" + artist + "/" + album + "/" + fileName, "Path");
  set(std::to_string(row), "ID");
  set(std::to_string(size), "Size2");
  set(std::to_string(bitrate), "Bitrate2");
}

void FillPlaylist(TrackTables& tables, int rows) {
  TrackGrid& grid = tables.grdPlaylist();
  grid.setRowCount(rows + 1);
  std::mt19937 random(7);
  for (int row = 1; row <= rows; ++row) FillRealisticRow(tables, grid, row, random);
  grid.setTag(0);
}

// Resident memory of this process in bytes.
std::int64_t ResidentBytes() {
  std::ifstream statm("/proc/self/statm");
  std::int64_t pages = 0;
  std::int64_t resident = 0;
  statm >> pages >> resident;
  return resident * sysconf(_SC_PAGESIZE);
}

struct Tables {
  TMPEGaudio analyser;
  TrackTables tables{analyser};
  Tables() { tables.SetUpColumns(); }
};

// Every timed sort starts from an order unrelated to its key: the rows are first put in
// "Path" order, untimed.
void BM_SortByTextColumn(benchmark::State& state) {
  Tables t;
  FillPlaylist(t.tables, kGridRows);
  TrackGrid& grid = t.tables.grdPlaylist();
  const int path = t.tables.ColumnByName(grid, "Path");
  const int title = t.tables.ColumnByName(grid, "Title");
  for (auto _ : state) {
    state.PauseTiming();
    grid.setSortDirection(SortDirection::Ascending);
    grid.sortOnColumn(path);
    state.ResumeTiming();
    grid.sortOnColumn(title);
  }
}

void BM_SortBySizeCompanion(benchmark::State& state) {
  Tables t;
  FillPlaylist(t.tables, kGridRows);
  TrackGrid& grid = t.tables.grdPlaylist();
  const int path = t.tables.ColumnByName(grid, "Path");
  const int size = t.tables.ColumnByName(grid, "Size");
  for (auto _ : state) {
    state.PauseTiming();
    grid.sortOnColumn(path);
    state.ResumeTiming();
    t.tables.SortByHeaderClick(grid, size);  // includes renumbering the playlist
  }
}

// A folder of small tagged MP3 files, removed at the end.
class GeneratedFiles {
 public:
  explicit GeneratedFiles(int count) {
    folder_ =
        std::filesystem::temp_directory_path() / ("songloom-gridbench-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder_);
    std::mt19937 random(11);
    for (int i = 0; i < count; ++i) {
      const std::string path = (folder_ / ("track" + std::to_string(i) + ".mp3")).string();
      const TrackTexts texts{.title = Words(random, 3),
                             .artist = Words(random, 2),
                             .album = Words(random, 2),
                             .year = "1999",
                             .genre = "Rock"};
      std::ofstream(path, std::ios::binary) << Id3v23TextTag(texts) << Mp3Frames(MpegFrame{}, 8);
      items_.push_back(path);
    }
  }
  ~GeneratedFiles() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }
  const std::vector<std::string>& items() const { return items_; }

 private:
  std::filesystem::path folder_;
  std::vector<std::string> items_;
};

void BM_FillRowFromItem(benchmark::State& state) {
  const GeneratedFiles files(kFillFiles);
  Tables t;
  TrackGrid& grid = t.tables.grdBrowser();
  std::int64_t rows = 0;
  for (auto _ : state) {
    state.PauseTiming();
    t.tables.ClearGrid(grid);
    grid.setRowCount(kFillFiles + 1);
    state.ResumeTiming();
    int row = 1;
    for (const std::string& item : files.items())
      t.tables.FillRowFromItem(grid, row++, FileItem(item));
    rows += kFillFiles;
  }
  state.counters["rows/s"] =
      benchmark::Counter(static_cast<double>(rows), benchmark::Counter::kIsRate);
}

void BM_GridMemory(benchmark::State& state) {
  for (auto _ : state) {
    const std::int64_t before = ResidentBytes();
    auto t = std::make_unique<Tables>();
    FillPlaylist(t->tables, kGridRows);
    const std::int64_t after = ResidentBytes();
    state.counters["grid_MB"] = static_cast<double>(after - before) / (1024.0 * 1024.0);
    benchmark::DoNotOptimize(t);
  }
}

}  // namespace

// First, while the process has freed nothing yet that the grid could reuse unseen.
BENCHMARK(BM_GridMemory)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortByTextColumn)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortBySizeCompanion)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FillRowFromItem)->Unit(benchmark::kMillisecond);
