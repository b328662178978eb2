#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "cli/InfoCommand.h"
#include "cli/TagCommand.h"
#include "metadata/ID3v2.h"
#include "metadata/MPEGaudio.h"
#include "support/FaultyFileSystem.h"
#include "support/Mp3Builder.h"
#include "support/TagBuilder.h"
#include "support/TempDir.h"
#include "support/TestData.h"

namespace {

using Strings = std::vector<std::string>;

const std::string kAudio = Mp3Frames(MpegFrame{}, 10);

std::string InfoLineOf(const std::string& path) {
  TMPEGaudio analyser;
  recMP3Info info;
  ReadTrackInfo(analyser, path, info);
  return FormatInfoLine(path, info);
}

// What the file holds after its ID3v2 tag: the audio and any ID3v1 block.
std::string AfterTheTag(const std::string& path) {
  TID3v2 tag;
  tag.LoadTag(path);
  return ReadFileBytes(path).substr(static_cast<std::size_t>(tag.tagSize()));
}

TEST(TagCommandTest, OptionsGoAnywhereAndNeedTheirValues) {
  struct Case {
    Strings args;
    std::optional<Strings> files;  // nothing: a usage error
    std::optional<std::string> title, genre;
  };
  const std::vector<Case> cases = {
      {{"a.mp3"}, Strings{"a.mp3"}, {}, {}},
      {{"--title", "T", "a.mp3", "b.mp3", "--genre", ""}, Strings{"a.mp3", "b.mp3"}, "T", ""},
      {{"a.mp3", "--title", "1", "--title", "2"}, Strings{"a.mp3"}, "2", {}},
      {{"--title", "T", "--", "--genre"}, Strings{"--genre"}, "T", {}},
      {{}, {}, {}, {}},
      {{"--title", "T"}, {}, {}, {}},
      {{"a.mp3", "--title"}, {}, {}, {}},
      {{"a.mp3", "--track", "5"}, {}, {}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.args));
    const std::optional<TagArguments> parsed = ParseTagArguments(c.args);
    ASSERT_EQ(parsed.has_value(), c.files.has_value());
    if (!parsed) continue;
    EXPECT_EQ(parsed->files, *c.files);
    EXPECT_EQ(parsed->title, c.title);
    EXPECT_EQ(parsed->genre, c.genre);
    EXPECT_EQ(parsed->setsTexts(), c.title || c.genre);
  }
}

TEST(TagCommandTest, WithoutOptionsItPrintsWhatInfoPrints) {
  TempDir dir;
  const std::string a = dir.write(
      "a.mp3", Id3v23TextTag({.title = "Song", .artist = "Band", .genre = "Rock"}) + kAudio);
  const std::string missing = dir.file("missing.mp3");
  std::ostringstream tagOut, tagErr, infoOut, infoErr;
  EXPECT_EQ(RunTagCommand(*ParseTagArguments({a, missing}), tagOut, tagErr), 1);
  EXPECT_EQ(RunInfoCommand({a, missing}, infoOut, infoErr), 1);
  EXPECT_EQ(tagOut.str(), infoOut.str());
  EXPECT_EQ(tagErr.str(), infoErr.str());
}

TEST(TagCommandTest, OptionsSetTheirTextsAndKeepTheRest) {
  TempDir dir;
  const std::string picture(700, '\x5A');
  const std::string v1 = Id3v1Block({.title = "V1", .artist = "V1 Artist", .genre = 17});
  const std::string tagged = dir.write(
      "tagged.mp3",
      Id3v2Tag(3, Id3v2Frame23("TIT2", Id3v2TextPayload("Old")) +
                      Id3v2Frame23("TPE1", Id3v2TextPayload("Band")) +
                      Id3v2Frame23("TCOM", Id3v2TextPayload("Composer")) +
                      Id3v2Frame23("APIC", Id3v2TextPayload(std::string("image/png\0\x03\0", 13)) +
                                               picture)) +
          kAudio);
  const std::string v1Only = dir.write("v1.mp3", kAudio + v1);
  std::ostringstream out, err;
  EXPECT_EQ(RunTagCommand(*ParseTagArguments({tagged, v1Only, "--title", " Neu Ü ", "--comment",
                                              "東京", "--album", "Album"}),
                          out, err),
            0);
  EXPECT_EQ(err.str(), "");
  EXPECT_EQ(out.str(),
            InfoHeaderLine() + "\n" + InfoLineOf(tagged) + "\n" + InfoLineOf(v1Only) + "\n");
  TID3v2 tag;
  ASSERT_TRUE(tag.LoadTag(tagged));
  EXPECT_EQ(tag.title(), "Neu Ü");
  EXPECT_EQ(tag.artist(), "Band");
  EXPECT_EQ(tag.album(), "Album");
  EXPECT_EQ(tag.comment(), "東京");
  EXPECT_EQ(tag.composer(), "Composer");
  EXPECT_NE(ReadFileBytes(tagged).find(picture), std::string::npos);
  EXPECT_EQ(AfterTheTag(tagged), kAudio);
  // The ID3v1 texts move into the new ID3v2 tag, and the ID3v1 block stays.
  ASSERT_TRUE(tag.LoadTag(v1Only));
  EXPECT_EQ(tag.title(), "Neu Ü");
  EXPECT_EQ(tag.artist(), "V1 Artist");
  EXPECT_EQ(tag.genre(), "Rock");
  EXPECT_EQ(AfterTheTag(v1Only), kAudio + v1);
}

