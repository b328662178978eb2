#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <future>
#include <string>
#include <vector>

#include "platform/FileSystem.h"
#include "support/FaultyFileSystem.h"
#include "support/TempDir.h"

namespace {

platform::FileSystem& fs() { return platform::localFileSystem(); }

// Runs call on a thread of its own. A call that has not returned after a long wait is stuck in
// an open of the FIFO: opening both of its ends here lets it go on, and the answer is false, so
// a fault fails the test instead of hanging it.
bool ReturnsWithoutBlocking(const std::string& fifo, const std::function<void()>& call) {
  std::future<void> done = std::async(std::launch::async, call);
  if (done.wait_for(std::chrono::seconds(20)) == std::future_status::ready) return true;
  const int release = ::open(fifo.c_str(), O_RDWR | O_NONBLOCK);
  done.wait();
  if (release >= 0) ::close(release);
  return false;
}

bool IsFifo(const std::string& path) {
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0 && S_ISFIFO(st.st_mode);
}

TEST(LocalFileSystem, PositionalReadsAreShortAtTheEndAndRejectNegativeOffsets) {
  TempDir dir;
  const auto path = dir.write("a.bin", "0123456789");
  auto file = fs().openRead(path);
  ASSERT_TRUE(file);
  EXPECT_EQ(file->size(), 10);
  char buf[8] = {};
  EXPECT_EQ(file->readAt(6, buf, sizeof buf), 4);
  EXPECT_EQ(std::string(buf, 4), "6789");
  EXPECT_EQ(file->readAt(20, buf, sizeof buf), 0);
  EXPECT_EQ(file->readAt(-1, buf, sizeof buf), -1);
}

TEST(LocalFileSystem, FoldersAndMissingFilesDoNotOpen) {
  TempDir dir;
  dir.mkdir("x.mp3");
  EXPECT_FALSE(fs().openRead(dir.file("x.mp3")));
  EXPECT_FALSE(fs().openRead(dir.file("missing.mp3")));
  EXPECT_EQ(fs().fileSize(dir.file("missing.mp3")), -1);
  EXPECT_EQ(fs().fileSize(dir.file("x.mp3")), 0);
  EXPECT_TRUE(fs().directoryExists(dir.file("x.mp3")));
  EXPECT_FALSE(fs().fileExists(dir.file("x.mp3")));
}

TEST(LocalFileSystem, NothingWaitsOnAFifo) {
  struct Case {
    const char* what;
    std::function<bool(const std::string& fifo, const TempDir& dir)> run;  // true: refused
  };
  const std::vector<Case> cases = {
      {"openRead", [](const std::string& fifo, const TempDir&) { return !fs().openRead(fifo); }},
      {"readWholeFile",
       [](const std::string& fifo, const TempDir&) {
         std::string content;
         return !platform::readWholeFile(fs(), fifo, content);
       }},
      {"createFile",
       [](const std::string& fifo, const TempDir&) { return !fs().createFile(fifo); }},
      {"createNewFile",
       [](const std::string& fifo, const TempDir&) { return !fs().createNewFile(fifo); }},
      {"listDirectory",
       [](const std::string& fifo, const TempDir&) {
         std::vector<platform::DirEntry> entries;
         return !fs().listDirectory(fifo, entries);
       }},
      {"copyFile from",
       [](const std::string& fifo, const TempDir& dir) {
         return !fs().copyFile(fifo, dir.file("copy.mp3")) &&
                !fs().fileExists(dir.file("copy.mp3"));
       }},
      {"copyFile to",
       [](const std::string& fifo, const TempDir& dir) {
         return !fs().copyFile(dir.write("song.mp3", "audio"), fifo);
       }},
  };
  for (const Case& c : cases) {
    TempDir dir;
    const std::string fifo = dir.fifo("x.mp3");
    bool refused = false;
    EXPECT_TRUE(ReturnsWithoutBlocking(fifo, [&] { refused = c.run(fifo, dir); })) << c.what;
    EXPECT_TRUE(refused) << c.what;
    EXPECT_TRUE(IsFifo(fifo)) << c.what;
  }
}

TEST(LocalFileSystem, WriteRenameAndCopyKeepContentAndTime) {
  TempDir dir;
  auto out = fs().createFile(dir.file("new.tmp"));
  ASSERT_TRUE(out);
  ASSERT_TRUE(out->write("abc", 3));
  ASSERT_TRUE(out->flush());
  ASSERT_TRUE(out->close());
  dir.write("old.txt", "old content");
  ASSERT_TRUE(fs().rename(dir.file("new.tmp"), dir.file("old.txt")));
  EXPECT_EQ(ReadFileBytes(dir.file("old.txt")), "abc");
  EXPECT_FALSE(fs().fileExists(dir.file("new.tmp")));

  const auto src = dir.write("src.mp3", "audio");
  struct timespec times[2] = {{1000000000, 0}, {1000000000, 0}};
  ASSERT_EQ(::utimensat(AT_FDCWD, src.c_str(), times, 0), 0);
  ASSERT_TRUE(fs().copyFile(src, dir.file("copy.mp3")));
  struct stat st {};
  ASSERT_EQ(::stat(dir.file("copy.mp3").c_str(), &st), 0);
  EXPECT_EQ(st.st_mtim.tv_sec, 1000000000);
  EXPECT_EQ(ReadFileBytes(dir.file("copy.mp3")), "audio");
}

TEST(LocalFileSystem, ListingMarksLinksAndKinds) {
  TempDir dir;
  dir.write("f.mp3", "x");
  dir.mkdir("sub");
  ASSERT_EQ(::symlink(dir.file("sub").c_str(), dir.file("link").c_str()), 0);
  std::vector<platform::DirEntry> entries;
  ASSERT_TRUE(fs().listDirectory(dir.path(), entries));
  std::sort(entries.begin(), entries.end(),
            [](const auto& a, const auto& b) { return a.name < b.name; });
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].name, "f.mp3");
  EXPECT_EQ(entries[0].kind, platform::EntryKind::File);
  EXPECT_EQ(entries[1].name, "link");
  EXPECT_TRUE(entries[1].isSymlink);
  EXPECT_EQ(entries[1].kind, platform::EntryKind::Directory);
  EXPECT_EQ(entries[2].name, "sub");
  EXPECT_FALSE(entries[2].isSymlink);
  EXPECT_FALSE(fs().listDirectory(dir.file("nope"), entries));
}

