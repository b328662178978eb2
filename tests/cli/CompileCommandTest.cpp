#include "cli/CompileCommand.h"

#include <gtest/gtest.h>
#include <filesystem>
#include <sstream>
#include <string>

#include "cli/SongloomCli.h"
#include "support/CliProcess.h"
#include "support/FaultyFileSystem.h"
#include "support/Mp3Builder.h"
#include "support/TempDir.h"
#include "tracks/TrackTexts.h"

namespace {

namespace stdfs = std::filesystem;

// Two short tracks told apart by their bit rate.
const std::string kTrackA = Mp3Frames(MpegFrame{.kbps = 128}, 2);
const std::string kTrackB = Mp3Frames(MpegFrame{.kbps = 64}, 2);
const std::int64_t kTotal = static_cast<std::int64_t>(kTrackA.size() + kTrackB.size());

class CompileCommandTest : public ::testing::Test {
 protected:
  // The two tracks next to the playlist "lists/Road Trip.m3u", one in a subfolder.
  std::string WritePlaylist(const std::string& lines = "a.mp3\r\nsub/b.mp3\r\n") {
    dir.write("lists/a.mp3", kTrackA);
    dir.write("lists/sub/b.mp3", kTrackB);
    return dir.write("lists/Road Trip.m3u", "#EXTM3U\r\n" + lines);
  }