TEST(TagCommandTest, AFileThatCannotBeWrittenIsNamedWithTheReason) {
  TempDir dir;
  const std::string original = Id3v23TextTag({.title = "Old"}) + kAudio;
  const std::string a = dir.write("a.mp3", original);
  const std::string b = dir.write("b.mp3", original);
  const std::string missing = dir.file("missing.mp3");
  FaultyFileSystem fs;
  fs.failRename = true;
  std::ostringstream out, err;
  EXPECT_EQ(RunTagCommand(*ParseTagArguments({a, missing, "--title", "New"}), out, err, fs), 1);
  EXPECT_EQ(err.str(), "songloom-cli: Cannot write the tag of file \"" + a +
                           "\". The file could not be replaced. The file is unchanged.\n"
                           "songloom-cli: no such file: " +
                           missing + "\n");
  EXPECT_EQ(ReadFileBytes(a), original);
  EXPECT_EQ(out.str(), InfoHeaderLine() + "\n" + InfoLineOf(a) + "\n" + missing +
                           "\t0.000\t0\t0\t\t\t\t\t\t\n");

  // The others are written all the same.
  fs.failRename = false;
  std::ostringstream out2, err2;
  EXPECT_EQ(RunTagCommand(*ParseTagArguments({missing, b, "--title", "New"}), out2, err2, fs), 1);
  TID3v2 tag;
  ASSERT_TRUE(tag.LoadTag(b));
  EXPECT_EQ(tag.title(), "New");
}

// Real files made by other programs: each keeps its audio, its ID3v1 block and its other texts.
TEST(TagCommandTest, RealFilesTakeTheirNewTexts) {
  SKIP_WITHOUT_PEER_DATA();
  for (const char* name : {"silence-44-s.mp3", "silence-44-s-v1.mp3", "id3v22-test.mp3",
                           "bad-POPM-frame.mp3", "97-unknown-23-update.mp3", "xing.mp3"}) {
    SCOPED_TRACE(name);
    TempDir dir;
    const std::string path = dir.write(name, ReadFileBytes(PeerDataDir() + "/" + name));
    std::ostringstream before, err;
    ASSERT_EQ(RunTagCommand(*ParseTagArguments({path}), before, err), 0);
    const std::string audio = AfterTheTag(path);
    TMPEGaudio analyser;
    recMP3Info old;
    ReadTrackInfo(analyser, path, old);

    std::ostringstream out;
    ASSERT_EQ(
        RunTagCommand(*ParseTagArguments({path, "--title", "Ærø", "--year", "1987"}), out, err), 0);
    EXPECT_EQ(err.str(), "");
    recMP3Info now;
    ReadTrackInfo(analyser, path, now);
    EXPECT_EQ(now.title, "Ærø");
    EXPECT_EQ(now.year, "1987");
    EXPECT_EQ(now.artist, old.artist);
    EXPECT_EQ(now.album, old.album);
    EXPECT_EQ(now.genre, old.genre);
    EXPECT_EQ(now.comment, old.comment);
    EXPECT_EQ(now.bitrate, old.bitrate);
    EXPECT_EQ(AfterTheTag(path), audio);
    EXPECT_EQ(out.str(), InfoHeaderLine() + "\n" + FormatInfoLine(path, now) + "\n");
  }
}

}  // namespace
