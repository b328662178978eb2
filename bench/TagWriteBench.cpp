// Writing a tag with the tag editor's path: a 10 MB MP3 with a 500 KB picture in its 2.3 tag and
// an ID3v1 block. Each write puts a new tag in front of the audio, keeping the picture, so the
// whole file is copied into a new one, flushed to the disk and renamed over the old one. The
// title alternates so every write changes the file. Page cache warm (target: under 50 ms).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "metadata/MPEGaudio.h"
#include "support/Mp3Builder.h"
#include "support/TagBuilder.h"
#include "tageditor/TagUpdate.h"

namespace {

namespace stdfs = std::filesystem;

constexpr std::size_t kFileBytes = 10u << 20;
constexpr std::size_t kPictureBytes = 500u << 10;

// The sample file in a folder of its own under the temporary folder, removed at the end.
class SampleFile {
 public:
  SampleFile() {
    std::string pattern = (stdfs::temp_directory_path() / "songloom-tagbench-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) return;
    folder_ = pattern;
    path_ = folder_ + "/sample.mp3";
    const MpegFrame frame;
    const std::string tag = Id3v23TextTag(
        {.title = "Sample", .artist = "Bench", .album = "Ten Megabytes"}, kPictureBytes);
    const std::string v1 = Id3v1Block({.title = "Sample", .artist = "Bench"});
    const auto frames = (kFileBytes - tag.size() - v1.size()) / Mp3FrameLength(frame);
    std::ofstream(path_, std::ios::binary)
        << tag << Mp3Frames(frame, static_cast<int>(frames)) << v1;
  }
  ~SampleFile() {
    std::error_code ec;
    if (!folder_.empty()) stdfs::remove_all(folder_, ec);
  }
  SampleFile(const SampleFile&) = delete;
  SampleFile& operator=(const SampleFile&) = delete;

  const std::string& path() const { return path_; }

 private:
  std::string folder_;
  std::string path_;
};

void BM_TagWrite10MBWithPicture(benchmark::State& state) {
  SampleFile sample;
  TMPEGaudio analyser;
  const TagEditSource source = ReadTagForEditing(analyser, sample.path());
  TagTexts texts = TagTextsOf(source.info);
  bool odd = false;
  for (auto _ : state) {
    texts.title = (odd = !odd) ? "Sample one" : "Sample two";
    if (StoreEditedTag(source.tag, texts, sample.path()) != TagWriteResult::Written) {
      state.SkipWithError("the tag could not be written");
      break;
    }
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kFileBytes));
  state.counters["file_MB"] = static_cast<double>(stdfs::file_size(sample.path())) / (1 << 20);
}
BENCHMARK(BM_TagWrite10MBWithPicture)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
