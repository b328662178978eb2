#include "compile/CompilationMessages.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(CompilationMessagesTest, TextsOfTheChecks) {
  EXPECT_STREQ(kEmptyPlaylistMessage,
               "MP3 Playlist is empty!\r\nAdd MP3s to playlist first,\r\nand then click on "
               "Create MP3 Compilation...");
  EXPECT_EQ(MissingFilesCompilationMessage(3),
            "There are 3 missing MP3 files in your playlist.\r\nPlease, remove the missing files "
            "from playlist,\r\nand then click on Create MP3 Compilation...");
  EXPECT_EQ(NotEnoughSpaceMessage("/media/stick/Untitled", 2500000),
            "There is not enough disk space to create a compilation.\r\nPlease, select another "
            "drive, or free up a space on drive /media/stick/Untitled\r\nThere must be at least "
            "2.38 MB of free space.");
}

TEST(CompilationMessagesTest, SuccessNamesTheFolder) {
  EXPECT_EQ(CompilationSuccessMessage("/media/stick/Road Trip"),
            "MP3 Compilation was successfully created in the following folder:\r\n"
            "/media/stick/Road Trip\r\n"
            "Now you can burn it on CD/DVD using your favorite burning software\r\n"
            "(e.g. Nero), or copy it to your portable MP3 player or memory card.\r\n"
            "Enjoy listening your compilation!");
}

TEST(CompilationMessagesTest, FilesNotCopiedAreListed) {
  EXPECT_EQ(FilesNotCopiedMessage("/d/Untitled", {"/m/a.mp3", "/m/b.mp3"}),
            "MP3 Compilation was created in the following folder:\r\n/d/Untitled\r\n"
            "but these files could not be copied:\r\n/m/a.mp3\r\n/m/b.mp3");
  EXPECT_EQ(CancelledMessage({}), "Cancelled by User.");
  EXPECT_EQ(CancelledMessage({"/m/a.mp3"}),
            "Cancelled by User.\r\nThese files could not be copied:\r\n/m/a.mp3");
}

TEST(CompilationMessagesTest, IncompleteCopiesLeftBehindAreNamedLast) {
  EXPECT_EQ(FilesNotCopiedMessage("/d/U", {"/m/a.mp3", "/m/b.mp3"}, {"/d/U/2 b.mp3"}),
            "MP3 Compilation was created in the following folder:\r\n/d/U\r\n"
            "but these files could not be copied:\r\n/m/a.mp3\r\n/m/b.mp3\r\n"
            "These incomplete files could not be removed:\r\n/d/U/2 b.mp3");
  EXPECT_EQ(CancelledMessage({"/m/a.mp3"}, {"/d/U/1 a.mp3"}),
            "Cancelled by User.\r\nThese files could not be copied:\r\n/m/a.mp3\r\n"
            "These incomplete files could not be removed:\r\n/d/U/1 a.mp3");
}

TEST(CompilationMessagesTest, LongListsAreCut) {
  std::vector<std::string> files;
  std::string listed;
  for (int i = 1; i <= 23; ++i) {
    files.push_back("/m/" + std::to_string(i) + ".mp3");
    if (i <= 20) listed += "\r\n/m/" + std::to_string(i) + ".mp3";
  }
  EXPECT_EQ(FilesNotCopiedMessage("/d/U", files),
            "MP3 Compilation was created in the following folder:\r\n/d/U\r\n"
            "but these files could not be copied:" +
                listed + "\r\nand 3 more");
  EXPECT_EQ(MissingFilesListMessage(files),
            "These files do not exist:" + listed + "\r\nand 3 more");
  EXPECT_EQ(FilesNotCopiedMessage("/d/U", {"/m/x.mp3"}, files),
            "MP3 Compilation was created in the following folder:\r\n/d/U\r\n"
            "but these files could not be copied:\r\n/m/x.mp3\r\n"
            "These incomplete files could not be removed:" +
                listed + "\r\nand 3 more");
  files.resize(20);
  EXPECT_EQ(CancelledMessage(files),
            "Cancelled by User.\r\nThese files could not be copied:" + listed);
}

}  // namespace
