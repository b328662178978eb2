#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "metadata/ID3v2.h"
#include "metadata/ID3v2Format.h"
#include "metadata/TextCodec.h"
#include "support/FaultyFileSystem.h"
#include "support/TagBuilder.h"
#include "support/TempDir.h"
#include "support/TestData.h"

namespace {

using namespace std::string_literals;

const std::string kAudio(200, '\x55');

std::string Text23(std::string_view id, std::string_view text) {
  return Id3v2Frame23(id, Id3v2TextPayload(text));
}

// Loads a tag from bytes written to a fresh file.
struct Loaded {
  TempDir dir;
  TID3v2 tag;
  bool result = false;
  explicit Loaded(const std::string& bytes) { result = tag.LoadTag(dir.write("a.mp3", bytes)); }
};

TEST(ID3v2, ReadsTheTwelveFramesOfAVersion23Tag) {
  const std::string body =
      Text23("TIT2", "Title") + Text23("TPE1", "Artist") + Text23("TALB", "Album") +
      Text23("TRCK", "5/12") + Text23("TYER", "1999") + Text23("TCON", "(17)Rock") +
      Id3v2Frame23("COMM", "\0engdesc\0Comment"s) + Text23("TCOM", "Composer") +
      Text23("TENC", "Encoder") + Text23("TCOP", "(c) Me") + Text23("TLAN", "eng") +
      Id3v2Frame23("WXXX", "\0\0http://x.y"s);
  Loaded loaded(Id3v2Tag(3, body, 0, 50) + kAudio);
  const TID3v2& tag = loaded.tag;
  ASSERT_TRUE(loaded.result);
  EXPECT_TRUE(tag.exists());
  EXPECT_EQ(tag.versionId(), 3);
  EXPECT_EQ(tag.tagSize(), static_cast<std::int64_t>(10 + body.size() + 50));
  EXPECT_EQ(tag.title(), "Title");
  EXPECT_EQ(tag.artist(), "Artist");
  EXPECT_EQ(tag.album(), "Album");
  EXPECT_EQ(tag.track(), 5);
  EXPECT_EQ(tag.year(), "1999");
  EXPECT_EQ(tag.genre(), "Rock");
  EXPECT_EQ(tag.comment(), "Comment");
  EXPECT_EQ(tag.composer(), "Composer");
  EXPECT_EQ(tag.encodedBy(), "Encoder");
  EXPECT_EQ(tag.copyright(), "(c) Me");
  EXPECT_EQ(tag.language(), "eng");
  EXPECT_EQ(tag.link(), "http://x.y");
}

struct HeaderCase {
  const char* name;
  std::string bytes;
  bool result;
  bool exists;
  int version;
  std::int64_t tagSize;
  std::string title;
};

TEST(ID3v2, HeaderDecidesWhatIsRead) {
  const std::string title = Text23("TIT2", "T");  // 12 bytes
  const std::vector<HeaderCase> cases = {
      {"no tag", "xyz" + std::string(300, '\0'), true, false, 0, 0, ""},
      {"nine bytes", "ID3\3\0\0\0\0\0"s, false, false, 0, 0, ""},
      {"empty tag", Id3v2Tag(3, "") + kAudio, true, true, 3, 10, ""},
      {"size bits 7 taken whole", "ID3\3\0\0\0\0\x01\x80"s + title + std::string(244, '\0'), true,
       true, 3, 266, "T"},
      {"declared size past the end", "ID3\3\0\0\0\0\x7F\x7F"s + title + kAudio, true, true, 3, 0,
       ""},
      {"tag as large as the file", Id3v2Tag(3, title), true, true, 3, 22, "T"},
      {"unknown version", Id3v2Tag(5, title) + kAudio, true, true, 5, 22, ""},
      {"version 2.2 compression", Id3v2Tag(2, Id3v2Frame22("TT2", "\0T"s), 0x40) + kAudio, true,
       true, 2, 18, ""},
  };
  for (const auto& c : cases) {
    Loaded loaded(c.bytes);
    EXPECT_EQ(loaded.result, c.result) << c.name;
    EXPECT_EQ(loaded.tag.exists(), c.exists) << c.name;
    EXPECT_EQ(loaded.tag.versionId(), c.version) << c.name;
    EXPECT_EQ(loaded.tag.tagSize(), c.tagSize) << c.name;
    EXPECT_EQ(loaded.tag.title(), c.title) << c.name;
  }
}

struct FramesCase {
  const char* name;
  std::string tag;
  std::string title;
  std::string artist;
};

TEST(ID3v2, FrameLoop) {
  const std::string artist = Text23("TPE1", "Artist");
  const std::string long600 = std::string(300, 'x') + std::string(300, 'y');
  const std::vector<FramesCase> cases = {
      {"the last of two frames wins",
       Id3v2Tag(3, Text23("TIT2", "First") + artist + Text23("TIT2", "Second")), "Second",
       "Artist"},
      {"a 600-byte frame keeps 250 bytes and the next is found",
       Id3v2Tag(3, Text23("TIT2", long600) + artist), std::string(249, 'x'), "Artist"},
      {"padding ends the frames", Id3v2Tag(3, Text23("TIT2", "T") + std::string(4, '\0') + artist),
       "T", ""},
      {"a lower-case id ends the frames", Id3v2Tag(3, Text23("TIT2", "T") + "tPE1" + artist), "T",
       ""},
      {"unknown frames are skipped",
       Id3v2Tag(3, Id3v2Frame23("APIC", std::string(5000, '\xFF')) + Text23("TIT2", "T") + artist),
       "T", "Artist"},
      {"a frame past the tag's end is cut there",
       Id3v2Tag(3, artist + "TIT2" + BigEndian32(100) + "\0\0\0Ti"s) + "\xFF\xFB audio"s, "Ti",
       "Artist"},
      {"compressed and encrypted frames yield nothing",
       Id3v2Tag(3, Text23("TIT2", "Plain") + Id3v2Frame23("TIT2", "\0Packed"s, 0x0080) +
                       Id3v2Frame23("TPE1", "\0Secret"s, 0x0040)),
       "Plain", ""},
      {"a grouped frame loses its group byte",
       Id3v2Tag(3, Id3v2Frame23("TIT2", "\x07\0Grouped"s, 0x0020)), "Grouped", ""},
      {"the status flags change nothing", Id3v2Tag(3, Id3v2Frame23("TIT2", "\0Kept"s, 0xE000)),
       "Kept", ""},
      {"a frame of size 0", Id3v2Tag(3, Id3v2Frame23("TIT2", "") + artist), "", "Artist"},
  };
  for (const auto& c : cases) {
    Loaded loaded(c.tag + kAudio);
    EXPECT_EQ(loaded.tag.title(), c.title) << c.name;
    EXPECT_EQ(loaded.tag.artist(), c.artist) << c.name;
  }
}

TEST(ID3v2, ExtendedHeadersAreSkippedWhenWellFormed) {
  const std::string frames = Text23("TIT2", "Title");
  const std::string frames24 = Id3v2Frame24("TIT2", "\x03Title"s);
  const std::vector<FramesCase> cases = {
      {"2.3 of size 6", Id3v2Tag(3, BigEndian32(6) + std::string(6, '\0') + frames, 0x40), "Title",
       ""},
      {"2.3 with CRC", Id3v2Tag(3, BigEndian32(10) + std::string(10, '\x01') + frames, 0x40),
       "Title", ""},
      {"2.3 flag without header", Id3v2Tag(3, frames, 0x40), "Title", ""},
      {"2.4 with CRC",
       Id3v2Tag(4, Syncsafe(12) + "\x01\x20\x05" + std::string("abcde") + frames24, 0x40), "Title",
       ""},
      {"2.4 flag without header", Id3v2Tag(4, frames24, 0x40), "Title", ""},
      {"2.4 size past the tag", Id3v2Tag(4, Syncsafe(90) + "\x01\0"s + frames24, 0x40), "", ""},
  };
  for (const auto& c : cases) {
    Loaded loaded(c.tag + kAudio);
    EXPECT_EQ(loaded.tag.title(), c.title) << c.name;
  }
}

TEST(ID3v2, Version22And24FramesAreRead) {
  {
    Loaded loaded(Id3v2Tag(2, Id3v2Frame22("TT2", "\0Title"s) + Id3v2Frame22("TP1", "\0Artist"s) +
                                  Id3v2Frame22("TRK", Id3v2TextPayload("3/9")) +
                                  Id3v2Frame22("COM", "\0eng\0Note"s) +
                                  Id3v2Frame22("WXX", "\0\0http://a"s) +
                                  Id3v2Frame22("TYE", Id3v2TextPayload("2001"))) +
                  kAudio);
    EXPECT_EQ(loaded.tag.versionId(), 2);
    EXPECT_EQ(loaded.tag.title(), "Title");
    EXPECT_EQ(loaded.tag.artist(), "Artist");
    EXPECT_EQ(loaded.tag.track(), 3);
    EXPECT_EQ(loaded.tag.comment(), "Note");
    EXPECT_EQ(loaded.tag.link(), "http://a");
    EXPECT_EQ(loaded.tag.year(), "2001");
  }
  {
    const std::string longTitle(200, 't');  // a size above 127 shows the 7-bit groups
    Loaded loaded(Id3v2Tag(4, Id3v2Frame24("TIT2", "\x03"s + longTitle) +
                                  Id3v2Frame24("TDRC", Id3v2TextPayload("2004-05-06", 3)) +
                                  Id3v2Frame24("TPE1", Id3v2TextPayload("Artist", 3))) +
                  kAudio);
    EXPECT_EQ(loaded.tag.versionId(), 4);
    EXPECT_EQ(loaded.tag.title(), longTitle);
    EXPECT_EQ(loaded.tag.year(), "2004-05-06");  // the whole recording time
    EXPECT_EQ(loaded.tag.artist(), "Artist");
  }
}

// The bytes with a zero inserted after every 0xFF, as an unsynchronised tag holds them.
std::string Unsynchronise(std::string_view bytes) {
  std::string out;
  for (char c : bytes) {
    out += c;
    if (c == '\xFF') out += '\0';
  }
  return out;
}

TEST(ID3v2, UnsynchronisedTagsAreDecodedBeforeTheFramesAreRead) {
  const std::string title = Id3v2TextPayload("\xFF\xFE" + Utf16Le("a\xFFz"), 1);  // an 0xFF byte
  const std::string body = Id3v2Frame23("TIT2", title) + Text23("TPE1", "\xFF\xE0");
  Loaded loaded(Id3v2Tag(3, Unsynchronise(body), 0x80) + kAudio);
  EXPECT_EQ(loaded.tag.title(), "a\xC3\xBFz");
  EXPECT_EQ(loaded.tag.artist(), "\xC3\xBF\xC3\xA0");

  // Version 2.4 marks unsynchronisation per frame, with the sizes as stored.
  const std::string stored = Unsynchronise("\0\xFF\xFF!"s);
  Loaded v24(Id3v2Tag(4, Id3v2Frame24("TIT2", stored, 0x0002) +
                             Id3v2Frame24("TPE1", Syncsafe(7) + "\0Artist"s, 0x0001)) +
             kAudio);
  EXPECT_EQ(v24.tag.title(), "\xC3\xBF\xC3\xBF!");
  EXPECT_EQ(v24.tag.artist(), "Artist");  // after the data length indicator
}

// A file in memory that counts what is read of it.
class CountingFile : public platform::ReadFile {
 public:
  explicit CountingFile(std::string bytes) : bytes_(std::move(bytes)) {}
  std::int64_t size() const override { return static_cast<std::int64_t>(bytes_.size()); }
  std::int64_t readAt(std::int64_t offset, void* buffer, std::size_t n) override {
    ++reads;
    if (offset < 0) return -1;
    const auto start = std::min(bytes_.size(), static_cast<std::size_t>(offset));
    const std::size_t count = std::min(n, bytes_.size() - start);
    std::memcpy(buffer, bytes_.data() + start, count);
    bytesRead += static_cast<std::int64_t>(count);
    return static_cast<std::int64_t>(count);
  }
  int reads = 0;
  std::int64_t bytesRead = 0;

