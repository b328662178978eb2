#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/ExportCommand.h"
#include "cli/SongloomCli.h"
#include "support/CliProcess.h"
#include "support/FaultyFileSystem.h"
#include "support/HtmlCheck.h"
#include "support/Mp3Builder.h"
#include "support/TempDir.h"

namespace {

using Args = std::vector<std::string>;

const std::string kRule(455, '-');
constexpr char kValidNames[] =
    "#, Track Name, File Name, Artist, Title, Size, Duration, Year, Album, Genre, Bitrate, Path";

std::string Padded(const std::string& value, std::size_t width) {
  return value + std::string(width > value.size() ? width - value.size() : 0, ' ') + "\t";
}

// A playlist of a 1-second and a 2-second track, and one entry whose file is missing.
class ExportCommandTest : public ::testing::Test {
 protected:
  ExportCommandTest() {
    for (const auto& [name, seconds] : {std::pair{"a", 1}, std::pair{"b", 2}}) {
      std::string audio = Mp3Frames(MpegFrame{}, 2);
      audio.resize(static_cast<std::size_t>(16000 * seconds), '\0');
      dir.write(std::string("music/") + name + ".mp3", audio);
    }
    list = dir.write("music/mix.m3u", "a.mp3\r\ngone.mp3\r\nb.mp3\r\n");
  }

  int Run(const Args& args) { return RunSongloomCli(args, out, err, fs); }

  TempDir dir;
  FaultyFileSystem fs;
  std::string list;
  std::ostringstream out, err;
};

TEST_F(ExportCommandTest, WritesThePlaylistAsTextWithTheChosenColumns) {
  const std::string target = dir.file("mix.txt");
  EXPECT_EQ(Run({"export", list, dir.file("mix.TXT"), "--columns", "#, Track Name,Duration"}), 0);
  EXPECT_EQ(out.str(), target + "\n");
  EXPECT_EQ(err.str(),
            "songloom-cli: 1 missing track(s) of the playlist were left out: their files do not "
            "exist\n");
  EXPECT_EQ(ReadFileBytes(target), list + "\r\n" + kRule + "\r\n" + Padded("#", 5) +
                                       Padded("Track Name", 60) + Padded("Duration", 10) + "\r\n" +
                                       kRule + "\r\n\r\n" + Padded("1.", 5) + Padded("a", 60) +
                                       Padded("00:01", 10) + "\r\n" + Padded("2.", 5) +
                                       Padded("b", 60) + Padded("00:02", 10) + "\r\n" + kRule +
                                       "\r\nTotal Time: 00:03     Total Size: 45.80 KB\r\n");
}

// Without --columns every playlist column; anything but ".txt" is an HTML page.
TEST_F(ExportCommandTest, AnyOtherNameGivesAnHtmlPageOfEveryColumn) {
  const std::string target = dir.file("page.html");
  EXPECT_EQ(Run({"export", "--columns", "", list, dir.file("empty.htm")}), 0);
  EXPECT_EQ(Run({"export", list, dir.file("page")}), 0);
  EXPECT_EQ(out.str(), dir.file("empty.html") + "\n" + target + "\n");
  EXPECT_NE(ReadFileBytes(dir.file("empty.html")).find("  <tr>\r\n</tr>\r\n  <tr>\r\n</tr>"),
            std::string::npos);
  const std::optional<ParsedHtmlPage> page = ParseHtmlPage(target);
  if (!page) GTEST_SKIP() << "python3 is not at hand to parse the page";
  EXPECT_EQ(page->problems, std::vector<std::string>{});
  EXPECT_EQ(page->title, list);
  ASSERT_EQ(page->rows.size(), 3u);
  EXPECT_EQ(page->rows[0].size(), 12u);
  EXPECT_EQ(page->rows[2][0], "2.");
  EXPECT_EQ(page->rows[2][2], "b.mp3");
}

TEST_F(ExportCommandTest, EveryFailureIsToldAndExitsWith1) {
  struct Case {
    std::string what;
    Args args;
    std::string err;
    bool failWrite = false;
  };
  const std::string target = dir.file("out.txt");
  const std::vector<Case> cases = {
      {"an unknown column",
       {"export", list, target, "--columns", "#,Artist,Composer"},
       "songloom-cli: unknown column \"Composer\"; the columns are: " + std::string(kValidNames) +
           "\n"},
      {"an empty name",
       {"export", list, target, "--columns", "#,,Artist"},
       "songloom-cli: unknown column \"\"; the columns are: " + std::string(kValidNames) + "\n"},
      {"a column twice",
       {"export", list, target, "--columns", "Artist,Artist"},
       "songloom-cli: column \"Artist\" is named twice\n"},
      {"no playlist",
       {"export", dir.file("none.m3u"), target},
       "songloom-cli: no such file: " + dir.file("none.m3u") + "\n"},
      {"a folder for a playlist",
       {"export", dir.file("music"), target},
       "songloom-cli: not a file: " + dir.file("music") + "\n"},
      {"no folder to write in",
       {"export", list, dir.file("nowhere/out.txt")},
       "songloom-cli: Cannot write the export file \"" + dir.file("nowhere/out.txt") +
           "\". Its folder does not exist.\n"},
      {"a failing write",
       {"export", list, target},
       "songloom-cli: Cannot write the export file \"" + target +
           "\". The file could not be written.\n",
       true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::ostringstream cout, cerr;
    fs.failWriteAfterBytes = c.failWrite;
    EXPECT_EQ(RunSongloomCli(c.args, cout, cerr, fs), 1);
    EXPECT_EQ(cout.str(), "");
    EXPECT_EQ(cerr.str(), c.err);
    EXPECT_FALSE(std::filesystem::exists(target));
  }
  EXPECT_EQ(SortedFolderNames(dir.path()), (std::vector<std::string>{"music"}));
}

TEST_F(ExportCommandTest, ArgumentsThatDoNotFitShowTheUsage) {
  for (const Args& args :
       std::vector<Args>{{"export"},
                         {"export", list},
                         {"export", list, "a.txt", "b.txt"},
                         {"export", list, "a.txt", "--columns"},
                         {"export", "--columns", "#", "--columns", "#", list, "a.txt"}}) {
    std::ostringstream cout, cerr;
    EXPECT_EQ(RunSongloomCli(args, cout, cerr, fs), 2) << args.size();
    EXPECT_TRUE(cerr.str().starts_with("usage:"));
  }
}

TEST_F(ExportCommandTest, TheExecutableExports) {
  const CliRun run =
      RunCliExecutable({"export", list, dir.file("x.txt"), "--columns", "File Name"}, false);
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_EQ(run.output, dir.file("x.txt") + "\n");
  EXPECT_NE(ReadFileBytes(dir.file("x.txt")).find(Padded("b.mp3", 60)), std::string::npos);
}

}  // namespace