TEST(LocalFileSystem, CopyReplacesTheTargetAndNeverEmptiesItsSource) {
  TempDir dir;
  std::string big(3 * 1024 * 1024 + 7, '\0');
  for (std::size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>(i * 131 % 251);
  const auto src = dir.write("big.mp3", big);
  const auto target = dir.write("target.mp3", big + "longer than the source");
  EXPECT_TRUE(fs().copyFile(src, target));
  EXPECT_EQ(ReadFileBytes(target), big);

  EXPECT_FALSE(fs().copyFile(src, src));
  EXPECT_EQ(ReadFileBytes(src), big);
  EXPECT_FALSE(fs().copyFile(dir.file("none.mp3"), dir.file("none copy.mp3")));
  EXPECT_FALSE(fs().fileExists(dir.file("none copy.mp3")));
  EXPECT_FALSE(fs().copyFile(dir.mkdir("folder"), dir.file("folder copy")));
}

TEST(LocalFileSystem, ReplacingThroughALinkKeepsTheLinkAndReplacesItsTarget) {
  TempDir dir;
  const auto target = dir.write("music/song.mp3", "old");
  ASSERT_EQ(::symlink(target.c_str(), dir.file("link.mp3").c_str()), 0);
  const auto write = [](platform::WriteFile& file) { return file.write("new", 3); };
  ASSERT_TRUE(platform::ReplaceFileAtomically(fs(), dir.file("link.mp3"), "~", write));
  struct stat st {};
  ASSERT_EQ(::lstat(dir.file("link.mp3").c_str(), &st), 0);
  EXPECT_TRUE(S_ISLNK(st.st_mode));
  EXPECT_EQ(ReadFileBytes(target), "new");
  EXPECT_EQ(SortedFolderNames(dir.file("music")), std::vector<std::string>{"song.mp3"});
}

TEST(LocalFileSystem, AFailedReplaceLeavesTheFileAndNoTemporary) {
  TempDir dir;
  const auto path = dir.write("list.m3u", "old");
  const auto fail = [](platform::WriteFile& file) { return file.write("partial", 7) && false; };
  EXPECT_FALSE(platform::ReplaceFileAtomically(fs(), path, ".tmp", fail));
  EXPECT_EQ(ReadFileBytes(path), "old");
  EXPECT_EQ(SortedFolderNames(dir.path()), std::vector<std::string>{"list.m3u"});
}

TEST(LocalFileSystem, CreateNewFileNeverOpensWhatExists) {
  TempDir dir;
  const auto file = dir.write("a.mp3", "old");
  ASSERT_EQ(::symlink(dir.file("nowhere").c_str(), dir.file("dangling").c_str()), 0);
  for (const std::string& path : {file, dir.mkdir("sub"), dir.fifo("fifo"), dir.file("dangling")})
    EXPECT_FALSE(fs().createNewFile(path)) << path;
  EXPECT_EQ(ReadFileBytes(file), "old");
  EXPECT_FALSE(fs().fileExists(dir.file("nowhere")));
  auto created = fs().createNewFile(dir.file("new.mp3"));
  ASSERT_TRUE(created);
  ASSERT_TRUE(created->write("new", 3));
  ASSERT_TRUE(created->close());
  EXPECT_EQ(ReadFileBytes(dir.file("new.mp3")), "new");
}

TEST(LocalFileSystem, TheDefaultCreateNewFileRefusesTakenNamesToo) {
  TempDir dir;
  const auto file = dir.write("a.mp3", "old");
  FaultyFileSystem faulty;  // the qualified calls run the default, not the override
  for (const std::string& path : {file, dir.mkdir("sub"), dir.fifo("fifo")})
    EXPECT_FALSE(faulty.platform::FileSystem::createNewFile(path)) << path;
  EXPECT_EQ(ReadFileBytes(file), "old");
  auto created = faulty.platform::FileSystem::createNewFile(dir.file("new.mp3"));
  ASSERT_TRUE(created);
  ASSERT_TRUE(created->write("new", 3));
  ASSERT_TRUE(created->close());
  EXPECT_EQ(ReadFileBytes(dir.file("new.mp3")), "new");
}

const auto kWriteNew = [](platform::WriteFile& file) { return file.write("new", 3); };

TEST(LocalFileSystem, AFolderThatRefusesNewFilesIsTriedOnce) {
  TempDir dir;
  const auto path = dir.write("song.mp3", "old");
  FaultyFileSystem faulty;
  faulty.failCreate = true;
  EXPECT_FALSE(platform::ReplaceFileAtomically(faulty, path, "~", kWriteNew));
  EXPECT_EQ(faulty.createNewFileCalls, 1);
  EXPECT_EQ(SortedFolderNames(dir.path()), std::vector<std::string>{"song.mp3"});
}

TEST(LocalFileSystem, TemporaryNamesTakenMeanwhileAreLeftAloneAndOthersTried) {
  TempDir dir;
  const auto path = dir.write("song.mp3", "old");
  FaultyFileSystem faulty;
  faulty.occupyNewFileNames = 3;
  ASSERT_TRUE(platform::ReplaceFileAtomically(faulty, path, "~", kWriteNew));
  EXPECT_EQ(ReadFileBytes(path), "new");
  ASSERT_EQ(faulty.renamed.size(), 1u);
  EXPECT_TRUE(faulty.renamed[0].starts_with(path + "~.")) << faulty.renamed[0];
  ASSERT_EQ(faulty.occupiedNames.size(), 3u);
  for (const std::string& taken : faulty.occupiedNames)
    EXPECT_EQ(ReadFileBytes(taken), FaultyFileSystem::kOccupiedBytes);

  // When no free name turns up, nothing is written and nothing removed.
  faulty.occupyNewFileNames = 1000;
  EXPECT_FALSE(platform::ReplaceFileAtomically(faulty, path, "~", kWriteNew));
  EXPECT_EQ(ReadFileBytes(path), "new");
  EXPECT_GT(faulty.occupiedNames.size(), 3u);
  for (const std::string& taken : faulty.occupiedNames)
    EXPECT_EQ(ReadFileBytes(taken), FaultyFileSystem::kOccupiedBytes);
  EXPECT_EQ(SortedFolderNames(dir.path()).size(), faulty.occupiedNames.size() + 1);
}

TEST(LocalFileSystem, FilesOfTheLongestNamesAreReplacedToo) {
  // 253 bytes, two-byte characters from the second byte on: shortening must not split one.
  std::string name = "x";
  for (int i = 0; i < 124; ++i) name += "\xC3\xA9";
  name += ".mp3";
  std::string kept = "x";
  for (int i = 0; i < 99; ++i) kept += "\xC3\xA9";
  for (const std::string suffix : {"~", ".songloom-tmp"}) {
    TempDir dir;
    const auto path = dir.write(name, "old");
    FaultyFileSystem faulty;
    EXPECT_TRUE(platform::ReplaceFileAtomically(faulty, path, suffix, kWriteNew)) << suffix;
    EXPECT_EQ(ReadFileBytes(path), "new");
    ASSERT_EQ(faulty.renamed.size(), 1u);
    EXPECT_TRUE(faulty.renamed[0].starts_with(dir.file(kept + suffix + ".")));
    EXPECT_EQ(SortedFolderNames(dir.path()), std::vector<std::string>{name});
  }
}

}  // namespace