 private:
  std::string bytes_;
};

TEST(ID3v2, LargePayloadsAreSkippedNotRead) {
  const std::string picture = Id3v2Frame23("APIC", std::string(100000, '\xFF'));
  CountingFile file(Id3v2Tag(3,
                             Text23("TIT2", "T") + picture + Text23("TPE1", "A") +
                                 Id3v2Frame23("PRIV", std::string(8000, 'p')) + Text23("TALB", "B"),
                             0, 1000) +
                    kAudio);
  TID3v2 tag;
  ASSERT_TRUE(tag.LoadTag(file));
  EXPECT_EQ(tag.title(), "T");
  EXPECT_EQ(tag.artist(), "A");
  EXPECT_EQ(tag.album(), "B");
  EXPECT_LE(file.reads, 3);
  EXPECT_LE(file.bytesRead, 3 * 4096);
}

// Random frames of the twelve with random flags, payloads and a few bytes
// overwritten anywhere (sizes and ids included): never a crash, always UTF-8.
TEST(ID3v2, HostileBytesGiveValidTextsAndStoreSafely) {
  std::mt19937 random(20240601);
  const auto byte = [&random] { return static_cast<char>(random() & 0xFF); };
  for (int round = 0; round < 400; ++round) {
    std::string body;
    for (int frames = static_cast<int>(random() % 6); frames > 0; --frames) {
      std::string payload(random() % 600, '\0');
      for (char& c : payload) c = byte();
      const auto id = ID3v2FrameIds[random() % ID3v2FrameIds.size()];
      body += Id3v2Frame23(id, payload, static_cast<std::uint16_t>(random()));
    }
    for (int i = 0; i < 4 && !body.empty(); ++i) body[random() % body.size()] = byte();
    const auto major = static_cast<std::uint8_t>(2 + random() % 3);
    const std::string bytes = Id3v2Tag(major, body, static_cast<std::uint8_t>(random())) + kAudio;
    CountingFile file(bytes);
    TID3v2 tag;
    ASSERT_TRUE(tag.LoadTag(file));
    for (const std::string* text :
         {&tag.title(), &tag.artist(), &tag.album(), &tag.year(), &tag.genre(), &tag.comment(),
          &tag.composer(), &tag.encodedBy(), &tag.copyright(), &tag.language(), &tag.link()}) {
      EXPECT_EQ(SanitizeUtf8(*text), *text) << round;
    }
    if (round % 40 == 0) {
      TempDir dir;
      const auto path = dir.write("a.mp3", bytes);
      ASSERT_TRUE(tag.LoadTag(path));
      ASSERT_TRUE(tag.StoreTag(path)) << round;
      EXPECT_TRUE(ReadFileBytes(path).ends_with(kAudio)) << round;
    }
  }
}

TEST(ID3v2, ReadErrorsGiveFalseAndAClearedObject) {
  TempDir dir;
  const auto path = dir.write("a.mp3", Id3v2Tag(3, Text23("TIT2", "T")) + kAudio);
  FaultyFileSystem fs;
  TID3v2 tag(fs);
  ASSERT_TRUE(tag.LoadTag(path));
  EXPECT_EQ(tag.title(), "T");
  fs.failRead = true;
  EXPECT_FALSE(tag.LoadTag(path));
  EXPECT_FALSE(tag.exists());
  EXPECT_EQ(tag.title(), "");
  fs.failRead = false;
  fs.failOpenRead = true;
  EXPECT_FALSE(tag.LoadTag(path));
}

TEST(ID3v2, TrimTextAndSetters) {
  EXPECT_EQ(TrimText(" \t\x01 a b \0\x1F"s), "a b");
  EXPECT_EQ(TrimText("\xC3\xA4 "), "\xC3\xA4");
  EXPECT_EQ(TrimText("  "), "");
  TID3v2 tag;
  tag.SetTitle("  Title\n");
  tag.SetArtist("\0Artist"s);
  tag.SetAlbum(" Album ");
  tag.SetYear("1999 ");
  tag.SetGenre(" Rock");
  tag.SetComment("Note\r\n");
  EXPECT_EQ(tag.title(), "Title");
  EXPECT_EQ(tag.artist(), "Artist");
  EXPECT_EQ(tag.album(), "Album");
  EXPECT_EQ(tag.year(), "1999");
  EXPECT_EQ(tag.genre(), "Rock");
  EXPECT_EQ(tag.comment(), "Note");
  tag.Clear();
  EXPECT_EQ(tag.title(), "");
  EXPECT_EQ(tag.versionId(), 0);
}

// Runs of repeated letters, as the long texts of the peer files are made of.
std::string Runs(std::initializer_list<std::pair<char, int>> runs) {
  std::string out;
  for (const auto& [c, n] : runs) out.append(static_cast<std::size_t>(n), c);
  return out;
}

struct PeerCase {
  const char* file;
  int version;
  std::int64_t tagSize;
  std::string title, artist, album;
  int track;
  std::string year, genre, comment;
};

TEST(ID3v2, PeerFiles) {
  SKIP_WITHOUT_PEER_DATA();
  const std::string longPrefix =
      Runs({{'a', 23}, {' ', 1}, {'v', 17}, {'e', 6}, {'r', 16}, {'y', 13}}) +
      Runs({{' ', 1}, {'l', 1}, {'o', 30}, {'n', 6}, {'g', 13}, {' ', 1}});
  const std::vector<PeerCase> cases = {
      {"id3v22-test.mp3", 2, 2225, "cosmic american", "Anais Mitchell", "Hymns for the Exiled", 3,
       "2004", "", "3"},
      {"too-short.mp3", 2, 2147, "Track 10", "Hieroglyph", "Hieroglyph", 10, "", "", "10"},
      // Two TPE1 frames: the second wins.
      {"silence-44-s.mp3", 3, 1314, "Silence", "jzig", "Quod Libet Test Data", 2, "2004", "Silence",
       ""},
      {"97-unknown-23-update.mp3", 3, 1314,
       longPrefix + Runs({{'t', 16}, {'i', 14}, {'t', 10}, {'l', 15}, {'e', 19}}),
       longPrefix + "artist name", "", 0, "", "", ""},
      {"bad-TYER-frame.mp3", 3, 1167,
       "This track has an invalid TYER frame, that used to be able to break Mutagen", "", "", 0,
       "\xC3\xBE\xC3\xBF", "", ""},
      {"vbri.mp3", 3, 1007, "I Can Walk On Water I Can Fly", "Basshunter",
       "I Can Walk On Water I Can Fly", 1, "2007", "Dance", "Ripped by THSLIVE"},
      {"bad-xing.mp3", 3, 1582, "09-28-2001", "Ito Kazunori", "Patlabor CD Box Deluxe Disc 3", 12,
       "1992", "Anime", "Furukawa Toshio, Tominaga Miina, Ikemizu Michihiro, Gouri Daisuke"},
      {"id3v23_unsynch.id3", 3, 186, "My babe just cares for me", "Nina Simone", "100% Jazz", 3, "",
       "", ""},
      {"bad-POPM-frame.mp3", 4, 1562, "Emit and exude", "she", "emit and exude", 4, "2004", "12",
       "h\xC3\xA4st"},
      // The extended-header flag is set but no extended header follows.
      {"issue_21.id3", 4, 256, "Punk To Funk", "FatBoy Slim", "Better Living Through Chemistr", 9,
       "1996", "Bigbeat", ""},
      {"id3v24_extended_header.id3", 4, 194, "One Second of Silence", "Snild Dolkow",
       "Mutagen Bug Reports", 1, "2023", "", "This is a comment!"},
      {"id3v1v2-combined.mp3", 4, 2225, "cosmic american", "Anais Mitchell", "", 3, "2004", "",
       "9D09130B+174405+11+150+14097+27391+43983+65786+84877+99399+113226+132452+146426+163829"},
      {"apev2-lyricsv2.mp3", 4, 1280, "A song", "Auth", "", 0, "", "35", ""},
      {"no-tags.mp3", 0, 0, "", "", "", 0, "", "", ""},
  };
  for (const auto& c : cases) {
    TID3v2 tag;
    ASSERT_TRUE(tag.LoadTag(PeerDataDir() + "/" + c.file)) << c.file;
    EXPECT_EQ(tag.exists(), c.version != 0) << c.file;
    EXPECT_EQ(tag.versionId(), c.version) << c.file;
    EXPECT_EQ(tag.tagSize(), c.tagSize) << c.file;
    EXPECT_EQ(tag.title(), c.title) << c.file;
    EXPECT_EQ(tag.artist(), c.artist) << c.file;
    EXPECT_EQ(tag.album(), c.album) << c.file;
    EXPECT_EQ(tag.track(), c.track) << c.file;
    EXPECT_EQ(tag.year(), c.year) << c.file;
    EXPECT_EQ(tag.genre(), c.genre) << c.file;
    EXPECT_EQ(tag.comment(), c.comment) << c.file;
  }
}

TEST(ID3v2, PeerFileFramesBesideTheSix) {
  SKIP_WITHOUT_PEER_DATA();
  TID3v2 tag;
  ASSERT_TRUE(tag.LoadTag(PeerDataDir() + "/bad-POPM-frame.mp3"));
  EXPECT_EQ(tag.composer(), "pjat lain");
  EXPECT_EQ(tag.encodedBy(), "");
  EXPECT_EQ(tag.link(), "");
  ASSERT_TRUE(tag.LoadTag(PeerDataDir() + "/id3v22-test.mp3"));
  EXPECT_EQ(tag.encodedBy(), "iTunes v4.6");
}

}  // namespace
