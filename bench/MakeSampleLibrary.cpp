// Writes a small library of tagged MP3 files and a playlist of them, for
// screenshots and start-up measurements:
//   songloom_sample_library FOLDER [TRACKS]
// Each file holds a Xing frame that gives it a realistic playing time while
// staying a few kilobytes long.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/Mp3Builder.h"

namespace {

struct Album {
  const char* artist;
  const char* title;
  const char* year;
  const char* genre;
  std::vector<const char*> tracks;
};

const std::vector<Album>& Albums() {
  static const std::vector<Album> albums = {
      {"The Lanterns", "Night Ferry", "2019", "Indie",
       {"Harbour Lights", "Paper Boats", "Low Tide", "The Long Crossing", "Foghorn Waltz"}},
      {"Mira Sol", "Copper Sky", "2021", "Pop",
       {"Sunday Static", "Glass Garden", "Copper Sky", "Runaway Summer"}},
      {"Delta Nine", "Signals", "2016", "Electronic",
       {"Carrier Wave", "Morse", "Night Shift", "Relay", "Last Transmission"}},
  };
  return albums;
}

void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: songloom_sample_library FOLDER [TRACKS]\n");
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  const int wanted = argc > 2 ? std::atoi(argv[2]) : 14;
  std::string m3u = "#EXTM3U\r\n";
  int written = 0;
  for (int round = 0; written < wanted; ++round) {
    for (const Album& album : Albums()) {
      for (std::size_t i = 0; i < album.tracks.size() && written < wanted; ++i, ++written) {
        const std::string title = round == 0 ? album.tracks[i]
                                             : std::string(album.tracks[i]) + " (" +
                                                   std::to_string(round + 1) + ")";
        const std::string name =
            (i < 9 ? "0" : "") + std::to_string(i + 1) + " " + title + ".mp3";
        const auto path = folder / album.artist / album.title / name;
        XingFields xing;
        xing.frames = 6500 + 977 * ((written * 7) % 11);  // 2:50 to 6:43
        xing.bytes = static_cast<std::int64_t>(xing.frames) * 626;
        const std::string audio = XingFrame(MpegFrame{}, xing) + Mp3Frames(MpegFrame{}, 8);
        WriteFile(path, Id3v23TextTag({title, album.artist, album.title, album.year, album.genre,
                                       ""}) +
                            audio);
        m3u += "#EXTINF: 0," + std::string(album.artist) + " - " + title + "\r\n" +
               path.string() + "\r\n";
      }
    }
  }
  WriteFile(folder / "Sample Mix.m3u", m3u);
  std::printf("%s\n", (folder / "Sample Mix.m3u").string().c_str());
  return 0;
}
