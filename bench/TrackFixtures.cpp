#include "TrackFixtures.h"

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "support/Mp3Builder.h"
#include "support/TagBuilder.h"

namespace {

constexpr int kAudioFrames = 40;
constexpr std::size_t kPictureBytes = 100 * 1024;

std::string FileBytes(TrackFixtures::Kind kind, int index) {
  const MpegFrame frame{};
  const std::string number = std::to_string(index);
  const TrackTexts texts{.title = "Title " + number,
                         .artist = "Artist",
                         .album = "Album",
                         .year = "2004",
                         .genre = "Rock",
                         .comment = "take " + number};
  const std::string vbrAudio =
      XingFrame(frame, {.frames = kAudioFrames, .bytes = 417 * kAudioFrames}) +
      Mp3Frames(frame, kAudioFrames);
  switch (kind) {
    case TrackFixtures::Kind::CbrWithId3v1: {
      std::string audio = Mp3Frames(frame, kAudioFrames);
      PutEncoderMark(audio, "LAME3.99", 300);
      return audio + Id3v1Block({"Title " + number, "Artist", "Album", "2004", "", 3, 17});
    }
    case TrackFixtures::Kind::VbrWithTag:
      return Id3v23TextTag(texts, 0, 256) + vbrAudio;
    case TrackFixtures::Kind::VbrWithPicture:
      return Id3v23TextTag(texts, kPictureBytes, 256) + vbrAudio;
  }
  return {};
}

}  // namespace

TrackFixtures::TrackFixtures(int count) {
  std::string pattern = (std::filesystem::temp_directory_path() / "songloom-bench-XXXXXX").string();
  if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
  folder_ = pattern;
  for (int i = 0; i < count; ++i) {
    const auto kind = static_cast<Kind>(i % 3);
    const std::string path = folder_ + "/track" + std::to_string(i) + ".mp3";
    const std::string bytes = FileBytes(kind, i);
    std::ofstream(path, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    paths_.push_back(path);
    kinds_.push_back(kind);
  }
}

TrackFixtures::~TrackFixtures() {
  std::error_code ec;
  std::filesystem::remove_all(folder_, ec);
}

std::vector<std::string> TrackFixtures::pathsOf(Kind kind) const {
  std::vector<std::string> result;
  for (std::size_t i = 0; i < paths_.size(); ++i)
    if (kinds_[i] == kind) result.push_back(paths_[i]);
  return result;
}
