// Writes the seed corpora of the fuzz targets, built byte by byte like the test fixtures:
//   songloom_fuzz_seeds FOLDER
// FOLDER/mp3: small MP3 files (CBR, Xing, VBRI, an encoder mark, ID3v1, ID3v2.2/2.3/2.4 tags with
// unsynchronisation and extended headers); FOLDER/id3v2: the tags alone; FOLDER/playlist: M3U and
// PLS files with Windows paths, #EXTINF lines, a byte order mark and the three kinds of line end.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "support/Mp3Builder.h"
#include "support/TagBuilder.h"

namespace {

using Seeds = std::vector<std::pair<std::string, std::string>>;  // file name, bytes

std::string Frames() { return Mp3Frames(MpegFrame{}, 4); }

std::string Utf16WithBom(std::string_view ascii) { return "\xFF\xFE" + Utf16Le(ascii); }

// A zero byte after every 0xFF, so no false frame sync appears.
std::string Unsynchronised(std::string_view bytes) {
  std::string out;
  for (const char c : bytes) {
    out += c;
    if (c == '\xFF') out += '\0';
  }
  return out;
}

// Frames that the tag object keeps as texts, and some it only carries over.
std::string Frames23() {
  return Id3v2Frame23("TIT2", Id3v2TextPayload("Harbour Lights")) +
         Id3v2Frame23("TPE1", Id3v2TextPayload(Utf16WithBom("The Lanterns"), 1)) +
         Id3v2Frame23("TALB", Id3v2TextPayload("Night Ferry")) +
         Id3v2Frame23("TRCK", Id3v2TextPayload("3/12")) +
         Id3v2Frame23("TYER", Id3v2TextPayload("2019")) +
         Id3v2Frame23("TCON", Id3v2TextPayload("(13)Pop")) +
         Id3v2Frame23("COMM", Id3v2TextPayload(std::string("eng\0Calm", 8))) +
         Id3v2Frame23("TCOM", Id3v2TextPayload("Composer")) +
         Id3v2Frame23("TENC", Id3v2TextPayload("Encoder")) +
         Id3v2Frame23("TCOP", Id3v2TextPayload("2019 Label")) +
         Id3v2Frame23("TLAN", Id3v2TextPayload("eng")) +
         Id3v2Frame23("WXXX", Id3v2TextPayload(std::string("\0http://example.org/", 20))) +
         Id3v2Frame23("TXXX", Id3v2TextPayload(std::string("MOOD\0calm", 9))) +
         Id3v2Frame23("PRIV", std::string("owner\0\x01\x02\x03", 9)) +
         Id3v2Frame23("TIT3", Id3v2TextPayload("grouped"), 0x0020);
}

std::string Frames24() {
  return Id3v2Frame24("TIT2", Id3v2TextPayload("Caf\xC3\xA9", 3)) +
         Id3v2Frame24("TPE1", Id3v2TextPayload("\0M\0i\0r\0a", 2)) +
         Id3v2Frame24("TDRC", Id3v2TextPayload("2021-05-01")) +
         Id3v2Frame24("TCON", Id3v2TextPayload(std::string("Pop\0Rock", 8), 3)) +
         // Unsynchronised on its own, with a data length indicator in front.
         Id3v2Frame24(
             "TALB",
             std::string("\0\0\0\x07", 4) + Unsynchronised(Id3v2TextPayload(Utf16WithBom("Al"), 1)),
             0x0003) +
         Id3v2Frame24("APIC", Id3v2TextPayload(std::string("image/png\0\x03"
                                                           "cover\0PNG",
                                                           20),
                                               3));
}

Seeds Tags() {
  return {
      {"v22", Id3v2Tag(2,
                       Id3v2Frame22("TT2", Id3v2TextPayload("Old")) +
                           Id3v2Frame22("TP1", Id3v2TextPayload("Artist")) +
                           Id3v2Frame22("COM", Id3v2TextPayload(std::string("eng\0c", 5))),
                       0, 16)},
      {"v23", Id3v2Tag(3, Frames23(), 0, 32)},
      {"v23-unsynchronised", Id3v2Tag(3, Unsynchronised(Frames23()), 0x80)},
      {"v23-extended-header",
       Id3v2Tag(3, BigEndian32(6) + std::string(6, '\0') + Frames23(), 0x40)},
      {"v23-picture", Id3v23TextTag({.title = "T", .artist = "A", .comment = "C"}, 300, 8)},
      {"v24", Id3v2Tag(4, Frames24(), 0, 16)},
      {"v24-extended-header",
       Id3v2Tag(4, Syncsafe(6) + "\x01" + std::string(1, '\0') + Frames24(), 0x40)},
      {"v24-unsynchronised", Id3v2Tag(4, Frames24(), 0x80)},
      {"v24-footer", Id3v2Tag(4, Frames24(), 0x10) + "3DI\x04" + std::string(6, '\0')},
      {"size-past-end", "ID3\x03" + std::string(2, '\0') + Syncsafe(100000) + Frames23()},
  };
}

Seeds Mp3Files() {
  const MpegFrame mpeg2Mono{
      .version = MpegVersion::Mpeg2, .kbps = 64, .hz = 22050, .channelMode = kMono};
  std::string marked = Frames();
  PutEncoderMark(marked, "LAME3.100", 40);
  Seeds seeds = {
      {"cbr.mp3", Frames()},
      {"mpeg2-mono.mp3", Mp3Frames(mpeg2Mono, 6)},
      {"mpeg25.mp3", Mp3Frames({.version = MpegVersion::Mpeg25, .kbps = 32, .hz = 11025}, 6)},
      {"layer2-padded.mp3", Mp3Frames({.layer = 2, .kbps = 192, .padding = true}, 4)},
      {"layer1.mp3", Mp3Frames({.layer = 1, .kbps = 256, .hz = 48000}, 4)},
      {"free-format.mp3", Mp3Frames({.kbps = 0, .length = 300}, 4)},
      {"junk-first.mp3", std::string(700, '\xFF') + Frames()},
      {"xing.mp3", XingFrame({}, {.frames = 500, .bytes = 209000, .quality = 60}) + Frames()},
      {"xing-mono-mpeg2.mp3", XingFrame(mpeg2Mono, {.frames = -2, .bytes = 0}) + Frames()},
      {"vbri.mp3", VbriFrame({}, {.bytes = 418000, .frames = 1000}) + Frames()},
      {"encoder-mark.mp3", marked},
      {"id3v1.mp3", Frames() + Id3v1Block({.title = "Title",
                                           .artist = "Artist",
                                           .album = "Album",
                                           .year = "1999",
                                           .comment = "Comment",
                                           .genre = 17})},
      {"id3v11.mp3", Frames() + Id3v1Block({.title = "Caf\xE9", .track = 7, .genre = 200})},
  };
  for (const auto& [name, tag] : Tags()) seeds.push_back({name + ".mp3", tag + Frames()});
  seeds.push_back({"v23-and-v1.mp3", Tags()[1].second + Frames() + Id3v1Block({.title = "V1"})});
  return seeds;
}

Seeds Playlists() {
  return {
      {"extm3u.m3u",
       "#EXTM3U\r\n#EXTINF:215,The Lanterns - Harbour Lights\r\nHarbour Lights.mp3\r\n"
       "#EXTINF:61,Mira Sol - Copper Sky\r\n/srv/music/Copper Sky.mp3\r\n"},
      {"windows.m3u",
       "#EXTM3U\r\n#EXTINF:100,Win\r\nC:\\Music\\Album\\01 Track.mp3\r\n..\\Other\\x.MP3\r\n"
       "sub\\y.mp3\r\nD:relative.mp3\r\n"},
      {"bom-lf.m3u", "\xEF\xBB\xBF#EXTM3U\n#EXTINF:5,Caf\xC3\xA9 \xE2\x80\x93 Bom\nbom.mp3\n"},
      {"cr-only.m3u", "#EXTM3U\r#EXTINF:1,Mac\rmac.mp3\rsub/other.mp3\r"},
      {"missing.m3u", "missing.mp3x\nnotes.txt\nsub/\n\nlast.mp3"},
      {"bar-in-name.m3u", "#EXTINF:3,A|B\r\nbar.mp3\r\n#EXTINF:4\r\nno-comma.mp3\r\n"},
      {"playlist.pls",
       "[playlist]\r\nFile1=C:\\Music\\one.mp3\r\nTitle1=One\r\nLength1=100\r\n"
       "File2=two.mp3\r\nTitle2=Two\r\nLength2=-1\r\nNumberOfEntries=2\r\nVersion=2\r\n"},
  };
}

bool WriteSeeds(const std::filesystem::path& folder, const Seeds& seeds) {
  std::filesystem::create_directories(folder);
  for (const auto& [name, bytes] : seeds) {
    std::ofstream out(folder / name, std::ios::binary);
    out << bytes;
    if (!out.flush()) return false;
  }
  return true;
}

Seeds TagsAsFiles() {
  Seeds seeds = Tags();
  for (auto& [name, bytes] : seeds) name += ".tag";
  return seeds;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: songloom_fuzz_seeds FOLDER\n");
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  const bool ok = WriteSeeds(folder / "mp3", Mp3Files()) &&
                  WriteSeeds(folder / "id3v2", TagsAsFiles()) &&
                  WriteSeeds(folder / "playlist", Playlists());
  if (!ok) std::fprintf(stderr, "cannot write the seeds under %s\n", argv[1]);
  return ok ? 0 : 1;
}
