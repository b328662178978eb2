#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/InfoCommand.h"
#include "support/Mp3Builder.h"
#include "support/TagBuilder.h"
#include "support/TempDir.h"

namespace {

TEST(InfoCommandTest, HeaderNamesTheTenFields) {
  EXPECT_EQ(InfoHeaderLine(),
            "path\tduration\tbitrate\tsize\ttitle\tartist\talbum\tyear\tgenre\tcomment");
}

TEST(InfoCommandTest, LineHoldsTheFiguresAndTexts) {
  const recMP3Info info{222.19809523809523, 233, 8192, "Title", "Artist", "Album", "2007", "Dance",
                        "Comment"};
  EXPECT_EQ(FormatInfoLine("/m/a b.mp3", info),
            "/m/a b.mp3\t222.198\t233\t8192\tTitle\tArtist\tAlbum\t2007\tDance\tComment");
  EXPECT_EQ(FormatInfoLine("/m/x.mp3", recMP3Info{}), "/m/x.mp3\t0.000\t0\t0\t\t\t\t\t\t");
  recMP3Info big;
  big.duration = 187500;
  big.size = 3'000'000'000;
  EXPECT_EQ(FormatInfoLine("x", big), "x\t187500.000\t0\t3000000000\t\t\t\t\t\t");
}

TEST(InfoCommandTest, ControlCharactersInTextsBecomeSpaces) {
  recMP3Info info;
  info.title = "a\tb";
  info.artist = "line\r\nbreak";
  info.album = std::string("inner\0zero", 10);
  info.comment =
      "del\x7F"
      "caf\xC3\xA9";  // UTF-8 stays as it is
  EXPECT_EQ(FormatInfoLine("dir/new\nline.mp3", info),
            "dir/new line.mp3\t0.000\t0\t0\ta b\tline  break\tinner zero\t\t\tdel caf\xC3\xA9");
}

TEST(InfoCommandTest, PrintsOneLinePerFileAndZerosForAMissingOne) {
  TempDir dir;
  const std::string tag = Id3v23TextTag({.title = "Song", .artist = "Band", .genre = "Rock"});
  const std::string song = dir.write("song.mp3", tag + Mp3Frames(MpegFrame{}, 10));
  const std::string missing = dir.file("missing.mp3");
  std::ostringstream out, err;
  EXPECT_EQ(RunInfoCommand({song, missing}, out, err), 1);
  EXPECT_EQ(out.str(), InfoHeaderLine() + "\n" + song + "\t0.261\t128\t" +
                           std::to_string(tag.size() + 4170) + "\tSong\tBand\t\t\tRock\t\n" +
                           missing + "\t0.000\t0\t0\t\t\t\t\t\t\n");
  EXPECT_EQ(err.str(), "songloom-cli: no such file: " + missing + "\n");
}

}  // namespace
