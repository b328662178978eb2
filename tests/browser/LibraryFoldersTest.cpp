#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "browser/LibraryFolders.h"
#include "platform/MemoryFileSystem.h"

namespace {

using Strings = std::vector<std::string>;

TEST(LibraryFoldersTest, TheFileIsReadLeniently) {
  struct Case {
    const char* name;
    std::string content;
    Strings folders;
  };
  const std::vector<Case> cases = {
      {"one a line", "/music\n/audio books\n", {"/music", "/audio books"}},
      {"Windows line ends, no last line break", "/music\r\n/audio", {"/music", "/audio"}},
      {"byte order mark", "\xEF\xBB\xBF/music\n", {"/music"}},
      {"comments, blanks, relative paths", "# mine\n\n   \nmusic\n/music\n", {"/music"}},
      {"trailing slashes and repeats", "/music/\n/music\n//\n", {"/music", "/"}},
      {"empty", "", {}},
  };
  for (const Case& c : cases) {
    platform::MemoryFileSystem fs;
    fs.addFile("/data/folders.txt", c.content);
    EXPECT_EQ(ReadLibraryFolders(fs, "/data/folders.txt"), c.folders) << c.name;
  }
  platform::MemoryFileSystem fs;
  EXPECT_EQ(ReadLibraryFolders(fs, "/missing.txt"), Strings{});
}

TEST(LibraryFoldersTest, WritingCreatesTheFolderAndReplacesTheFileInOneStep) {
  platform::MemoryFileSystem fs;
  ASSERT_TRUE(WriteLibraryFolders(fs, "/home/u/.local/share/Songloom/library-folders.txt",
                                  {"/music/", "relative", "/bad\nname", "/audio", "/music"}));
  const std::string* text = fs.content("/home/u/.local/share/Songloom/library-folders.txt");
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(*text,
            "# Songloom library folders: one folder a line. Without any, the local disks are "
            "scanned.\n/music\n/audio\n");
  EXPECT_EQ(fs.filePaths().size(), 1u);  // no temporary file left

  fs.faults.rename = true;
  EXPECT_FALSE(WriteLibraryFolders(fs, "/home/u/.local/share/Songloom/library-folders.txt", {}));
  EXPECT_EQ(ReadLibraryFolders(fs, "/home/u/.local/share/Songloom/library-folders.txt"),
            (Strings{"/music", "/audio"}));
  EXPECT_EQ(fs.filePaths().size(), 1u);
}

}  // namespace
