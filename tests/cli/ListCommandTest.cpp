#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "cli/ListCommand.h"
#include "cli/SongloomCli.h"
#include "support/FaultyFileSystem.h"
#include "support/Mp3Builder.h"
#include "support/TempDir.h"

namespace {

const char* const kHeader =
    "File Name\tType\tSize\tDuration\tBitrate\tArtist\tTitle\tAlbum\tYear\tGenre\tPath\n";

TEST(ListCommandTest, PrintsTheBrowserRowsAndTotals) {
  TempDir dir;
  dir.mkdir("music/b");
  dir.mkdir("music/A");
  dir.mkdir("music/.config");
  dir.write("music/z.mp3",
            Id3v23TextTag({.title = "Tab\there", .artist = "Ann"}) + Mp3Frames(MpegFrame{}, 10));
  dir.write("music/Mix.m3u", "#EXTM3U\n");
  dir.write("music/a.pls", "[playlist]\n");
  dir.write("music/.hidden.mp3", "x");
  dir.write("music/notes.txt", "x");
  const std::string m = dir.file("music");
  std::ostringstream out, err;
  EXPECT_EQ(RunSongloomCli({"list", m}, out, err), 0);
  const std::string expected[] = {
      "A\tFOLDER\t\t\t\t\t\t\t\t\t" + m + "/A",
      "b\tFOLDER\t\t\t\t\t\t\t\t\t" + m + "/b",
      "a.pls\tPLS\t0.01 KB\t\t\t\t\t\t\t\t" + m + "/a.pls",
      "Mix.m3u\tM3U\t0.01 KB\t\t\t\t\t\t\t\t" + m + "/Mix.m3u",
      "z.mp3\tMP3\t4.02 KB\t00:00\t128 kbps\tAnn\tTab here\t\t\t\t" + m + "/z.mp3",
      "Total: 1 MP3s | 00:00 | 4.02 KB",
  };
  std::string lines = kHeader;
  for (const std::string& line : expected) lines += line + "\n";
  EXPECT_EQ(out.str(), lines);
  EXPECT_EQ(err.str(), "");
}

TEST(ListCommandTest, EmptyFolderGivesHeaderAndZeroTotals) {
  TempDir dir;
  dir.mkdir("empty");
  std::ostringstream out, err;
  EXPECT_EQ(RunListCommand(dir.file("empty"), out, err), 0);
  EXPECT_EQ(out.str(), std::string(kHeader) + "Total: 0 MP3s | 00:00 | 0\n");
}

TEST(ListCommandTest, FoldersThatCannotBeListedAreErrors) {
  TempDir dir;
  dir.write("file.mp3", "x");
  dir.mkdir("private");
  FaultyFileSystem fs;
  fs.refusedFolders = {dir.file("private")};
  for (const char* name : {"missing", "file.mp3", "private"}) {
    std::ostringstream out, err;
    EXPECT_EQ(RunListCommand(dir.file(name), out, err, fs), 1) << name;
    EXPECT_EQ(out.str(), "") << name;
    EXPECT_NE(err.str().find(dir.file(name)), std::string::npos) << err.str();
  }
}

}  // namespace
