#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "metadata/MPEGaudio.h"
#include "metadata/TrackInfo.h"
#include "support/FaultyFileSystem.h"
#include "support/Mp3Builder.h"
#include "support/TagBuilder.h"
#include "support/TempDir.h"
#include "support/TestData.h"

namespace {

const MpegFrame kCbr128{};
const std::string kFrames = Mp3Frames(kCbr128, 10);  // 4170 bytes, 0.260625 s

std::string Id3v24Tag(const std::string& title, const std::string& artist) {
  return Id3v2Tag(4, Id3v2Frame24("TIT2", Id3v2TextPayload(title)) +
                         Id3v2Frame24("TPE1", Id3v2TextPayload(artist)));
}

const std::string kV1 =
    Id3v1Block({"v1 title", "v1 artist", "v1 album", "1999", "v1 comment", -1, 17});

struct TextsOf {
  std::string title{}, artist{}, album{}, year{}, genre{}, comment{};
};

void ExpectTexts(const recMP3Info& info, const TextsOf& texts) {
  EXPECT_EQ(info.title, texts.title);
  EXPECT_EQ(info.artist, texts.artist);
  EXPECT_EQ(info.album, texts.album);
  EXPECT_EQ(info.year, texts.year);
  EXPECT_EQ(info.genre, texts.genre);
  EXPECT_EQ(info.comment, texts.comment);
}

class ReadTrackInfoTest : public testing::Test {
 protected:
  recMP3Info Read(const std::string& bytes) {
    recMP3Info info;
    ReadTrackInfo(analyser, dir.write("t.mp3", bytes), info);
    return info;
  }