  TempDir dir;
  std::string dest = dir.mkdir("dest");
  std::string folder = dest + "/Road Trip";
};

TEST_F(CompileCommandTest, PrintsEachCopyAndThenTheFolder) {
  const std::string list = WritePlaylist();
  std::ostringstream out, err;
  EXPECT_EQ(RunSongloomCli({"compile", list, dest}, out, err), 0);
  EXPECT_EQ(out.str(), folder + "\n");
  EXPECT_EQ(err.str(), folder + "/1 a.mp3\n" + folder + "/2 b.mp3\n" +
                           "MP3 Compilation was successfully created in the following folder:\n" +
                           folder +
                           "\nNow you can burn it on CD/DVD using your favorite burning software\n"
                           "(e.g. Nero), or copy it to your portable MP3 player or memory card.\n"
                           "Enjoy listening your compilation!\n");
  EXPECT_EQ(ReadFileBytes(folder + "/2 b.mp3"), kTrackB);
}

TEST_F(CompileCommandTest, EveryFailureIsToldAndExitsWith1) {
  struct Case {
    std::string what;
    std::string lines = "a.mp3\r\nsub/b.mp3\r\n";
    std::int64_t freeSpace = -1;
    std::int64_t copyFailsAt = -1;
    bool fileInTheWay = false;
    std::string err;
  };
  const std::string a = dir.file("lists/a.mp3");
  const std::string missingMessage =
      "missing MP3 files in your playlist.\nPlease, remove the missing files from playlist,\n"
      "and then click on Create MP3 Compilation...\nThese files do not exist:\n";
  std::string manyLines, manyListed;
  for (int i = 1; i <= 21; ++i) {
    manyLines += std::to_string(i) + ".mp3\r\n";
    if (i <= 20) manyListed += dir.file("lists/" + std::to_string(i) + ".mp3") + "\n";
  }
  const Case cases[] = {
      {.what = "empty",
       .lines = "",
       .err = "MP3 Playlist is empty!\nAdd MP3s to playlist first,\n"
              "and then click on Create MP3 Compilation...\n"},
      {.what = "missing",
       .lines = "a.mp3\r\ngone.mp3\r\nsub/b.mp3\r\nalso gone.mp3\r\n",
       .err = "There are 2 " + missingMessage + dir.file("lists/gone.mp3") + "\n" +
              dir.file("lists/also gone.mp3") + "\n"},
      {.what = "many missing",
       .lines = manyLines + "a.mp3\r\n",
       .err = "There are 21 " + missingMessage + manyListed + "and 1 more\n"},
      {.what = "no space",
       .freeSpace = kTotal - 1,
       .err = "There is not enough disk space to create a compilation.\nPlease, select another "
              "drive, or free up a space on drive " +
              folder + "\nThere must be at least " + SizeText(kTotal) + " of free space.\n"},
      {.what = "folder", .fileInTheWay = true, .err = "Cannot create folder.\n"},
      {.what = "copy",
       .copyFailsAt = 0,
       .err = folder + "/2 b.mp3\nMP3 Compilation was created in the following folder:\n" + folder +
              "\nbut these files could not be copied:\n" + a + "\n"},
  };
  for (const Case& c : cases) {
    std::error_code ec;
    stdfs::remove_all(dest, ec);
    dir.mkdir("dest");
    if (c.fileInTheWay) dir.write("dest/Road Trip", "in the way");
    const std::string list = WritePlaylist(c.lines);
    FaultyFileSystem fs;
    fs.freeSpaceOverride = c.freeSpace;
    fs.copyFailsAtCall = c.copyFailsAt;
    std::ostringstream out, err;
    EXPECT_EQ(RunCompileCommand(list, dest, false, out, err, fs), 1) << c.what;
    EXPECT_EQ(out.str(), "") << c.what;
    EXPECT_EQ(err.str(), c.err) << c.what;
  }
}

TEST_F(CompileCommandTest, APlaylistThatCannotBeReadIsTold) {
  std::ostringstream out, err;
  EXPECT_EQ(RunCompileCommand(dir.file("none.m3u"), dest, false, out, err), 1);
  EXPECT_EQ(err.str(), "songloom-cli: no such file: " + dir.file("none.m3u") + "\n");
  FaultyFileSystem fs;
  fs.failRead = true;
  const std::string list = WritePlaylist();
  std::ostringstream out2, err2;
  EXPECT_EQ(RunCompileCommand(list, dest, false, out2, err2, fs), 1);
  EXPECT_EQ(err2.str(), "songloom-cli: Cannot read file \"" + list + "\".\n");
  EXPECT_TRUE(stdfs::is_empty(dest));
}

TEST_F(CompileCommandTest, ExecutableCompilesTwiceWithoutOverwriting) {
  const std::string list = WritePlaylist();
  for (const std::string& expected : {folder, folder + "1"}) {
    const CliRun run = RunCliExecutable({"compile", list, dest + "/"}, false);
    EXPECT_EQ(run.exitStatus, 0);
    EXPECT_EQ(run.output, expected + "\n");
    EXPECT_EQ(ReadFileBytes(expected + "/1 a.mp3"), kTrackA);
  }
}

TEST_F(CompileCommandTest, FilesWithoutAudioAreRefusedUnlessAllowed) {
  const std::string list = WritePlaylist("a.mp3\r\nbroken.mp3\r\nsub/b.mp3\r\n");
  const std::string broken = dir.write("lists/broken.mp3", "");
  std::ostringstream out, err;
  EXPECT_EQ(RunSongloomCli({"compile", list, dest}, out, err), 1);
  EXPECT_EQ(out.str(), "");
  EXPECT_EQ(err.str(), "These files hold no MPEG audio and will not play:\n" + broken +
                           "\nCopy them to the compilation all the same?\n"
                           "songloom-cli: nothing copied; give --allow-unplayable to copy them "
                           "all the same\n");
  EXPECT_TRUE(stdfs::is_empty(dest));

  std::ostringstream out2, err2;
  EXPECT_EQ(RunSongloomCli({"compile", "--allow-unplayable", list, dest}, out2, err2), 0);
  EXPECT_EQ(out2.str(), folder + "\n");
  EXPECT_EQ(SortedFolderNames(folder), (std::vector<std::string>{"1 a.mp3", "2 broken.mp3",
                                                                 "3 b.mp3"}));
}

}  // namespace
