#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "metadata/MPEGaudio.h"
#include "support/FaultyFileSystem.h"
#include "support/Mp3Builder.h"
#include "support/TagBuilder.h"
#include "support/TempDir.h"

namespace {

using Window = std::array<std::uint8_t, TMPEGaudio::kWindowSize>;

const MpegFrame kCbr128{};  // MPEG 1 Layer III, 128 kbit/s, 44100 Hz: 417 bytes
const MpegFrame kMono128{.channelMode = kMono};
const MpegFrame kLongest{.layer = 2, .kbps = 384, .hz = 32000, .padding = true};  // 1729 bytes
const MpegFrame kLayer1At48k{.layer = 1, .kbps = 448, .hz = 48000};  // kbit/s = bytes per frame
const MpegFrame kMpeg2At24k{.version = MpegVersion::Mpeg2, .kbps = 64, .hz = 24000};

// A zero window with the given pieces placed at their offsets.
Window MakeWindow(const std::vector<std::pair<std::size_t, std::string>>& pieces) {
  Window window{};
  for (const auto& [offset, bytes] : pieces)
    std::memcpy(window.data() + offset, bytes.data(),
                std::min(bytes.size(), window.size() - offset));
  return window;
}

std::string Junk(std::size_t n) { return std::string(n, '\x11'); }

// The texts of a v1 block and of a 2.3 tag, to see that a file without frames shows neither.
std::string Id3v1Rock() { return Id3v1Block({"v1", "", "", "", "", -1, 17}); }
std::string Id3v23Titled() { return Id3v23TextTag({.title = "v2"}); }

TEST(IsValidFrameHeaderTest, AcceptsOnlyPlausibleHeaders) {
  struct Case {
    std::array<std::uint8_t, 4> b;
    bool valid;
    const char* what;
  };
  const std::vector<Case> cases = {
      {{0xFF, 0xFB, 0x90, 0x00}, true, "MPEG 1 Layer III"},
      {{0xFF, 0xFD, 0x90, 0xC0}, true, "MPEG 1 Layer II, mono"},
      {{0xFF, 0xFF, 0xEA, 0x01}, true, "MPEG 1 Layer I, padding, emphasis 1"},
      {{0xFF, 0xF3, 0x60, 0x03}, true, "MPEG 2 Layer III, emphasis 3"},
      {{0xFF, 0xE3, 0x18, 0x00}, true, "MPEG 2.5, index 1, rate 2"},
      {{0xFF, 0xFA, 0x90, 0x00}, true, "protection bit clear"},
      {{0xFE, 0xFB, 0x90, 0x00}, false, "first byte not 0xFF"},
      {{0xFF, 0xDB, 0x90, 0x00}, false, "only ten sync bits"},
      {{0xFF, 0xEB, 0x90, 0x00}, false, "reserved version 1"},
      {{0xFF, 0xF9, 0x90, 0x00}, false, "reserved layer 0"},
      {{0xFF, 0xFB, 0x00, 0x00}, false, "free format, bit-rate index 0"},
      {{0xFF, 0xFB, 0xF0, 0x00}, false, "bit-rate index 15"},
      {{0xFF, 0xFB, 0x9C, 0x00}, false, "sample-rate index 3"},
      {{0xFF, 0xFB, 0x90, 0x02}, false, "reserved emphasis 2"},
      {{0xFF, 0xFF, 0xFF, 0xFF}, false, "a run of 0xFF"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(IsValidFrameHeader(c.b[0], c.b[1], c.b[2], c.b[3]), c.valid) << c.what;
}

TEST(FindFirstFrameTest, StartPositionsAndWindowEnd) {
  const std::string small = Mp3Frames(kCbr128, 2);
  const std::string longest = Mp3Frames(kLongest, 2);
  struct Case {
    std::size_t at;
    std::string bytes;
    bool found;
    const char* what;
  };
  const std::vector<Case> cases = {
      {0, small, true, "pair at the window start"},
      {1729, small, true, "last start position"},
      {1730, small, false, "beyond the last start position"},
      {1725, longest, true, "1729-byte frame whose follower just fits"},
      {1726, longest, false, "follower header's last byte outside the window"},
      {1729, longest, false, "1729-byte frame whose follower lies outside the window"},
  };
  for (const Case& c : cases) {
    const Window window = MakeWindow({{c.at, c.bytes}});
    MPEGFrameInfo frame;
    VBRData vbr;
    EXPECT_EQ(FindFirstFrame(window.data(), frame, vbr), c.found) << c.what;
    EXPECT_EQ(frame.found, c.found) << c.what;
    if (c.found) {
      EXPECT_EQ(frame.position, static_cast<std::int32_t>(c.at)) << c.what;
    }
  }
}

TEST(FindFirstFrameTest, DecodesTheFirstPairAndReadsItsVbrHeader) {
  const Window window = MakeWindow({{100, Junk(4)},
                                    {200, XingFrame(kMono128, {.frames = 7, .bytes = 2919})},
                                    {617, Mp3Frames(kCbr128, 2)}});
  MPEGFrameInfo frame;
  VBRData vbr;
  ASSERT_TRUE(FindFirstFrame(window.data(), frame, vbr));
  EXPECT_EQ(frame.position, 200);
  EXPECT_EQ(frame.frameLength, 417);
  EXPECT_EQ(frame.channelMode, kMono);
  EXPECT_EQ(frame.headerBytes, (std::array<std::uint8_t, 4>{0xFF, 0xFB, 0x90, 0xC0}));
  EXPECT_TRUE(vbr.found) << "Xing header at 200 + 21";
  EXPECT_EQ(vbr.frameCount, 7);
}

TEST(ReadVBRHeaderTest, ReadsXingAndVbriFields) {
  const Window xing = MakeWindow({{0, XingFrame(kCbr128, {.frames = 0x01020304,
                                                          .bytes = 0x7FFFFFFE,
                                                          .quality = 57,
                                                          .encoder = "LAME3.99",
                                                          .flags = 0})}});
  const VBRData x = ReadVBRHeader(xing.data(), 36);
  EXPECT_TRUE(x.found);
  EXPECT_EQ(std::string(x.kind.data(), 4), "Xing");
  EXPECT_EQ(x.frameCount, 0x01020304) << "counts are read whatever the flags say";
  EXPECT_EQ(x.byteCount, 0x7FFFFFFE);
  EXPECT_EQ(x.quality, 57);
  EXPECT_EQ(x.encoderText, "LAME3.99");

  const Window vbri =
      MakeWindow({{0, VbriFrame(kCbr128, {.quality = 80, .bytes = 6478737, .frames = 8506})}});
  const VBRData v = ReadVBRHeader(vbri.data(), 36);
  EXPECT_TRUE(v.found);
  EXPECT_EQ(std::string(v.kind.data(), 4), "VBRI");
  EXPECT_EQ(v.quality, 80);
  EXPECT_EQ(v.byteCount, 6478737);
  EXPECT_EQ(v.frameCount, 8506);
  EXPECT_EQ(v.encoderText, "");

  const VBRData none = ReadVBRHeader(vbri.data(), 21);
  EXPECT_FALSE(none.found);
  EXPECT_EQ(none.kind, (std::array<char, 4>{}));
  EXPECT_EQ(none.frameCount, 0);
  EXPECT_FALSE(ReadVBRHeader(vbri.data(), TMPEGaudio::kWindowSize - 2).found) << "window end";
}

class AnalyzeFileTest : public testing::Test {
 protected:
  bool Analyze(const std::string& bytes) { return analyser.AnalyzeFile(dir.write("a.mp3", bytes)); }

  void ExpectCleared() {
    EXPECT_EQ(analyser.fileLength(), 0);
    EXPECT_EQ(analyser.BitRateKbps(), 0);
    EXPECT_EQ(analyser.DurationSeconds(), 0.0);
    EXPECT_FALSE(analyser.frame().found);
    EXPECT_EQ(analyser.frame().versionBits, 1);
    EXPECT_EQ(analyser.frame().sampleRateIndex, 3);
    EXPECT_EQ(analyser.frame().channelMode, 4);
    EXPECT_FALSE(analyser.vbr().found);
    EXPECT_EQ(analyser.encoderText(), "");
    EXPECT_FALSE(analyser.id3v1().exists());
    EXPECT_FALSE(analyser.id3v2().exists());
    EXPECT_EQ(analyser.id3v2().tagSize(), 0);
  }

  TempDir dir;
  TMPEGaudio analyser;
};

struct StreamCase {
  const char* what;
  std::string bytes;
  std::int32_t position;
  std::uint16_t kbps;
  double seconds;
  const char* vbrKind = "";
};

TEST_F(AnalyzeFileTest, FindsTheStreamAndMeasuresIt) {
  const std::string tag = Id3v23Titled();
  const std::string frames = Mp3Frames(kCbr128, 10);  // 4170 bytes
  const std::string zeros(TMPEGaudio::kWindowSize, '\0');
  const std::string bigTag = std::string("ID3\x03\x00\x00", 6) + Syncsafe(100000);
  const std::vector<StreamCase> cases = {
      {"frame right after the tag", tag + frames, 0, 128, 4170 * 8 / 128.0 / 1000},
      {"junk before the frames", Junk(100) + frames, 100, 128, 4170 * 8 / 128.0 / 1000},
      {"first header without a follower: the search goes on one byte further",
       Mp3FrameHeader(kCbr128) + frames, 4, 128, 4170 * 8 / 128.0 / 1000},
      {"corrupt second frame", Mp3Frame(kCbr128) + Junk(33) + frames, 450, 128,
       4170 * 8 / 128.0 / 1000},
      {"the follower may differ in version, layer and rate",
       Mp3Frame(kCbr128) + Mp3Frames(kMpeg2At24k, 20), 0, 128, 4257 * 8 / 128.0 / 1000},
      {"ID3v1 bytes are not subtracted", frames + Id3v1Rock(), 0, 128, 4298 * 8 / 128.0 / 1000},
      {"declared tag size beyond the file: search from offset 0", bigTag + frames, 10, 128,
       4170 * 8 / 128.0 / 1000},
      // The 23-byte tag: window at (7651 - 23) / 2 = 3814; the frames begin at 3481, so the
      // next frame boundary lies at 3481 + 417 = 3898, 84 bytes into the window.
      {"second window, half the length after the tag, counted from the file start",
       tag + zeros + frames, 84, 128, (3458 + 4170 - 84) * 8 / 128.0 / 1000},
      {"Xing: bit rate rounds 122.5 to even",
       XingFrame(kCbr128, {.frames = 1000, .bytes = 400000}) + frames, 0, 122,
       1000 * 1152 / 44100.0, "Xing"},
      {"Xing frame count 0", XingFrame(kCbr128, {.frames = 0, .bytes = 400000}) + frames, 0, 128,
       4587 * 8 / 128.0 / 1000, "Xing"},
      {"Xing frame count with the top bit set",
       XingFrame(kCbr128, {.frames = 0x80000005, .bytes = 400000}) + frames, 0, 128,
       4587 * 8 / 128.0 / 1000, "Xing"},
      {"Xing in a mono frame at 21",
       XingFrame(kMono128, {.frames = 1000, .bytes = 400000}) + frames, 0, 122,
       1000 * 1152 / 44100.0, "Xing"},
      {"MPEG 2 Xing at 21",
       XingFrame(kMpeg2At24k, {.frames = 3, .bytes = 552}) + Mp3Frames(kMpeg2At24k, 4), 0, 61,
       3 * 576 / 24000.0, "Xing"},
      {"VBRI at 36 of a stereo MPEG 1 frame",
       VbriFrame(kCbr128, {.bytes = 6478737, .frames = 8506}) + frames, 0, 233,
       8506 * 1152 / 44100.0, "VBRI"},
      {"VBRI at 36 of a mono frame is not looked for",
       VbriFrame(kMono128, {.bytes = 6478737, .frames = 8506}) + Mp3Frames(kMono128, 10), 0, 128,
       4587 * 8 / 128.0 / 1000},
  };
  for (const StreamCase& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_TRUE(Analyze(c.bytes));
    EXPECT_TRUE(analyser.frame().found);
    EXPECT_EQ(analyser.frame().position, c.position);
    EXPECT_EQ(analyser.fileLength(), static_cast<std::int64_t>(c.bytes.size()));
    EXPECT_EQ(analyser.BitRateKbps(), c.kbps);
    EXPECT_DOUBLE_EQ(analyser.DurationSeconds(), c.seconds);
    EXPECT_EQ(std::string(analyser.vbr().kind.data(), analyser.vbr().found ? 4 : 0), c.vbrKind);
  }
}

TEST_F(AnalyzeFileTest, WithoutAFramePairNothingOfTheFileIsShown) {
  const std::string tag = Id3v23Titled();
  // A tag whose padding holds frames that only a second window at (length - tag) / 2 would see.
  const std::string framesInTag =
      Id3v2Tag(3, Id3v2Frame23("PRIV", Junk(200) + Mp3Frames(kCbr128, 3)));
  const std::vector<std::pair<const char*, std::string>> cases = {
      {"free-format stream", tag + Mp3Frames({.kbps = 0, .length = 417}, 10) + Id3v1Rock()},
      {"only zeros", tag + std::string(5000, '\0') + Id3v1Rock()},
      {"runs of 0xFF", tag + std::string(8000, '\xFF') + Id3v1Rock()},
      {"200 bytes without tags", std::string(200, '\0')},
      {"short first read: no second window", framesInTag + std::string(200, '\0')},
      {"a single frame", tag + Mp3Frame(kCbr128) + Id3v1Rock()},
      {"tag as long as the file", Id3v2Tag(3, Id3v2Frame23("TIT2", Mp3Frames(kCbr128, 3)))},
  };
  for (const auto& [what, bytes] : cases) {
    SCOPED_TRACE(what);
    EXPECT_TRUE(Analyze(bytes)) << "every read succeeded";
    ExpectCleared();
  }
}

TEST_F(AnalyzeFileTest, BadInputReadsAsZeros) {
  const std::string frames = Mp3Frames(kCbr128, 10);
  EXPECT_FALSE(Analyze(""));
  ExpectCleared();
  EXPECT_FALSE(Analyze(frames.substr(0, 127)));
  ExpectCleared();
  EXPECT_FALSE(analyser.AnalyzeFile(dir.mkdir("x.mp3")));
  ExpectCleared();
  EXPECT_FALSE(analyser.AnalyzeFile(dir.file("missing.mp3")));
  ExpectCleared();
  // Arbitrary bytes must never read outside the buffers (the sanitizer build checks).
  std::uint32_t seed = 12345;
  for (std::size_t size : {128u, 1000u, 3458u, 3459u, 7000u}) {
    std::string bytes(size, '\0');
    for (char& c : bytes) {
      seed = seed * 1103515245u + 12345u;
      c = static_cast<char>((seed >> 16) | 0xE0);  // many sync-like bytes
    }
    Analyze(bytes);
  }
}

TEST_F(AnalyzeFileTest, UnreadableFileReadsAsZeros) {
  const std::string path = dir.write("a.mp3", Id3v23Titled() + Mp3Frames(kCbr128, 10));
  for (const bool failOpen : {true, false}) {
    FaultyFileSystem fs;
    fs.failOpenRead = failOpen;
    fs.failRead = !failOpen;
    TMPEGaudio faulty(fs);
    EXPECT_FALSE(faulty.AnalyzeFile(path));
    EXPECT_EQ(faulty.fileLength(), 0);
    EXPECT_EQ(faulty.DurationSeconds(), 0.0);
    EXPECT_FALSE(faulty.id3v2().exists());
  }
}

TEST_F(AnalyzeFileTest, ValuesOfAnEarlierFileNeverSurvive) {
  ASSERT_TRUE(Analyze(Id3v23Titled() + XingFrame(kCbr128, {.frames = 9, .bytes = 4000}) +
                      Mp3Frames(kCbr128, 10) + Id3v1Rock()));
  ASSERT_TRUE(analyser.vbr().found);
  EXPECT_TRUE(Analyze(std::string(4000, '\0')));
  ExpectCleared();
}

TEST_F(AnalyzeFileTest, EncoderTextIsSearchedBackwardsFromTheAudioEnd) {
  struct Case {
    const char* what;
    std::string mark;
    std::size_t bytesBeforeEnd;
    bool withId3v1;
    std::string expected;
  };
  const std::size_t lastK = 2 * 417;
  const std::vector<Case> cases = {
      {"at the very end", "LAME3.99", 0, false, "LAME3.99"},
      {"before an ID3v1 block", "LAME3.98", 0, true, "LAME3.98"},
      {"farthest that is searched", "LAME3.97", lastK, false, "LAME3.97"},
      {"one byte too far", "LAME3.97", lastK + 1, false, ""},
      {"GOGO keeps only its name", "GOGO1234", 10, false, "GOGO"},
      {"no mark", "", 0, false, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::string audio = Mp3Frames(kCbr128, 10);
    PutEncoderMark(audio, c.mark, c.bytesBeforeEnd);
    EXPECT_TRUE(Analyze(audio + (c.withId3v1 ? Id3v1Rock() : "")));
    EXPECT_EQ(analyser.encoderText(), c.expected);
  }
  std::string audio = Mp3Frames(kCbr128, 10);
  PutEncoderMark(audio, "LAME3.90", 100);
  PutEncoderMark(audio, "LAME3.91", 10);
  EXPECT_TRUE(Analyze(audio + Id3v1Block({"", "", "", "", "LAME3.92", -1, 255})));
  EXPECT_EQ(analyser.encoderText(), "LAME3.91") << "last mark before the ID3v1 block";
}

TEST_F(AnalyzeFileTest, EncoderTextIsNotSearchedAfterAVbrHeader) {
  std::string audio = XingFrame(kCbr128, {.frames = 9, .bytes = 4000}) + Mp3Frames(kCbr128, 10);
  PutEncoderMark(audio, "LAME3.99", 0);
  EXPECT_TRUE(Analyze(audio));
  EXPECT_EQ(analyser.encoderText(), "");
  EXPECT_EQ(analyser.vbr().encoderText, "LAME3.99");
}

TEST_F(AnalyzeFileTest, ShortFileFailsTheEncoderWindowButKeepsItsFrame) {
  std::string audio = Mp3Frames(kCbr128, 5);  // 2085 bytes: the window would begin before 0
  PutEncoderMark(audio, "LAME3.99", 0);
  EXPECT_FALSE(Analyze(audio));
  EXPECT_TRUE(analyser.frame().found);
  EXPECT_EQ(analyser.fileLength(), 2085);
  EXPECT_EQ(analyser.encoderText(), "");
  EXPECT_DOUBLE_EQ(analyser.DurationSeconds(), 2085 * 8 / 128.0 / 1000);
}

TEST_F(AnalyzeFileTest, BitRateFromVbrHeader) {
  struct Case {
    MpegFrame frame;
    std::int64_t frames, bytes;
    std::uint16_t kbps;
    const char* what;
  };
  MpegFrame padded = kLayer1At48k;
  padded.padding = true;
  MpegFrame padded3 = kCbr128;
  padded3.padding = true;
  const std::vector<Case> cases = {
      {kLayer1At48k, 2, 257, 128, "128.5 rounds down to even"},
      {kLayer1At48k, 2, 259, 130, "129.5 rounds up to even"},
      {padded, 2, 265, 128, "Layer I padding of the first frame is subtracted: 132.5 - 4"},
      {padded3, 1000, 401000, 122, "Layer III padding: (401 - 1) x 44100 / 144 / 1000"},
      {kLayer1At48k, 1, 2000000000, 37888, "only the low 16 bits are kept"},
      {kLayer1At48k, 1, -1000, 64536, "a negative byte count wraps"},
  };
  for (const Case& c : cases) {
    const std::string frames = Mp3Frames(c.frame, 10);
    EXPECT_TRUE(Analyze(XingFrame(c.frame, {.frames = c.frames, .bytes = c.bytes}) + frames));
    EXPECT_EQ(analyser.BitRateKbps(), c.kbps) << c.what;
  }
}

TEST_F(AnalyzeFileTest, FilesOf2GiBAndMoreAreMeasuredWith64Bits) {
  const std::string path = dir.write("big.mp3", Mp3Frames(kCbr128, 10));
  const std::uintmax_t size = 3'000'000'000;  // sparse: no disk space is used
  std::filesystem::resize_file(path, size);
  EXPECT_TRUE(analyser.AnalyzeFile(path));
  EXPECT_EQ(analyser.fileLength(), 3'000'000'000);
  EXPECT_DOUBLE_EQ(analyser.DurationSeconds(), 3e9 * 8 / 128 / 1000);
}

}  // namespace
