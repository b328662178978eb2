#include "cli/PlaylistCommand.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>

#include "cli/SongloomCli.h"
#include "support/CliProcess.h"
#include "support/FaultyFileSystem.h"
#include "support/TempDir.h"

namespace {

TEST(PlaylistCommandTest, PrintsTheItemsThenTheMissingCount) {
  TempDir dir;
  const std::string a = dir.write("a.mp3", "a");
  const std::string b = dir.write("sub/b.mp3", "b");
  const std::string list =
      dir.write("list.m3u", "#EXTM3U\r\n#EXTINF: 60,Intro\r\na.mp3\r\ngone.mp3\r\nsub\\b.mp3\r\n");
  std::ostringstream out, err;
  EXPECT_EQ(RunSongloomCli({"playlist", list}, out, err), 0);
  EXPECT_EQ(out.str(), "Intro|" + a + "\n|" + b + "\nmissing: 1\n");
  EXPECT_EQ(err.str(), "");
}

TEST(PlaylistCommandTest, PlaylistWithoutEntries) {
  TempDir dir;
  const std::string list = dir.write("empty.pls", "[playlist]\nNumberOfEntries=0\n");
  std::ostringstream out, err;
  EXPECT_EQ(RunPlaylistCommand(list, out, err), 0);
  EXPECT_EQ(out.str(), "missing: 0\n");
}

TEST(PlaylistCommandTest, MissingOrUnreadableFileFails) {
  TempDir dir;
  const std::string list = dir.write("list.m3u", "a.mp3\n");
  FaultyFileSystem fs;
  fs.failRead = true;
  struct Case {
    std::string file;
    std::string message;
  };
  for (const Case& c :
       {Case{dir.file("none.m3u"), "songloom-cli: no such file: " + dir.file("none.m3u") + "\n"},
        Case{list, "songloom-cli: Cannot read file \"" + list + "\".\n"}}) {
    std::ostringstream out, err;
    EXPECT_EQ(RunPlaylistCommand(c.file, out, err, fs), 1);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(err.str(), c.message);
  }
}

TEST(PlaylistCommandTest, ExecutableReadsAPlaylist) {
  TempDir dir;
  const std::string a = dir.write("a.mp3", "a");
  const std::string list = dir.write("list.pls", "[playlist]\r\nFile1=a.mp3\r\nTitle1=A\r\n");
  const CliRun run = RunCliExecutable({"playlist", list}, true);
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_EQ(run.output, "|" + a + "\nmissing: 0\n");
}

}  // namespace
