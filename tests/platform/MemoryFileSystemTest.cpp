#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/MemoryFileSystem.h"

namespace {

using platform::MemoryFileSystem;

std::string ReadAll(platform::ReadFile& file) {
  std::string bytes(static_cast<std::size_t>(file.size()), '\0');
  bytes.resize(static_cast<std::size_t>(
      std::max<std::int64_t>(file.readAt(0, bytes.data(), bytes.size()), 0)));
  return bytes;
}

TEST(MemoryFileSystem, FilesAndFoldersAnswerLikeTheDisk) {
  MemoryFileSystem fs;
  fs.addFile("/music/a.mp3", "0123456789");
  EXPECT_TRUE(fs.fileExists("/music/a.mp3"));
  EXPECT_FALSE(fs.fileExists("/music"));
  EXPECT_TRUE(fs.directoryExists("/music"));
  EXPECT_TRUE(fs.directoryExists("/music/"));
  EXPECT_TRUE(fs.directoryExists("/"));
  EXPECT_EQ(fs.fileSize("/music/a.mp3"), 10);
  EXPECT_EQ(fs.fileSize("/music"), 0);
  EXPECT_EQ(fs.fileSize("/music/b.mp3"), -1);
  EXPECT_FALSE(fs.openRead("/music"));

  auto file = fs.openRead("/music/a.mp3");
  ASSERT_TRUE(file);
  char buf[8] = {};
  EXPECT_EQ(file->readAt(6, buf, sizeof buf), 4);
  EXPECT_EQ(std::string(buf, 4), "6789");
  EXPECT_EQ(file->readAt(20, buf, sizeof buf), 0);
  EXPECT_EQ(file->readAt(-1, buf, sizeof buf), -1);

  EXPECT_FALSE(fs.createFile("/missing/x.mp3")) << "no folder to hold it";
  EXPECT_FALSE(fs.createFile("/music")) << "a folder holds the name";
  EXPECT_TRUE(fs.createDirectory("/music/sub/"));
  EXPECT_FALSE(fs.createDirectory("/music/sub"));
  std::vector<platform::DirEntry> entries;
  ASSERT_TRUE(fs.listDirectory("/music", entries));
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].name, "a.mp3");
  EXPECT_EQ(entries[0].kind, platform::EntryKind::File);
  EXPECT_EQ(entries[1].name, "sub");
  EXPECT_EQ(entries[1].kind, platform::EntryKind::Directory);
  EXPECT_FALSE(fs.listDirectory("/nope", entries));
}

TEST(MemoryFileSystem, OpenReadersKeepTheContentARenameReplacesButSeeATruncation) {
  MemoryFileSystem fs;
  fs.addFile("/a.mp3", "old");
  auto reader = fs.openRead("/a.mp3");
  auto out = fs.createFile("/a.tmp");
  ASSERT_TRUE(out && out->write("new", 3) && out->flush() && out->close());
  EXPECT_FALSE(out->write("x", 1)) << "closed";
  ASSERT_TRUE(fs.rename("/a.tmp", "/a.mp3"));
  EXPECT_EQ(*fs.content("/a.mp3"), "new");
  EXPECT_EQ(fs.filePaths(), std::vector<std::string>{"/a.mp3"});
  EXPECT_EQ(ReadAll(*reader), "old");

  auto second = fs.openRead("/a.mp3");
  ASSERT_TRUE(fs.createFile("/a.mp3"));
  EXPECT_EQ(ReadAll(*second), "") << "truncated under the reader, as on the disk";
}

// Each switch makes its step fail, is counted, and leaves an atomic replacement without effect.
TEST(MemoryFileSystem, SwitchedFailuresStrikeTheirStepOnly) {
  struct Case {
    const char* name;
    MemoryFileSystem::Faults faults;
  };
  const Case cases[] = {
      {"create", {.create = true}}, {"write", {.writeLimit = 2}}, {"flush", {.flush = true}},
      {"close", {.close = true}},   {"rename", {.rename = true}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MemoryFileSystem fs;
    fs.addFile("/list.m3u", "old");
    fs.faults = c.faults;
    const bool replaced = platform::ReplaceFileAtomically(
        fs, "/list.m3u", ".tmp", [](platform::WriteFile& file) { return file.write("new", 3); });
    EXPECT_FALSE(replaced);
    EXPECT_EQ(fs.faultsHit, 1);
    EXPECT_EQ(*fs.content("/list.m3u"), "old");
    EXPECT_EQ(fs.filePaths(), std::vector<std::string>{"/list.m3u"});
  }
  MemoryFileSystem fs;
  fs.faults.writeLimit = 3;
  auto out = fs.createFile("/x");
  ASSERT_TRUE(out);
  EXPECT_TRUE(out->write("abc", 3)) << "within the limit";
  EXPECT_EQ(fs.faultsHit, 0);
}

}  // namespace
