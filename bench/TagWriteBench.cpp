// Writing a tag with the tag editor's path: a 10 MB MP3 with a 500 KB picture in its 2.3 tag and
// an ID3v1 block. Each write puts a new tag in front of the audio, keeping the picture, so the
// whole file is copied into a new one, flushed to the disk and renamed over the old one. The
// title alternates so every write changes the file. Page cache warm (target: under 50 ms).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "ScratchFolder.h"
#include "metadata/MPEGaudio.h"
#include "support/Mp3Builder.h"
#include "support/TagBuilder.h"
#include "tageditor/TagUpdate.h"

namespace {

namespace stdfs = std::filesystem;

constexpr std::size_t kFileBytes = 10u << 20;
constexpr std::size_t kPictureBytes = 500u << 10;

// The sample file: its tag, the audio and an ID3v1 block, kFileBytes in all.
void WriteSample(const std::string& path) {
  const MpegFrame frame;
  const std::string tag = Id3v23TextTag(
      {.title = "Sample", .artist = "Bench", .album = "Ten Megabytes"}, kPictureBytes);
  const std::string v1 = Id3v1Block({.title = "Sample", .artist = "Bench"});
  const auto frames = (kFileBytes - tag.size() - v1.size()) / Mp3FrameLength(frame);
  std::ofstream(path, std::ios::binary) << tag << Mp3Frames(frame, static_cast<int>(frames)) << v1;
}

void BM_TagWrite10MBWithPicture(benchmark::State& state) {
  const ScratchFolder dir("songloom-tagbench");
  const std::string path = dir.path() + "/sample.mp3";
  WriteSample(path);
  TMPEGaudio analyser;
  const TagEditSource source = ReadTagForEditing(analyser, path);
  TagTexts texts = TagTextsOf(source.info);
  bool odd = false;
  for (auto _ : state) {
    texts.title = (odd = !odd) ? "Sample one" : "Sample two";
    if (StoreEditedTag(source.tag, texts, path) != TagWriteResult::Written) {
      state.SkipWithError("the tag could not be written");
      break;
    }
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kFileBytes));
  state.counters["file_MB"] = static_cast<double>(stdfs::file_size(path)) / (1 << 20);
}
BENCHMARK(BM_TagWrite10MBWithPicture)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
