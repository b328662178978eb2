#include "tracks/AutosavePath.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/FaultyFileSystem.h"
#include "support/TempDir.h"

namespace {

TEST(AutosavePathTest, BesideTheExecutableWhenItsFolderTakesFiles) {
  TempDir dir;
  const std::string bin = dir.mkdir("bin");
  EXPECT_EQ(ChooseAutosavePath(bin + "/songloom", dir.file("data")), bin + "/songloom.m3u");
  EXPECT_EQ(ChooseAutosavePath(bin + "/songloom.bin", dir.file("data")), bin + "/songloom.m3u");
  // The probe leaves nothing behind, and the user folder is not made.
  EXPECT_TRUE(std::filesystem::is_empty(bin));
  EXPECT_FALSE(std::filesystem::exists(dir.file("data")));
}

TEST(AutosavePathTest, InTheUserDataFolderOtherwise) {
  TempDir dir;
  const std::string bin = dir.mkdir("bin");
  FaultyFileSystem fs;
  fs.failCreate = true;  // the executable's folder takes no new file
  EXPECT_EQ(ChooseAutosavePath(bin + "/songloom", dir.file("share/Songloom/"), fs),
            dir.file("share/Songloom/songloom.m3u"));
  EXPECT_TRUE(std::filesystem::is_directory(dir.file("share/Songloom")));
}

}  // namespace
