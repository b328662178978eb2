#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "metadata/ID3v2.h"
#include "metadata/ID3v2Writer.h"
#include "support/FaultyFileSystem.h"
#include "support/TagBuilder.h"
#include "support/TempDir.h"
#include "support/TestData.h"

namespace {

using namespace std::string_literals;

const std::string kAudio = "\xFF\xFB\x90\x64" + std::string(400, '\x11');

std::string Text23(std::string_view id, std::string_view text) {
  return Id3v2Frame23(id, Id3v2TextPayload(text));
}

// Loads path, applies change, stores and returns the stored file's bytes.
template <typename Change>
std::string StoreChanged(const std::string& path, Change change) {
  TID3v2 tag;
  EXPECT_TRUE(tag.LoadTag(path));
  change(tag);
  EXPECT_TRUE(tag.StoreTag(path));
  return ReadFileBytes(path);
}

// A file of the name the temporary file once had: someone else's, it must survive every store.
constexpr char kOtherFile[] = "a.mp3~";
constexpr char kOtherBytes[] = "an editor's backup";

TEST(ID3v2Writer, TitleAbcIntoAFileWithoutTag) {
  TempDir dir;
  const auto path = dir.write("a.mp3", kAudio);
  const auto other = dir.write(kOtherFile, kOtherBytes);
  const std::string stored = StoreChanged(path, [](TID3v2& t) { t.SetTitle("abc"); });
  const std::string expected =
      "\x49\x44\x33\x03\x00\x00\x00\x00\x00\x0E\x54\x49\x54\x32\x00\x00\x00\x04\x00\x00\x00\x61"
      "\x62\x63"s;
  EXPECT_EQ(stored, expected + kAudio);
  EXPECT_EQ(ReadFileBytes(other), kOtherBytes);
  EXPECT_EQ(SortedFolderNames(dir.path()), (std::vector<std::string>{"a.mp3", kOtherFile}));
}

TEST(ID3v2Writer, FramesInTheirOrderWithLatin1OrUtf16) {
  ID3v2FrameTexts texts;
  texts[0] = "abc";
  texts[3] = "5";
  texts[6] = "hi";
  texts[11] = "http://x";
  EXPECT_EQ(BuildID3v2Frames(texts),
            "TIT2\0\0\0\x04\0\0\0abc"
            "TRCK\0\0\0\x02\0\0\0"
            "5"
            "COMM\0\0\0\x07\0\0\0eng\0hi"
            "WXXX\0\0\0\x0A\0\0\0\0http://x"s);

  ID3v2FrameTexts wide;
  wide[0] = "\xCE\xA9x";    // Omega and x: UTF-16
  wide[1] = "Caf\xC3\xA9";  // fits Latin-1
  wide[6] = "\xCE\xA9";
  EXPECT_EQ(BuildID3v2Frames(wide),
            "TIT2\0\0\0\x07\0\0\x01\xFF\xFE\xA9\x03x\0"
            "TPE1\0\0\0\x05\0\0\0Caf\xE9"
            "COMM\0\0\0\x0C\0\0\x01"
            "eng\xFF\xFE\0\0\xFF\xFE\xA9\x03"s);
}

TEST(ID3v2Writer, HeaderSizeIsFourSevenBitGroups) {
  const auto tag = BuildID3v2Tag(std::string(16384 + 200, 'x'));
  ASSERT_TRUE(tag);
  EXPECT_EQ(tag->substr(0, 10), "ID3\x03\0\0\0\x01\x01\x48"s);
}

TEST(ID3v2Writer, RoundTripOfEveryField) {
  TempDir dir;
  const std::string old = Id3v2Tag(
      3,
      Text23("TRCK", "7/9") + Text23("TCOM", "Comp") + Text23("TENC", "Enc") +
          Text23("TCOP", "Copy") + Text23("TLAN", "deu") + Id3v2Frame23("WXXX", "\0d\0http://a.b"s),
      0, 300);
  const auto path = dir.write("a.mp3", old + kAudio + Id3v1Block({.title = "v1"}));
  const std::string longComment(20000, 'c');  // a body of more than 16384 bytes
  StoreChanged(path, [&](TID3v2& t) {
    t.SetTitle("Title \xE2\x82\xAC");  // the euro sign needs UTF-16
    t.SetArtist("Art\xC3\xA9");
    t.SetAlbum("Album");
    t.SetYear("2001");
    t.SetGenre("Rock");
    t.SetComment(longComment);
  });
  TID3v2 tag;
  ASSERT_TRUE(tag.LoadTag(path));
  EXPECT_EQ(tag.versionId(), 3);
  EXPECT_EQ(tag.title(), "Title \xE2\x82\xAC");
  EXPECT_EQ(tag.artist(), "Art\xC3\xA9");
  EXPECT_EQ(tag.album(), "Album");
  EXPECT_EQ(tag.year(), "2001");
  EXPECT_EQ(tag.genre(), "Rock");
  EXPECT_EQ(tag.comment(), std::string(250 - 5, 'c'));  // as far as a frame is read
  EXPECT_EQ(tag.track(), 7);
  EXPECT_EQ(tag.composer(), "Comp");
  EXPECT_EQ(tag.encodedBy(), "Enc");
  EXPECT_EQ(tag.copyright(), "Copy");
  EXPECT_EQ(tag.language(), "deu");
  EXPECT_EQ(tag.link(), "http://a.b");
  const std::string stored = ReadFileBytes(path);
  EXPECT_GT(tag.tagSize(), 16384 + 10);
  EXPECT_EQ(stored.substr(static_cast<std::size_t>(tag.tagSize())),
            kAudio + Id3v1Block({.title = "v1"}));
}

TEST(ID3v2Writer, StoreLeavesTheObjectAsItWas) {
  TempDir dir;
  const auto path = dir.write("a.mp3", Id3v2Tag(3, Text23("TIT2", "Old"), 0, 20) + kAudio);
  TID3v2 tag;
  ASSERT_TRUE(tag.LoadTag(path));
  tag.SetTitle("New");
  ASSERT_TRUE(tag.StoreTag(path));
  EXPECT_EQ(tag.title(), "New");
  EXPECT_EQ(tag.tagSize(), 10 + 14 + 20);  // still the size that was read
}

TEST(ID3v2Writer, FramesItDoesNotHandleAreKeptInTheirOrder) {
  TempDir dir;
  const std::string picture =
      Id3v2Frame23("APIC", "\0image/png\0\x03\0"s + std::string(5000, '\xFF'), 0x0000);
  const std::string txxx = Id3v2Frame23("TXXX", "\0key\0value"s, 0x4000);
  const std::string priv = Id3v2Frame23("PRIV", "owner\0\x01\x02"s);
  const std::string old = Id3v2Tag(3,
                                   Text23("TIT2", "Old") + picture + Text23("TPE1", "Art") + txxx +
                                       Id3v2Frame23("COMM", "\0eng\0c"s) + priv,
                                   0, 100);
  const auto path = dir.write("a.mp3", old + kAudio);
  const std::string stored = StoreChanged(path, [](TID3v2& t) { t.SetTitle("New"); });
  const std::string body = Text23("TIT2", "New") + Text23("TPE1", "Art") +
                           Id3v2Frame23("COMM", "\0eng\0c"s) + picture + txxx + priv;
  EXPECT_EQ(stored, Id3v2Tag(3, body) + kAudio);
}

TEST(ID3v2Writer, UnsynchronisedFramesAreKeptDecoded) {
  TempDir dir;
  const std::string picture = Id3v2Frame23("APIC", "\0\xFF\xE0\xFF"s);
  std::string unsynchronised;
  for (char c : picture + Text23("TIT2", "T")) {
    unsynchronised += c;
    if (c == '\xFF') unsynchronised += '\0';
  }
  const auto path = dir.write("a.mp3", Id3v2Tag(3, unsynchronised, 0x80) + kAudio);
  const std::string stored = StoreChanged(path, [](TID3v2&) {});
  EXPECT_EQ(stored, Id3v2Tag(3, Text23("TIT2", "T") + picture) + kAudio);
}

TEST(ID3v2Writer, OtherVersionsAndBrokenSizesAreReplacedOrPrecededWhole) {
  TempDir dir;
  const std::string newTag = Id3v2Tag(3, Text23("TIT2", "New"));
  // A version 2.4 tag is replaced; the frames it does not cover are carried over.
  const std::string v24 =
      Id3v2Tag(4, Id3v2Frame24("TIT2", "\x03Old"s) + Id3v2Frame24("PRIV", "x"), 0, 10);
  auto path = dir.write("v24.mp3", v24 + kAudio);
  EXPECT_EQ(StoreChanged(path, [](TID3v2& t) { t.SetTitle("New"); }),
            Id3v2Tag(3, Text23("TIT2", "New") + Id3v2Frame23("PRIV", "x")) + kAudio);
  // A version 2.2 tag keeps none of its frames.
  const std::string v22 = Id3v2Tag(2, Id3v2Frame22("TT2", "\0Old"s) + Id3v2Frame22("PIC", "x"));
  path = dir.write("v22.mp3", v22 + kAudio);
  EXPECT_EQ(StoreChanged(path, [](TID3v2& t) { t.SetTitle("New"); }), newTag + kAudio);
  // A declared size past the end counts as no tag: the new tag goes in front.
  const std::string broken = "ID3\x03\0\0\0\0\x7F\x7F"s + Text23("TIT2", "Old") + kAudio;
  path = dir.write("broken.mp3", broken);
  EXPECT_EQ(StoreChanged(path, [](TID3v2& t) { t.SetTitle("New"); }), newTag + broken);
}

// A version 2.4 frame with encoding byte 3 (UTF-8) and the given bytes.
std::string Utf8Frame24(std::string_view id, std::string_view utf8) {
  return Id3v2Frame24(id, "\x03"s + std::string(utf8));
}

// Picture data that would be mangled by any text conversion.
const std::string kPictureData = "\x89PNG\r\n\x1A\n\0\xFF\0\0\xFE"s + std::string(3000, '\xD8');

struct Frame24Case {
  const char* name;
  std::string old24;   // a version 2.4 frame of the old tag
  std::string kept23;  // the version 2.3 frame of the new tag; empty when dropped
};

TEST(ID3v2Writer, FramesOfAVersion24TagAreConvertedOrDropped) {
  const std::vector<Frame24Case> cases = {
      {"picture with an ASCII description in UTF-8 becomes Latin-1",
       Id3v2Frame24("APIC", "\x03image/png\0\x03"s + "Cover\0"s + kPictureData),
       Id3v2Frame23("APIC", "\0image/png\0\x03"s + "Cover\0"s + kPictureData)},
      {"picture with a wide description in UTF-8 becomes UTF-16 with BOM",
       Id3v2Frame24("APIC", "\x03image/jpeg\0\x04"s + "Caf\xC3\xA9 \xE2\x98\x95\0"s + kPictureData),
       Id3v2Frame23("APIC", "\x01image/jpeg\0\x04\xFF\xFE"s + "C\0a\0f\0\xE9\0 \0\x15\x26\0\0"s +
                                kPictureData)},
      {"picture with a UTF-16BE description",
       Id3v2Frame24("APIC", "\x02image/png\0\x00"s + "\0C\0d\0\0"s + kPictureData),
       Id3v2Frame23("APIC", "\0image/png\0\x00"s + "Cd\0"s + kPictureData)},
      {"picture in Latin-1 as it is",
       Id3v2Frame24("APIC", "\0image/png\0\x03"s + "\xE9\0"s + kPictureData),
       Id3v2Frame23("APIC", "\0image/png\0\x03"s + "\xE9\0"s + kPictureData)},
      {"UTF-8 text frame with two values", Utf8Frame24("TOPE", "A\xC3\xA9\0B\0"s),
       Id3v2Frame23("TOPE", "\0A\xE9/B"s)},
      {"UTF-16BE text frame", Id3v2Frame24("TEXT", "\x02\x03\xA9\0x"s),
       Id3v2Frame23("TEXT", "\x01\xFF\xFE\xA9\x03x\0"s)},
      {"TXXX in Latin-1", Id3v2Frame24("TXXX", "\0key\0value"s),
       Id3v2Frame23("TXXX", "\0key\0value"s)},
      {"TXXX in UTF-16 with BOM", Id3v2Frame24("TXXX", "\x01\xFF\xFEk\0\0\0v\0"s),
       Id3v2Frame23("TXXX", "\x01\xFF\xFEk\0\0\0v\0"s)},
      {"PRIV byte for byte", Id3v2Frame24("PRIV", "owner\0\x01\x02\xFF"s),
       Id3v2Frame23("PRIV", "owner\0\x01\x02\xFF"s)},
      {"POPM byte for byte", Id3v2Frame24("POPM", "a@b\0\xC4\0\0\0\x07"s),
       Id3v2Frame23("POPM", "a@b\0\xC4\0\0\0\x07"s)},
      {"status flags are cleared", Id3v2Frame24("PRIV", "o\0p"s, 0x2000),
       Id3v2Frame23("PRIV", "o\0p"s)},
      {"TXXX in UTF-8 is dropped", Id3v2Frame24("TXXX", "\x03k\0v"s), ""},
      {"USLT in UTF-8 is dropped", Utf8Frame24("USLT", "deu\0x"s), ""},
      {"release time exists only in 2.4", Utf8Frame24("TDRL", "2001"), ""},
      {"replay gain exists only in 2.4", Id3v2Frame24("RVA2", "x\0\x01\0\0\0"s), ""},
      {"compressed", Id3v2Frame24("PRIV", "\0\0\0\x05xyz"s, 0x0009), ""},
      {"encrypted", Id3v2Frame24("PRIV", "xyz"s, 0x0004), ""},
      {"unsynchronised frame", Id3v2Frame24("PRIV", "\xFF\0\xE0"s, 0x0002), ""},
      {"grouped", Id3v2Frame24("PRIV", "\x01xyz"s, 0x0040), ""},
      {"not a frame id", Id3v2Frame24("Ab_d", "xyz"s), ""},
  };
  for (const auto& c : cases) {
    TempDir dir;
    const std::string old =
        Id3v2Tag(4,
                 Utf8Frame24("TIT2", "Old") + c.old24 + Utf8Frame24("TDRC", "1999") +
                     Utf8Frame24("TYER", "1999") + Utf8Frame24("TPE1", "Art"),
                 0, 50);
    const auto path = dir.write("a.mp3", old + kAudio);
    const std::string stored = StoreChanged(path, [](TID3v2& t) { t.SetTitle("New"); });
    // The title is replaced, the year and artist are written from the texts read.
    const std::string body =
        Text23("TIT2", "New") + Text23("TPE1", "Art") + Text23("TYER", "1999") + c.kept23;
    EXPECT_EQ(stored, Id3v2Tag(3, body) + kAudio) << c.name;
  }
}

TEST(ID3v2Writer, Version24TagBecomesAValidVersion23Tag) {
  TempDir dir;
  auto unsynchronise = [](std::string_view bytes) {
    std::string out;
    for (char c : bytes) {
      out += c;
      if (c == '\xFF') out += '\0';
    }
    return out;
  };
  // The whole tag is unsynchronised: frame sizes count the unsynchronised payloads.
  const std::string body =
      Id3v2Frame24("TIT2", "\x03Old"s) + Id3v2Frame24("PRIV", unsynchronise("o\0\xFF\xE0"s)) +
      Id3v2Frame24("APIC", unsynchronise("\x03image/png\0\x03\xE2\x98\x95\0"s + kPictureData));
  const auto path = dir.write("a.mp3", Id3v2Tag(4, body, 0x80, 30) + kAudio);
  const std::string stored = StoreChanged(path, [](TID3v2& t) {
    t.SetTitle("Ti\xE2\x82\xAC");
    t.SetComment("Note");
  });
  TID3v2 tag;
  ASSERT_TRUE(tag.LoadTag(path));
  EXPECT_EQ(tag.versionId(), 3);
  EXPECT_EQ(tag.title(), "Ti\xE2\x82\xAC");
  EXPECT_EQ(tag.comment(), "Note");
  ASSERT_EQ(stored.substr(static_cast<std::size_t>(tag.tagSize())), kAudio);
  // Every frame header of the new tag is a version 2.3 one, and they end at the tag's end.
  std::vector<std::string> ids;
  std::size_t pos = 10;
  while (pos + 10 <= static_cast<std::size_t>(tag.tagSize())) {
    std::size_t size = 0;  // plain 32-bit big-endian
    for (std::size_t i = 4; i < 8; ++i)
      size = size << 8 | static_cast<unsigned char>(stored[pos + i]);
    ids.push_back(stored.substr(pos, 4));
    EXPECT_EQ(stored.substr(pos + 8, 2), "\0\0"s);
    pos += 10 + size;
  }
  EXPECT_EQ(pos, static_cast<std::size_t>(tag.tagSize()));
  EXPECT_EQ(ids, (std::vector<std::string>{"TIT2", "COMM", "PRIV", "APIC"}));
  EXPECT_NE(stored.find(Id3v2Frame23("PRIV", "o\0\xFF\xE0"s)), std::string::npos);
  EXPECT_NE(
      stored.find(Id3v2Frame23("APIC", "\x01image/png\0\x03\xFF\xFE\x15\x26\0\0"s + kPictureData)),
      std::string::npos);
}

// The reader keeps the first 250 bytes of a frame: a longer text left as it was is kept whole,
// frame and all, while a changed one is written from its new text.
TEST(ID3v2Writer, ALongTextLeftAsItWasKeepsItsEnd) {
  struct Case {
    const char* name;
    std::string oldTag;
    void (*change)(TID3v2&);
    std::string keptFrame;     // found in the new tag, byte for byte; empty: none
    std::string droppedFrame;  // no longer there
  };
  const std::string comment = Id3v2Frame23("COMM", "\0eng\0"s + std::string(600, 'L'));
  const std::string utf16Artist =
      Id3v2Frame23("TPE1", "\x01\xFF\xFE"s + Utf16Le(std::string(200, 'a')));
  const std::string artist24 = Id3v2Frame24("TPE1", "\x03"s + std::string(300, 'b'));
  std::string accents;
  for (int i = 0; i < 200; ++i) accents += "\xC3\xA9";
  const std::string artistE24 = Id3v2Frame24("TPE1", "\x03"s + accents);
  const std::string artist24As23 = Id3v2Frame23("TPE1", "\0"s + std::string(300, 'b'));
  const std::vector<Case> cases = {
      {"a long comment, another text changed", Id3v2Tag(3, Text23("TIT2", "Old") + comment),
       [](TID3v2& t) { t.SetTitle("New"); }, comment, ""},
      {"a long UTF-16 artist", Id3v2Tag(3, utf16Artist + Text23("TIT2", "Old")),
       [](TID3v2& t) { t.SetComment("c"); }, utf16Artist, ""},
      {"a long comment changed", Id3v2Tag(3, Text23("TIT2", "Old") + comment),
       [](TID3v2& t) { t.SetComment("short"); }, "", comment},
      {"a long artist of a 2.4 tag", Id3v2Tag(4, artist24 + Id3v2Frame24("TIT2", "\x03Old"s)),
       [](TID3v2& t) { t.SetTitle("New"); }, artist24As23, artist24},
      // Latin-1 in version 2.3 takes half the bytes of UTF-8: the frame would read otherwise.
      {"a long UTF-8 artist of a 2.4 tag",
       Id3v2Tag(4, artistE24 + Id3v2Frame24("TIT2", "\x03Old"s)),
       [](TID3v2& t) { t.SetTitle("New"); }, "", artistE24},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    const auto path = dir.write("a.mp3", c.oldTag + kAudio);
    TID3v2 before;
    ASSERT_TRUE(before.LoadTag(path));
    const std::string stored = StoreChanged(path, c.change);
    TID3v2 after;
    ASSERT_TRUE(after.LoadTag(path));
    const std::string tag = stored.substr(0, static_cast<std::size_t>(after.tagSize()));
    EXPECT_TRUE(c.keptFrame.empty() || tag.find(c.keptFrame) != std::string::npos);
    EXPECT_TRUE(c.droppedFrame.empty() || tag.find(c.droppedFrame) == std::string::npos);
    EXPECT_EQ(stored.substr(tag.size()), kAudio);
    // Never twice the same frame, and each text reads as the change left it.
    for (const char* id : {"TIT2", "TPE1", "COMM"}) {
      std::size_t count = 0;
      for (std::size_t at = tag.find(id); at != std::string::npos; at = tag.find(id, at + 4))
        ++count;
      EXPECT_LE(count, 1u) << id;
    }
    TID3v2 expected = before;
    c.change(expected);
    EXPECT_EQ(after.title(), expected.title());
    EXPECT_EQ(after.artist(), expected.artist());
    EXPECT_EQ(after.comment(), expected.comment());
  }
}

TEST(ID3v2Writer, PermissionsOfTheOriginalAreKept) {
  TempDir dir;
  const auto path = dir.write("a.mp3", kAudio);
  ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
  StoreChanged(path, [](TID3v2& t) { t.SetTitle("T"); });
  struct stat st {};
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
}

struct FailureCase {
  const char* name;
  void (*inject)(FaultyFileSystem&);
  TagWriteResult result;
  bool removeFile = false;
};

// Each failure leaves the file and its folder as they were, and says what failed.
TEST(ID3v2Writer, AnyFailureLeavesTheFileAsItWas) {
  const std::vector<FailureCase> cases = {
      {"missing file", [](FaultyFileSystem&) {}, TagWriteResult::FileMissing, true},
      {"cannot open", [](FaultyFileSystem& fs) { fs.failOpenRead = true; },
       TagWriteResult::FileUnreadable},
      {"cannot read", [](FaultyFileSystem& fs) { fs.failRead = true; },
       TagWriteResult::FileUnreadable},
      {"cannot create", [](FaultyFileSystem& fs) { fs.failCreate = true; },
       TagWriteResult::FolderNotWritable},
      {"write fails midway",
       [](FaultyFileSystem& fs) {
         fs.failWriteAfterBytes = true;
         fs.writeLimit = 400;  // the new tag goes through, the audio does not
       },
       TagWriteResult::NotWritten},
      {"disk full",
       [](FaultyFileSystem& fs) {
         fs.failWriteAfterBytes = true;
         fs.writeLimit = 400;
         fs.freeSpaceOverride = 400;
       },
       TagWriteResult::DiskFull},
      {"flush fails", [](FaultyFileSystem& fs) { fs.failFlush = true; },
       TagWriteResult::NotWritten},
      {"close fails", [](FaultyFileSystem& fs) { fs.failClose = true; },
       TagWriteResult::NotWritten},
      {"rename fails", [](FaultyFileSystem& fs) { fs.failRename = true; },
       TagWriteResult::NotReplaced},
  };
  const std::string original =
      Id3v2Tag(3, Text23("TIT2", "Old") + Id3v2Frame23("APIC", std::string(300, 'p')), 0, 40) +
      kAudio;
  for (const auto& c : cases) {
    TempDir dir;
    const auto path = dir.write("a.mp3", original);
    const auto other = dir.write(kOtherFile, kOtherBytes);
    FaultyFileSystem fs;
    TID3v2 tag(fs);
    ASSERT_TRUE(tag.LoadTag(path));
    tag.SetTitle("New");
    if (c.removeFile) std::filesystem::remove(path);
    c.inject(fs);
    EXPECT_EQ(tag.WriteTag(path), c.result) << c.name;
    EXPECT_FALSE(tag.StoreTag(path)) << c.name;
    EXPECT_EQ(ReadFileBytes(path), c.removeFile ? "" : original) << c.name;
    EXPECT_EQ(ReadFileBytes(other), kOtherBytes) << c.name;
    const std::vector<std::string> left = c.removeFile
                                              ? std::vector<std::string>{kOtherFile}
                                              : std::vector<std::string>{"a.mp3", kOtherFile};
    EXPECT_EQ(SortedFolderNames(dir.path()), left) << c.name;
    EXPECT_EQ(tag.title(), "New") << c.name;
  }
}

TEST(ID3v2Writer, PeerFileKeepsItsAudioAndID3v1Tag) {
  SKIP_WITHOUT_PEER_DATA();
  TempDir dir;
  const std::string original = ReadFileBytes(PeerDataDir() + "/97-unknown-23-update.mp3");
  const auto path = dir.write("a.mp3", original);
  TID3v2 before;
  ASSERT_TRUE(before.LoadTag(path));
  const std::string stored = StoreChanged(path, [](TID3v2& t) { t.SetTitle("New"); });
  TID3v2 after;
  ASSERT_TRUE(after.LoadTag(path));
  EXPECT_EQ(after.title(), "New");
  EXPECT_EQ(after.artist(), before.artist());
  // The old padding is gone; audio and ID3v1 block follow unchanged.
  EXPECT_EQ(stored.substr(static_cast<std::size_t>(after.tagSize())),
            original.substr(static_cast<std::size_t>(before.tagSize())));
}

TEST(ID3v2Writer, PeerFileWithUtf16TextsStoresTheSameTexts) {
  SKIP_WITHOUT_PEER_DATA();
  TempDir dir;
  const auto path = dir.write("a.mp3", ReadFileBytes(PeerDataDir() + "/vbri.mp3"));
  TID3v2 before;
  ASSERT_TRUE(before.LoadTag(path));
  const std::string stored = StoreChanged(path, [](TID3v2&) {});
  TID3v2 after;
  ASSERT_TRUE(after.LoadTag(path));
  EXPECT_EQ(after.title(), before.title());
  EXPECT_EQ(after.artist(), before.artist());
  EXPECT_EQ(after.comment(), before.comment());
  EXPECT_EQ(after.genre(), "Dance");
  EXPECT_EQ(after.track(), 1);
  // TOPE, the one frame of the twelve's kind it does not handle, is kept as it was.
  EXPECT_NE(stored.find("TOPE\0\0\0\x01\0\0\x01"s), std::string::npos);
}

}  // namespace
