#include "compile/CopyFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "support/FaultyFileSystem.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

namespace {

namespace stdfs = std::filesystem;

class CopyFilesTest : public ::testing::Test {
 protected:
  // Source files "src/1.mp3" … holding their own name as bytes.
  std::vector<std::string> Sources(int count) {
    std::vector<std::string> paths;
    for (int i = 1; i <= count; ++i)
      paths.push_back(
          dir.write("src/" + std::to_string(i) + ".mp3", "bytes of " + std::to_string(i)));
    return paths;
  }

  CopyOutcome Copy(const std::vector<std::string>& sources) {
    CopyOutcome outcome;
    cancelled = dialogs.showCopyProgress(
        [&](CopyProgressView& view) { outcome = CopyFiles(sources, dest, view, dialogs, fs); });
    return outcome;
  }

  TempDir dir;
  std::string dest = dir.mkdir("dest/Untitled");
  FaultyFileSystem fs;
  ScriptedDialogs dialogs;
  bool cancelled = false;
};

TEST_F(CopyFilesTest, CopiesEveryFileInOrderAndShowsEachStep) {
  const std::vector<std::string> sources = Sources(3);
  const CopyOutcome outcome = Copy(sources);

  EXPECT_EQ(outcome.processed, 3);
  EXPECT_TRUE(outcome.notCopied.empty());
  EXPECT_FALSE(cancelled);
  EXPECT_EQ(SortedFolderNames(dest), (std::vector<std::string>{"1 1.mp3", "2 2.mp3", "3 3.mp3"}));
  EXPECT_EQ(ReadFileBytes(dest + "/2 2.mp3"), "bytes of 2");
  ASSERT_EQ(dialogs.copyProgress().size(), 1u);
  const ShownCopyProgress& shown = dialogs.copyProgress()[0];
  EXPECT_EQ(shown.range, 3);
  EXPECT_EQ(shown.position, 3);
  EXPECT_EQ(shown.labels, (std::vector<std::string>{"1 1.mp3", "2 2.mp3", "3 3.mp3"}));
  EXPECT_EQ(shown.copied,
            (std::vector<std::string>{dest + "/1 1.mp3", dest + "/2 2.mp3", dest + "/3 3.mp3"}));
  EXPECT_EQ(dialogs.processEventsCalls(), 3);
}

TEST_F(CopyFilesTest, CancelFinishesTheCurrentFileAndKeepsTheCopies) {
  struct Case {
    int cancelAfter, copied;
  };
  for (const Case c : {Case{0, 0}, Case{3, 3}, Case{10, 10}}) {
    TempDir target;
    dest = target.path();
    dialogs.willCancelCopyAfter(c.cancelAfter);
    const CopyOutcome outcome = Copy(Sources(10));
    EXPECT_TRUE(cancelled) << c.cancelAfter;
    EXPECT_EQ(outcome.processed, c.copied);
    EXPECT_EQ(SortedFolderNames(dest).size(), static_cast<std::size_t>(c.copied));
    EXPECT_EQ(dialogs.copyProgress().back().labels.size(), static_cast<std::size_t>(c.copied));
  }
}

TEST_F(CopyFilesTest, AFailedCopyIsNotedAndTheLoopGoesOn) {
  const std::vector<std::string> sources = Sources(3);
  fs.copyFailsAtCall = 1;
  const CopyOutcome outcome = Copy(sources);
  EXPECT_EQ(outcome.processed, 3);
  EXPECT_EQ(outcome.notCopied, std::vector<std::string>{sources[1]});
  EXPECT_EQ(SortedFolderNames(dest), (std::vector<std::string>{"1 1.mp3", "3 3.mp3"}));
  EXPECT_EQ(dialogs.copyProgress()[0].position, 3);
}

TEST_F(CopyFilesTest, AHalfCopyIsRemoved) {
  const std::vector<std::string> sources = Sources(1);
  fs.failCopy = true;
  fs.failedCopyLeavesBytes = 4;
  const CopyOutcome outcome = Copy(sources);
  EXPECT_EQ(outcome.notCopied, sources);
  EXPECT_TRUE(outcome.leftBehind.empty());
  EXPECT_TRUE(SortedFolderNames(dest).empty());
}

TEST_F(CopyFilesTest, AHalfCopyThatCannotBeRemovedIsNamed) {
  const std::vector<std::string> sources = Sources(3);
  fs.copyFailsAtCall = 1;
  fs.failedCopyLeavesBytes = 4;
  fs.failRemove = true;
  const CopyOutcome outcome = Copy(sources);
  EXPECT_EQ(outcome.notCopied, std::vector<std::string>{sources[1]});
  EXPECT_EQ(outcome.leftBehind, std::vector<std::string>{dest + "/2 2.mp3"});
  EXPECT_EQ(ReadFileBytes(dest + "/2 2.mp3"), "byte");

  // A copy that failed before its target existed leaves nothing behind to name.
  TempDir other;
  dest = other.path();
  fs.failedCopyLeavesBytes = -1;
  fs.copyCalls = 0;
  EXPECT_TRUE(Copy(sources).leftBehind.empty());
  EXPECT_EQ(SortedFolderNames(dest), (std::vector<std::string>{"1 1.mp3", "3 3.mp3"}));
}

TEST_F(CopyFilesTest, SameFileNamesFromTwoFoldersBothArrive) {
  const std::string a = dir.write("rock/song.mp3", "rock");
  const std::string b = dir.write("jazz/song.mp3", "jazz");
  Copy({a, b});
  EXPECT_EQ(ReadFileBytes(dest + "/1 song.mp3"), "rock");
  EXPECT_EQ(ReadFileBytes(dest + "/2 song.mp3"), "jazz");
}

TEST_F(CopyFilesTest, CopiesKeepTheModificationTime) {
  const std::string source = dir.write("old.mp3", "old");
  const auto then = stdfs::file_time_type::clock::now() - std::chrono::hours(24 * 365 * 3);
  stdfs::last_write_time(source, then);
  Copy({source});
  EXPECT_EQ(stdfs::last_write_time(dest + "/1 old.mp3"), stdfs::last_write_time(source));
}

}  // namespace
