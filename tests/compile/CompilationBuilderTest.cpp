#include "compile/CompilationBuilder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "compile/CompilationMessages.h"
#include "tracks/PlaylistFixture.h"

namespace {

namespace stdfs = std::filesystem;

// The window's playlist turned into a compilation.
class CompilationBuilderTest : public PlaylistFixture {
 protected:
  std::string dest = dir.mkdir("dest");
  CompilationBuilder builder{tables, editor, document, dialogs};
};

TEST_F(CompilationBuilderTest, AnEmptyPlaylistIsReportedByItsMark) {
  // The empty playlist still has its blank row: the mark, not the row count, decides.
  ASSERT_EQ(playlist.rowCount(), 2);
  EXPECT_EQ(builder.CreateMP3Compilation().outcome, CompilationOutcome::EmptyPlaylist);
  EXPECT_EQ(dialogs.texts(DialogKind::Inform),
            std::vector<std::string>{"MP3 Playlist is empty!\r\nAdd MP3s to playlist first,\r\n"
                                     "and then click on Create MP3 Compilation..."});
  EXPECT_EQ(dialogs.shown().size(), 1u);
}

TEST_F(CompilationBuilderTest, MissingFilesAreCountedAndMarkedButKept) {
  const std::vector<std::string> paths = FillTracks({1, 1, 1});
  stdfs::remove(paths[0]);
  stdfs::remove(paths[2]);
  EXPECT_EQ(builder.CreateMP3Compilation().outcome, CompilationOutcome::MissingFiles);
  EXPECT_EQ(dialogs.texts(DialogKind::Inform),
            std::vector<std::string>{"There are 2 missing MP3 files in your playlist.\r\nPlease, "
                                     "remove the missing files from playlist,\r\nand then click "
                                     "on Create MP3 Compilation..."});
  EXPECT_EQ(playlist.rowCount(), 4);
  EXPECT_EQ(playlist.rowTextColour(1), kRed);
  EXPECT_EQ(playlist.rowTextColour(3), kRed);
  EXPECT_TRUE(SortedFolderNames(dest).empty());
}

TEST_F(CompilationBuilderTest, CopiesThePlaylistIntoAFolderNamedAfterIt) {
  const std::vector<std::string> paths = FillTracks({1, 2});
  dir.mkdir("lists");
  ASSERT_TRUE(document.SavePlaylist(dir.file("lists/Road Trip.m3u")));
  dialogs.willChooseFolder(dest);

  const CompilationResult result = builder.CreateMP3Compilation();

  EXPECT_EQ(result.outcome, CompilationOutcome::Created);
  EXPECT_EQ(result.folder, dest + "/Road Trip");
  EXPECT_EQ(SortedFolderNames(result.folder), (std::vector<std::string>{"1 1.mp3", "2 2.mp3"}));
  EXPECT_EQ(ReadFileBytes(result.folder + "/2 2.mp3"), ReadFileBytes(paths[1]));
  EXPECT_EQ(dialogs.texts(DialogKind::Inform),
            std::vector<std::string>{CompilationSuccessMessage(dest + "/Road Trip")});
}

TEST_F(CompilationBuilderTest, FreeSpaceIsComparedWithTheRecountedTotal) {
  FillTracks({1, 2});
  const std::int64_t total = 3 * kBytesPerSecond;
  struct Case {
    std::int64_t free;
    CompilationOutcome outcome;
  };
  for (const Case& c : {Case{total - 1, CompilationOutcome::NotEnoughSpace},
                        Case{total, CompilationOutcome::Created}}) {
    // A stale running total must not decide: the missing-files check recounts it.
    tables.MP3Size(playlist).Size = 0;
    fs.freeSpaceOverride = c.free;
    dialogs.willChooseFolder(dest);
    EXPECT_EQ(builder.CreateMP3Compilation().outcome, c.outcome) << c.free;
  }
  EXPECT_EQ(dialogs.texts(DialogKind::Inform).front(),
            NotEnoughSpaceMessage(dest + "/Untitled", total));
  EXPECT_EQ(SortedFolderNames(dest + "/Untitled1").size(), 2u);
}

TEST_F(CompilationBuilderTest, TheCheckRefillsRowsEvenWhenTheDialogIsCancelled) {
  FillTracks({1});
  playlist.setCell(1, 1, "Typed name");
  dialogs.willChooseFolder("");
  EXPECT_EQ(builder.CreateMP3Compilation().outcome, CompilationOutcome::NoDestination);
  EXPECT_EQ(TrackNames(), std::vector<std::string>{"1"});
  EXPECT_TRUE(SortedFolderNames(dest).empty());
  EXPECT_TRUE(dialogs.texts(DialogKind::Inform).empty());
}

}  // namespace
