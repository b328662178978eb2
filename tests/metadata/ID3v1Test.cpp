#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "metadata/ID3v1.h"
#include "support/FaultyFileSystem.h"
#include "support/TagBuilder.h"
#include "support/TempDir.h"
#include "support/TestData.h"

namespace {

using namespace std::string_literals;

const std::string kAudio(300, '\x55');

// A block whose comment bytes 97..126 are given whole.
std::string BlockWithComment(const std::string& comment30) {
  std::string block = Id3v1Block({});
  block.replace(97, 30, comment30);
  return block;
}

TEST(ID3v1, ReadsEveryFieldOfAVersion11Tag) {
  TempDir dir;
  const auto path = dir.write(
      "a.mp3", kAudio + Id3v1Block({"Title", "Artist", "Album", "1999", "Comment", 7, 17}));
  TID3v1 tag;
  ASSERT_TRUE(tag.LoadTag(path));
  EXPECT_TRUE(tag.exists());
  EXPECT_EQ(tag.versionId(), 2);
  EXPECT_EQ(tag.title(), "Title");
  EXPECT_EQ(tag.artist(), "Artist");
  EXPECT_EQ(tag.album(), "Album");
  EXPECT_EQ(tag.year(), "1999");
  EXPECT_EQ(tag.comment(), "Comment");
  EXPECT_EQ(tag.track(), 7);
  EXPECT_EQ(tag.genreIndex(), 17);
  EXPECT_EQ(tag.GenreName(), "Rock");
}

struct VersionCase {
  const char* name;
  std::string comment30;  // bytes 97..126
  std::uint8_t version;
  std::uint8_t track;
  std::string comment;
};

TEST(ID3v1, Byte125And126DecideTheVersion) {
  const std::string c28 = "abcdefghijklmnopqrstuvwxyz01";  // 28 bytes
  const std::vector<VersionCase> cases = {
      {"zero then track", c28 + "\0\x05"s, 2, 5, c28},
      {"spaces to the end", c28 + "  ", 1, 0, c28},
      {"space then letter", c28 + " X", 2, 88, c28},
      {"zero then zero", c28 + "\0\0"s, 1, 0, c28},
      {"two letters are comment", c28 + "YZ", 1, 0, c28 + "YZ"},
      {"zero then space", "short"s + std::string(23, '\0') + "\0 "s, 2, 32, "short"},
  };
  for (const auto& c : cases) {
    TempDir dir;
    TID3v1 tag;
    ASSERT_TRUE(tag.LoadTag(dir.write("a.mp3", kAudio + BlockWithComment(c.comment30))));
    EXPECT_EQ(tag.versionId(), c.version) << c.name;
    EXPECT_EQ(tag.track(), c.track) << c.name;
    EXPECT_EQ(tag.comment(), c.comment) << c.name;
  }
}

TEST(ID3v1, TrailingBlanksGoLeadingSpacesAndInnerZerosStay) {
  const std::vector<std::pair<std::string, std::string>> titles = {
      {"Song", "Song"},
      {"Song" + std::string(26, ' '), "Song"},
      {"Song\t\x01 \0 \0"s, "Song"},
      {"  Song", "  Song"},
      {"So\0ng"s, "So\0ng"s},
      {std::string(30, 'x'), std::string(30, 'x')},
      {"Caf\xE9", "Caf\xC3\xA9"},  // Latin-1 becomes UTF-8
  };
  for (const auto& [raw, expected] : titles) {
    TempDir dir;
    TID3v1 tag;
    ASSERT_TRUE(tag.LoadTag(dir.write("a.mp3", kAudio + Id3v1Block({.title = raw}))));
    EXPECT_EQ(tag.title(), expected);
  }
}

TEST(ID3v1, GenreNames) {
  EXPECT_EQ(ID3v1GenreNames.size(), 148u);
  const std::vector<std::pair<std::uint8_t, std::string>> cases = {
      {0, "Blues"},      {17, "Rock"}, {50, "Darkwave"}, {133, "Negerpunk"},
      {147, "Synthpop"}, {148, ""},    {255, ""}};
  for (const auto& [index, name] : cases) {
    TempDir dir;
    TID3v1 tag;
    ASSERT_TRUE(tag.LoadTag(dir.write("a.mp3", Id3v1Block({.genre = index}))));
    EXPECT_EQ(tag.GenreName(), name) << int(index);
  }
}

TEST(ID3v1, ShortFilesFailAndBlocksWithoutTagDoNotExist) {
  TempDir dir;
  TID3v1 tag;
  EXPECT_FALSE(tag.LoadTag(dir.write("short.mp3", std::string(127, 'T'))));
  EXPECT_FALSE(tag.exists());
  EXPECT_FALSE(tag.LoadTag(dir.file("missing.mp3")));

  ASSERT_TRUE(tag.LoadTag(dir.write("only.mp3", Id3v1Block({.title = "Only", .track = 3}))));
  EXPECT_TRUE(tag.exists());
  EXPECT_EQ(tag.title(), "Only");

  ASSERT_TRUE(tag.LoadTag(dir.write("none.mp3", std::string(128, 'T'))));
  EXPECT_FALSE(tag.exists());
  EXPECT_EQ(tag.versionId(), 1);
  EXPECT_EQ(tag.title(), "");
  EXPECT_EQ(tag.genreIndex(), 255);
}

TEST(ID3v1, ReadErrorsLeaveTheObjectCleared) {
  TempDir dir;
  const auto path = dir.write("a.mp3", Id3v1Block({.title = "T"}));
  FaultyFileSystem fs;
  TID3v1 tag(fs);
  ASSERT_TRUE(tag.LoadTag(path));
  fs.failRead = true;
  EXPECT_FALSE(tag.LoadTag(path));
  EXPECT_FALSE(tag.exists());
  EXPECT_EQ(tag.title(), "");
}

struct PeerCase {
  const char* file;
  bool exists;
  std::string title;
  std::string artist;
  std::uint8_t track;
  std::uint8_t genre;
};

TEST(ID3v1, PeerFiles) {
  SKIP_WITHOUT_PEER_DATA();
  const std::vector<PeerCase> cases = {
      {"silence-44-s-v1.mp3", true, "Silence", "piman", 2, 50},
      // An ID3v2 tag after the ID3v1 block: the last 128 bytes are no ID3v1 tag.
      {"audacious-trailing-id32-id31.mp3", false, "", "", 0, 255},
      {"no-tags.mp3", false, "", "", 0, 255},
  };
  for (const auto& c : cases) {
    TID3v1 tag;
    ASSERT_TRUE(tag.LoadTag(PeerDataDir() + "/" + c.file)) << c.file;
    EXPECT_EQ(tag.exists(), c.exists) << c.file;
    EXPECT_EQ(tag.title(), c.title) << c.file;
    EXPECT_EQ(tag.artist(), c.artist) << c.file;
    EXPECT_EQ(tag.track(), c.track) << c.file;
    EXPECT_EQ(tag.genreIndex(), c.genre) << c.file;
  }
  TID3v1 empty;
  EXPECT_FALSE(empty.LoadTag(PeerDataDir() + "/emptyfile.mp3"));
}

}  // namespace
