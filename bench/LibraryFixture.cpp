#include "LibraryFixture.h"

#include <stdlib.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "support/Mp3Builder.h"

namespace {

constexpr std::array<const char*, 10> kGenres = {"Rock", "Pop",   "Jazz", "Blues",  "Soul",
                                                 "Folk", "Metal", "Punk", "Reggae", "Classical"};
constexpr std::array<const char*, 16> kWords = {
    "Harbour", "Lights", "Paper",  "Boats", "Low",   "Tide",  "Glass",  "Garden",
    "Copper",  "Sky",    "Signal", "Relay", "Night", "Ferry", "Summer", "Static"};

std::string Word(int n) { return kWords[static_cast<std::size_t>(n) % kWords.size()]; }

std::string TwoDigits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

}  // namespace

const LibraryFixture& LibraryFixture::Get() {
  static const LibraryFixture fixture;
  return fixture;
}

LibraryFixture::LibraryFixture() {
  std::string pattern =
      (std::filesystem::temp_directory_path() / "songloom-library-bench-XXXXXX").string();
  if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
  root_ = pattern;
  const MpegFrame frame{.kbps = 32};  // 104-byte frames: small files
  for (int album = 0; album < kFolders; ++album) {
    const std::string artist =
        Word(album / 10) + " " + Word(album / 7 + 3) + " " + std::to_string(album / 10);
    const std::string title = Word(album) + " " + Word(album * 3 + 1);
    const std::string folder = root_ + "/" + artist + " - " + title + " " + std::to_string(album);
    std::filesystem::create_directories(folder);
    const char* genre = kGenres[static_cast<std::size_t>(album) % kGenres.size()];
    for (int track = 1; track <= kTracksPerFolder; ++track) {
      const std::string song =
          Word(track + album) + " " + Word(track * 5 + album) + " " + TwoDigits(track);
      XingFields xing;
      xing.frames = 4000 + 97 * ((album + track) % 60);  // about 1:50 to 4:25
      xing.bytes = xing.frames * 104;
      const std::string bytes =
          Id3v23TextTag({song, artist, title, std::to_string(1970 + album % 50), genre, ""}) +
          XingFrame(frame, xing) + Mp3Frame(frame);
      std::ofstream(folder + "/" + TwoDigits(track) + " " + song + ".mp3", std::ios::binary)
          << bytes;
    }
  }
}

LibraryFixture::~LibraryFixture() {
  std::error_code error;
  std::filesystem::remove_all(root_, error);
}
