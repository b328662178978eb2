#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

#include "cli/InfoCommand.h"
#include "cli/SongloomCli.h"
#include "support/Mp3Builder.h"
#include "support/CliProcess.h"
#include "support/TempDir.h"

namespace {

TEST(SongloomCliTest, WrongUseShowsTheUsageAndExits2) {
  const std::vector<std::vector<std::string>> cases = {
      {},
      {"info"},
      {"play", "a.mp3"},
      {"INFO", "a.mp3"},
      {"compile", "list.m3u"},
      {"list"},
      {"tag"},
      {"tag", "a.mp3", "--title"},
      {"library", "--root"},
      {"library", "--search", "a", "--search", "b"}};
  for (const auto& args : cases) {
    std::ostringstream out, err;
    EXPECT_EQ(RunSongloomCli(args, out, err), 2) << args.size();
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(err.str(),
              "usage: songloom-cli info FILE...\n"
              "       songloom-cli playlist FILE\n"
              "       songloom-cli compile [--allow-unplayable] PLAYLIST DEST\n"
              "       songloom-cli list FOLDER\n"
              "       songloom-cli tag FILE... [--title T] [--artist A] [--album A] [--year Y]\n"
              "                        [--genre G] [--comment C]\n"
              "       songloom-cli library [--root DIR]... [--search TEXT]\n"
              "       songloom-cli export PLAYLIST OUT [--columns \"#,Track Name,Duration\"]\n");
  }
}

TEST(SongloomCliTest, InfoRunsOverEveryFile) {
  TempDir dir;
  const std::string a = dir.write("a.mp3", Mp3Frames(MpegFrame{}, 10));
  std::ostringstream out, err;
  EXPECT_EQ(RunSongloomCli({"info", a, a}, out, err), 0);
  const std::string line = a + "\t0.261\t128\t4170\t\t\t\t\t\t\n";
  EXPECT_EQ(out.str(), InfoHeaderLine() + "\n" + line + line);
  EXPECT_EQ(err.str(), "");
}

TEST(SongloomCliTest, InfoNamesWhatIsNotAFileAndExits1) {
  TempDir dir;
  const std::string a = dir.write("a.mp3", Mp3Frames(MpegFrame{}, 10));
  const std::string missing = dir.file("missing.mp3");
  const std::string folder = dir.mkdir("folder.mp3");
  const std::string fifo = dir.fifo("fifo.mp3");
  std::ostringstream out, err;
  EXPECT_EQ(RunSongloomCli({"info", missing, a, folder, fifo}, out, err), 1);
  // Still one line per argument, so scripts keep reading the lines they expect.
  const std::string zeros = "\t0.000\t0\t0\t\t\t\t\t\t\n";
  EXPECT_EQ(out.str(), InfoHeaderLine() + "\n" + missing + zeros + a +
                           "\t0.261\t128\t4170\t\t\t\t\t\t\n" + folder + zeros + fifo + zeros);
  EXPECT_EQ(err.str(), "songloom-cli: no such file: " + missing + "\nsongloom-cli: not a file: " +
                           folder + "\nsongloom-cli: not a file: " + fifo + "\n");
}

TEST(SongloomCliTest, ExecutablePrintsTheInfoLines) {
  TempDir dir;
  const std::string a = dir.write("a.mp3", Mp3Frames(MpegFrame{}, 10));
  const std::string b = dir.write("b.mp3", "not audio");
  const CliRun run = RunCliExecutable({"info", a, b}, true);
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_EQ(run.output, InfoHeaderLine() + "\n" + a + "\t0.261\t128\t4170\t\t\t\t\t\t\n" + b +
                        "\t0.000\t0\t0\t\t\t\t\t\t\n");
}

TEST(SongloomCliTest, ExecutableDoesNotWaitOnAFifo) {
  TempDir dir;
  const std::string fifo = dir.fifo("fifo.mp3");
  const std::string a = dir.write("a.mp3", Mp3Frames(MpegFrame{}, 10));
  const CliRun run = RunCliExecutable({"info", fifo, a}, false);
  EXPECT_EQ(run.exitStatus, 1);
  EXPECT_EQ(run.output, InfoHeaderLine() + "\n" + fifo + "\t0.000\t0\t0\t\t\t\t\t\t\n" + a +
                            "\t0.261\t128\t4170\t\t\t\t\t\t\n");
}

}  // namespace
