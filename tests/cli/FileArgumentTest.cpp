#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/FileArgument.h"
#include "support/TempDir.h"

namespace {

TEST(FileArgumentTest, OnlyARegularFileIsTakenAndEverythingElseIsNamed) {
  TempDir dir;
  struct Case {
    std::string path;
    bool taken;
    std::string message;
  };
  const std::vector<Case> cases = {
      {dir.write("list.m3u", "a.mp3\n"), true, ""},
      {dir.file("none.m3u"), false, "songloom-cli: no such file: " + dir.file("none.m3u") + "\n"},
      {dir.mkdir("folder.m3u"), false,
       "songloom-cli: not a file: " + dir.file("folder.m3u") + "\n"},
      {dir.fifo("fifo.m3u"), false, "songloom-cli: not a file: " + dir.file("fifo.m3u") + "\n"},
  };
  for (const Case& c : cases) {
    std::ostringstream err;
    EXPECT_EQ(CheckFileArgument(c.path, err, platform::localFileSystem()), c.taken) << c.path;
    EXPECT_EQ(err.str(), c.message);
  }
}

}  // namespace
