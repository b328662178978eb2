#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/LibraryCommand.h"
#include "cli/ListCommand.h"
#include "cli/SongloomCli.h"
#include "platform/MemoryFileSystem.h"
#include "support/CliProcess.h"
#include "support/FakeMountTable.h"
#include "support/Mp3Builder.h"
#include "support/TempDir.h"

namespace {

using Strings = std::vector<std::string>;

TEST(LibraryCommandTest, ArgumentsAreRootsAndOneSearch) {
  const auto parsed = ParseLibraryArguments({"--root", "/a", "--search", "abba", "--root", "b"});
  ASSERT_TRUE(parsed);
  EXPECT_EQ(parsed->roots, (Strings{"/a", "b"}));
  EXPECT_EQ(parsed->search, "abba");
  EXPECT_TRUE(ParseLibraryArguments({}));
  for (const Strings& wrong : std::vector<Strings>{
           {"--root"}, {"--search", "a", "--search", "b"}, {"--roots", "/a"}, {"/a"}})
    EXPECT_FALSE(ParseLibraryArguments(wrong)) << wrong[0];
}

// Two roots, the second inside the first: each file once; MP3 files, then playlist files.
TEST(LibraryCommandTest, PrintsTheLibraryOrWhatASearchYields) {
  TempDir dir;
  dir.write("music/b/z.mp3",
            Id3v23TextTag({.title = "Zed", .artist = "Ann"}) + Mp3Frames(MpegFrame{}, 10));
  dir.write("music/a.mp3",
            Id3v23TextTag({.title = "Tab\there", .artist = "Bob"}) + Mp3Frames(MpegFrame{}, 10));
  dir.write("music/Mix.m3u", "#EXTM3U\n");
  dir.write("music/notes.txt", "x");
  const std::string m = dir.file("music");
  const std::string a =
      "a.mp3\tMP3\t4.02 KB\t00:00\t128 kbps\tBob\tTab here\t\t\t\t" + m + "/a.mp3\n";
  const std::string z = "z.mp3\tMP3\t4.02 KB\t00:00\t128 kbps\tAnn\tZed\t\t\t\t" + m + "/b/z.mp3\n";
  const std::string mix = "Mix.m3u\tM3U\t0.01 KB\t\t\t\t\t\t\t\t" + m + "/Mix.m3u\n";
  struct Case {
    Strings args;
    std::string rows;
  };
  const std::vector<Case> cases = {
      {{"library", "--root", m, "--root", m + "/b"},
       a + z + mix + "Total: 2 MP3s | 00:00 | 8.04 KB\n"},
      {{"library", "--root", m, "--search", "ann"}, z + "Total: 1 MP3s | 00:00 | 4.02 KB\n"},
      {{"library", "--root", m, "--search", "nobody"}, "Total: 0 MP3s | 00:00 | 0\n"},
  };
  for (const Case& c : cases) {
    std::ostringstream out, err;
    EXPECT_EQ(RunSongloomCli(c.args, out, err), 0);
    EXPECT_EQ(out.str(), ListHeaderLine() + "\n" + c.rows);
    EXPECT_EQ(err.str(), "");  // no progress but for a person at a terminal
  }
}

TEST(LibraryCommandTest, ARootThatIsNoFolderIsAnError) {
  TempDir dir;
  const std::string file = dir.write("a.mp3", "x");
  std::ostringstream out, err;
  EXPECT_EQ(RunSongloomCli({"library", "--root", file}, out, err), 1);
  EXPECT_EQ(out.str(), "");
  EXPECT_EQ(err.str(), "songloom-cli: not a folder: " + file + "\n");
}

// Without roots the local disks are scanned, as the window does.
TEST(LibraryCommandTest, WithoutRootsTheDisksAreScanned) {
  platform::MemoryFileSystem fs;
  fs.addFile("/Music/a.mp3", Mp3Frames(MpegFrame{}, 10));
  fs.addFile("/usr/share/b.mp3", Mp3Frames(MpegFrame{}, 10));  // the system's
  fs.addFile("/root.m3u", "#EXTM3U\n");
  FakeMountTable mounts;
  std::ostringstream out, err;
  EXPECT_EQ(RunLibraryCommand({}, out, err, false, fs, mounts), 0);
  EXPECT_EQ(out.str(), ListHeaderLine() +
                           "\na.mp3\tMP3\t3.98 KB\t00:00\t128 kbps\t\t\t\t\t\t/Music/a.mp3\n"
                           "root.m3u\tM3U\t0.01 KB\t\t\t\t\t\t\t\t/root.m3u\n"
                           "Total: 1 MP3s | 00:00 | 3.98 KB\n");
}

TEST(LibraryCommandTest, ExecutablePrintsTheLibrary) {
  TempDir dir;
  dir.write("music/a.mp3", Mp3Frames(MpegFrame{}, 10));
  const CliRun run = RunCliExecutable({"library", "--root", dir.file("music")}, true);
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_EQ(run.output, ListHeaderLine() + "\na.mp3\tMP3\t3.98 KB\t00:00\t128 kbps\t\t\t\t\t\t" +
                            dir.file("music/a.mp3") + "\nTotal: 1 MP3s | 00:00 | 3.98 KB\n");
}

}  // namespace