  TempDir dir;
  TMPEGaudio analyser;
};

TEST_F(ReadTrackInfoTest, TextsComeFromOneTag) {
  const std::string v23 = Id3v23TextTag({.title = "T",
                                         .artist = "A",
                                         .album = "Al",
                                         .year = "2004",
                                         .genre = "(17)Rock",
                                         .comment = "C"});
  const TextsOf v1Texts{"v1 title", "v1 artist", "v1 album", "1999", "Rock", "v1 comment"};
  struct Case {
    const char* what;
    std::string bytes;
    TextsOf texts;
  };
  const std::vector<Case> cases = {
      {"2.3 tag and ID3v1: the 2.3 tag only",
       v23 + kFrames + kV1,
       {"T", "A", "Al", "2004", "Rock", "C"}},
      {"2.4 tag and ID3v1: the 2.4 tag only",
       Id3v24Tag("T4", "A4") + kFrames + kV1,
       {"T4", "A4", "", "", "", ""}},
      {"ID3v1 only, genre byte 17", kFrames + kV1, v1Texts},
      {"ID3v1 genre byte 148 has no name",
       kFrames + Id3v1Block({"x", "", "", "", "", -1, 148}),
       {"x", "", "", "", "", ""}},
      {"no tag", kFrames, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const recMP3Info info = Read(c.bytes);
    ExpectTexts(info, c.texts);
    EXPECT_EQ(info.size, static_cast<std::int64_t>(c.bytes.size()));
    EXPECT_EQ(info.bitrate, 128);
  }
}

TEST_F(ReadTrackInfoTest, StreamFiguresComeFromTheAnalyser) {
  const std::string v23 = Id3v23TextTag({.title = "T"});
  const recMP3Info info =
      Read(v23 + XingFrame(kCbr128, {.frames = 1000, .bytes = 400000}) + kFrames + kV1);
  EXPECT_DOUBLE_EQ(info.duration, 1000 * 1152 / 44100.0);
  EXPECT_EQ(info.bitrate, 122);
  EXPECT_EQ(info.size, static_cast<std::int64_t>(v23.size() + 417 + 4170 + 128));
}

TEST_F(ReadTrackInfoTest, EveryFieldIsOverwrittenWithZerosWhenNothingIsFound) {
  const std::vector<std::pair<const char*, std::string>> cases = {
      {"text file named .mp3", std::string(300, 'x') + "\nsome text\n"},
      {"tags without frames", Id3v23TextTag({.title = "T"}) + std::string(5000, '\0') + kV1},
      {"shorter than an ID3v1 block", kFrames.substr(0, 127)},
  };
  for (const auto& [what, bytes] : cases) {
    SCOPED_TRACE(what);
    recMP3Info info{1.5, 128, 4000, "t", "a", "al", "y", "g", "c"};
    ReadTrackInfo(analyser, dir.write("t.mp3", bytes), info);
    EXPECT_EQ(info.duration, 0.0);
    EXPECT_EQ(info.bitrate, 0);
    EXPECT_EQ(info.size, 0);
    ExpectTexts(info, {});
  }
}

TEST_F(ReadTrackInfoTest, UnreadableFileGivesAnAllZeroRecord) {
  const std::string path = dir.write("t.mp3", kFrames + kV1);
  FaultyFileSystem fs;
  fs.failRead = true;
  TMPEGaudio faulty(fs);
  recMP3Info info{1.5, 128, 4000, "t", "a", "al", "y", "g", "c"};
  ReadTrackInfo(faulty, path, info);
  EXPECT_EQ(info.size, 0);
  EXPECT_EQ(info.duration, 0.0);
  ExpectTexts(info, {});
  ReadTrackInfo(analyser, dir.file("missing.mp3"), info);
  EXPECT_EQ(info.bitrate, 0);
}

TEST(ComposeTrackNameTest, ArtistAndTitleElseTheBareFileName) {
  struct Case {
    std::string artist, title, fileName, expected;
  };
  const std::vector<Case> cases = {
      {"A", "T", "/m/x.mp3", "A - T"},   {"A", "", "/m/x.mp3", "A - "},
      {"", "T", "/m/x.mp3", " - T"},     {"", "", "/music/01 Song.mp3", "01 Song"},
      {"", "", "/music/x.y.mp3", "x.y"}, {"", "", "/music.d/noext", "noext"},
      {"", "", "plain.mp3", "plain"},
  };
  for (const Case& c : cases) {
    recMP3Info info;
    info.artist = c.artist;
    info.title = c.title;
    EXPECT_EQ(ComposeTrackName(info, c.fileName), c.expected) << c.fileName;
  }
}

// Real files made by other programs. The figures are this program's own
// rules applied to the bytes (see each comment), not what other readers report.
TEST(ReadTrackInfoPeerDataTest, EveryFileReadsAsWorkedOut) {
  SKIP_WITHOUT_PEER_DATA();
  // The 202- and 139-character texts of 97-unknown-23-update.mp3.
  const std::string longStart = std::string(23, 'a') + " " + std::string(17, 'v') +
                                std::string(6, 'e') + std::string(16, 'r') + std::string(13, 'y') +
                                " l" + std::string(30, 'o') + std::string(6, 'n') +
                                std::string(13, 'g') + " ";
  const std::string longTitle = longStart + std::string(16, 't') + std::string(14, 'i') +
                                std::string(10, 't') + std::string(15, 'l') + std::string(19, 'e');
  struct Case {
    const char* file;
    const char* duration;  // seconds, 3 decimals
    std::int32_t bitrate;
    std::int64_t size;
    std::string title, artist, album, year, genre;
  };
  const std::vector<Case> cases = {
      // CBR 32k, frames right after a 1314-byte 2.3 tag: 15070 * 8 / 32000.
      {"97-unknown-23-update.mp3", "3.768", 32, 16384, longTitle, longStart + "artist name", "", "",
       ""},
      // "Info" is no Xing header: CBR 192k over 49898 - 1280 bytes (the LAME count is ignored).
      {"apev2-lyricsv2.mp3", "2.026", 192, 49898, "A song", "Auth", "", "", "35"},
      // MPEG 2 16 kHz, Xing 30 frames / 2556 bytes: 85.2 x 16000 / 72 / 1000 = 18.9.
      {"audacious-trailing-id32-apev2.mp3", "1.080", 19, 2906, "", "", "", "", ""},
      // The last 128 bytes are no ID3v1 tag: no texts. CBR 32k over the whole file.
      {"audacious-trailing-id32-id31.mp3", "3.818", 32, 15272, "", "", "", "", ""},
      // Truncated: Xing counts 7230 frames / 3015142 bytes.
      {"bad-POPM-frame.mp3", "188.865", 128, 2000, "Emit and exude", "she", "emit and exude",
       "2004", "12"},
      {"bad-TYER-frame.mp3", "0.944", 320, 38912,
       "This track has an invalid TYER frame, that used to be able to break Mutagen", "", "",
       "\xC3\xBE\xC3\xBF", ""},  // the year is the Latin-1 bytes FE FF
      // Xing frame count 0: table bit rate 48k over 4096 - 1582 bytes.
      {"bad-xing.mp3", "0.419", 48, 4096, "09-28-2001", "Ito Kazunori",
       "Patlabor CD Box Deluxe Disc 3", "1992", "Anime"},
      {"emptyfile.mp3", "0.000", 0, 0, "", "", "", "", ""},
      // The album lies only in the ID3v1 tag, which a 2.4 tag hides.
      {"id3v1v2-combined.mp3", "0.151", 160, 5248, "cosmic american", "Anais Mitchell", "", "2004",
       ""},
      {"id3v22-test.mp3", "0.145", 160, 5120, "cosmic american", "Anais Mitchell",
       "Hymns for the Exiled", "2004", ""},
      {"id3v23_unsynch.id3", "0.000", 0, 0, "", "", "", "", ""},
      {"id3v24_extended_header.id3", "0.000", 0, 0, "", "", "", "", ""},
      // The tag declares 256 bytes; the audio starts 835 bytes later.
      {"issue_21.id3", "0.990", 256, 32768, "Punk To Funk", "FatBoy Slim",
       "Better Living Through Chemistr", "1996", "Bigbeat"},
      // "Info" header: CBR 128k over the whole file.
      {"lame-peak.mp3", "0.131", 128, 2088, "", "", "", "", ""},
      // Xing 4 frames / 2086 bytes: 521.5 x 44100 / 144 / 1000 = 159.7.
      {"lame.mp3", "0.104", 160, 2086, "", "", "", "", ""},
      {"lame397v9short.mp3", "0.072", 61, 552, "", "", "", "", ""},
      {"no-tags.mp3", "0.104", 192, 2504, "", "", "", "", ""},
      {"silence-44-s-mpeg2.mp3", "3.768", 18, 8568, "", "", "", "", ""},
      {"silence-44-s-mpeg25.mp3", "3.840", 9, 4464, "", "", "", "", ""},
      {"silence-44-s-v1.mp3", "3.768", 32, 15070, "Silence", "piman", "Quod Libet Test Data",
       "2004", "Darkwave"},
      // Two TPE1 frames: the later one counts.
      {"silence-44-s.mp3", "3.768", 32, 16384, "Silence", "jzig", "Quod Libet Test Data", "2004",
       "Silence"},
      // One frame after the 2.2 tag and nothing after it: no pair, nothing shown.
      {"too-short.mp3", "0.000", 0, 0, "", "", "", "", ""},
      // VBRI 8506 frames / 6478737 bytes: 761.7 x 44100 / 144 / 1000 = 233.3.
      {"vbri.mp3", "222.198", 233, 8192, "I Can Walk On Water I Can Fly", "Basshunter",
       "I Can Walk On Water I Can Fly", "2007", "Dance"},
      // No Xing header in the first frame after all: CBR 32k over the whole file.
      {"xing.mp3", "2.052", 32, 8208, "", "", "", "", ""},
  };
  TMPEGaudio analyser;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    recMP3Info info;
    ReadTrackInfo(analyser, PeerDataDir() + "/" + c.file, info);
    char duration[32];
    std::snprintf(duration, sizeof duration, "%.3f", info.duration);
    EXPECT_STREQ(duration, c.duration);
    EXPECT_EQ(info.bitrate, c.bitrate);
    EXPECT_EQ(info.size, c.size);
    EXPECT_EQ(info.title, c.title);
    EXPECT_EQ(info.artist, c.artist);
    EXPECT_EQ(info.album, c.album);
    EXPECT_EQ(info.year, c.year);
    EXPECT_EQ(info.genre, c.genre);
  }
}

}  // namespace
