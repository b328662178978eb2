#include "compile/CompilationMaker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "compile/CompilationMessages.h"
#include "support/FaultyFileSystem.h"
#include "support/Mp3Builder.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

namespace {

// A short track: two frames.
const std::string kTrack = Mp3Frames(MpegFrame{}, 2);
const std::int64_t kTrackSize = static_cast<std::int64_t>(kTrack.size());

class CompilationMakerTest : public ::testing::Test {
 protected:
  // count source files "src/1.mp3" … of kTrack each.
  CompilationPlaylist Playlist(int count, const std::string& name = "") {
    CompilationPlaylist playlist;
    playlist.empty = false;
    playlist.name = name;
    for (int i = 1; i <= count; ++i) {
      playlist.sources.push_back(dir.write("src/" + std::to_string(i) + ".mp3", kTrack));
      playlist.totalSize += kTrackSize;
    }
    return playlist;
  }

  CompilationResult Make(const CompilationPlaylist& playlist, const std::string& destination) {
    dialogs.willChooseFolder(destination);
    return maker.Make(playlist);
  }

  std::vector<std::string> Messages() const {
    std::vector<std::string> texts = dialogs.texts(DialogKind::Inform);
    for (const std::string& text : dialogs.texts(DialogKind::Error)) texts.push_back(text);
    return texts;
  }

  TempDir dir;
  std::string dest = dir.mkdir("dest");
  FaultyFileSystem fs;
  ScriptedDialogs dialogs;
  CompilationMaker maker{dialogs, fs};
};

TEST_F(CompilationMakerTest, CreatesANewFolderOfNumberedCopies) {
  const CompilationResult result = Make(Playlist(3), dest);

  EXPECT_EQ(result.outcome, CompilationOutcome::Created);
  EXPECT_EQ(result.folder, dest + "/Untitled");
  EXPECT_EQ(SortedFolderNames(dest), std::vector<std::string>{"Untitled"});
  EXPECT_EQ(SortedFolderNames(result.folder), (std::vector<std::string>{"1 1.mp3", "2 2.mp3", "3 3.mp3"}));
  ASSERT_EQ(dialogs.shown().size(), 2u);
  EXPECT_EQ(dialogs.shown()[0].kind, DialogKind::Folder);
  EXPECT_EQ(dialogs.shown()[0].text, "Select a destination folder");
  EXPECT_EQ(dialogs.shown()[0].initial, "");
  EXPECT_EQ(Messages(), std::vector<std::string>{CompilationSuccessMessage(dest + "/Untitled")});
}

TEST_F(CompilationMakerTest, PrefixesHaveTheDigitsOfTheTrackCount) {
  struct Case {
    int count;
    std::string first, last;
  };
  for (const Case& c : {Case{9, "1 1.mp3", "9 9.mp3"}, Case{10, "01 1.mp3", "10 10.mp3"},
                        Case{150, "001 1.mp3", "150 150.mp3"}}) {
    TempDir target;
    const CompilationResult result = Make(Playlist(c.count), target.path());
    const std::vector<std::string> names = SortedFolderNames(result.folder);
    ASSERT_EQ(names.size(), static_cast<std::size_t>(c.count));
    EXPECT_EQ(names.front(), c.first);
    EXPECT_EQ(names.back(), c.last);
  }
}

TEST_F(CompilationMakerTest, FolderNameIsNotTakenYet) {
  struct Case {
    std::vector<std::string> folders, files;
    CompilationOutcome outcome;
    std::string created;
  };
  const Case cases[] = {
      {{}, {}, CompilationOutcome::Created, "Untitled"},
      {{"Untitled", "Untitled1"}, {}, CompilationOutcome::Created, "Untitled2"},
      {{"Untitled", "Untitled2"}, {}, CompilationOutcome::Created, "Untitled1"},
      // Only folders count: a file of the name makes the creation fail, and stays as it was.
      {{}, {"Untitled"}, CompilationOutcome::CannotCreateFolder, ""},
      {{"Untitled"}, {"Untitled1"}, CompilationOutcome::CannotCreateFolder, ""},
  };
  for (const Case& c : cases) {
    TempDir target;
    for (const std::string& folder : c.folders) target.mkdir(folder);
    for (const std::string& file : c.files) target.write(file, "keep");
    ScriptedDialogs local;
    CompilationMaker fresh(local, fs);
    local.willChooseFolder(target.path());
    const CompilationResult result = fresh.Make(Playlist(2));
    EXPECT_EQ(result.outcome, c.outcome) << c.created;
    if (c.outcome == CompilationOutcome::Created) {
      EXPECT_EQ(result.folder, target.path() + "/" + c.created);
      EXPECT_EQ(SortedFolderNames(result.folder).size(), 2u);
    } else {
      EXPECT_EQ(local.texts(DialogKind::Inform), std::vector<std::string>{"Cannot create folder."});
      EXPECT_EQ(SortedFolderNames(target.path()).size(), c.folders.size() + c.files.size());
      for (const std::string& file : c.files) EXPECT_EQ(ReadFileBytes(target.file(file)), "keep");
    }
  }
}

TEST_F(CompilationMakerTest, AFailingCreationIsReported) {
  fs.failCreateDirectory = true;
  const CompilationResult result = Make(Playlist(1), dest);
  EXPECT_EQ(result.outcome, CompilationOutcome::CannotCreateFolder);
  EXPECT_EQ(Messages(), std::vector<std::string>{"Cannot create folder."});
  EXPECT_TRUE(SortedFolderNames(dest).empty());
}

TEST_F(CompilationMakerTest, FolderNameComesFromThePlaylistName) {
  const std::pair<std::string, std::string> cases[] = {
      {"/x/Road Trip.m3u", "Road Trip"}, {"My Mix", "My Mix"}, {"", "Untitled"}};
  for (const auto& [name, folder] : cases)
    EXPECT_EQ(Make(Playlist(1, name), dest).folder, dest + "/" + folder) << name;
}

TEST_F(CompilationMakerTest, ADestinationEndingInASlashGetsNoSecondOne) {
  const CompilationResult result = Make(Playlist(1), dest + "/");
  EXPECT_EQ(result.folder, dest + "/Untitled");
  EXPECT_EQ(Messages(), std::vector<std::string>{CompilationSuccessMessage(dest + "/Untitled")});
}

TEST_F(CompilationMakerTest, FreeSpaceEqualToTheTotalIsEnough) {
  struct Case {
    std::int64_t free;
    CompilationOutcome outcome;
    std::size_t files;
  };
  for (const Case& c : {Case{3 * kTrackSize, CompilationOutcome::Created, 3},
                        Case{3 * kTrackSize - 1, CompilationOutcome::NotEnoughSpace, 0}}) {
    TempDir target;
    ScriptedDialogs local;
    CompilationMaker fresh(local, fs);
    fs.freeSpaceOverride = c.free;
    local.willChooseFolder(target.path());
    const CompilationResult result = fresh.Make(Playlist(3));
    EXPECT_EQ(result.outcome, c.outcome) << c.free;
    // The new folder stays, empty, when the space is lacking.
    EXPECT_EQ(SortedFolderNames(target.path()), std::vector<std::string>{"Untitled"});
    EXPECT_EQ(SortedFolderNames(target.path() + "/Untitled").size(), c.files);
    if (c.outcome == CompilationOutcome::NotEnoughSpace) {
      EXPECT_EQ(local.texts(DialogKind::Inform),
                std::vector<std::string>{
                    NotEnoughSpaceMessage(target.path() + "/Untitled", 3 * kTrackSize)});
      EXPECT_TRUE(local.copyProgress().empty());
    }
  }
}

TEST_F(CompilationMakerTest, CancelDuringTheThirdOfTenFilesKeepsThree) {
  dialogs.willCancelCopyAfter(3);
  const CompilationResult result = Make(Playlist(10), dest);
  EXPECT_EQ(result.outcome, CompilationOutcome::Cancelled);
  EXPECT_EQ(SortedFolderNames(result.folder), (std::vector<std::string>{"01 1.mp3", "02 2.mp3", "03 3.mp3"}));
  EXPECT_EQ(Messages(), std::vector<std::string>{"Cancelled by User."});
}

TEST_F(CompilationMakerTest, AFileThatCouldNotBeCopiedIsNamedInsteadOfSuccess) {
  const CompilationPlaylist playlist = Playlist(3);
  fs.copyFailsAtCall = 1;
  const CompilationResult result = Make(playlist, dest);
  EXPECT_EQ(result.outcome, CompilationOutcome::FilesNotCopied);
  EXPECT_EQ(result.notCopied, std::vector<std::string>{playlist.sources[1]});
  EXPECT_TRUE(dialogs.texts(DialogKind::Inform).empty());
  EXPECT_EQ(dialogs.texts(DialogKind::Error), std::vector<std::string>{FilesNotCopiedMessage(
                                                  dest + "/Untitled", {playlist.sources[1]})});
  EXPECT_EQ(SortedFolderNames(result.folder), (std::vector<std::string>{"1 1.mp3", "3 3.mp3"}));
}

TEST_F(CompilationMakerTest, AHalfCopyThatCouldNotBeRemovedIsNamedAsLeftBehind) {
  const CompilationPlaylist playlist = Playlist(3);
  fs.copyFailsAtCall = 1;
  fs.failedCopyLeavesBytes = 50;
  fs.failRemove = true;
  const CompilationResult result = Make(playlist, dest);
  const std::string folder = dest + "/Untitled";
  EXPECT_EQ(result.outcome, CompilationOutcome::FilesNotCopied);
  EXPECT_EQ(Messages(),
            std::vector<std::string>{
                "MP3 Compilation was created in the following folder:\r\n" + folder +
                "\r\nbut these files could not be copied:\r\n" + playlist.sources[1] +
                "\r\nThese incomplete files could not be removed:\r\n" + folder + "/2 2.mp3"});
  EXPECT_EQ(SortedFolderNames(folder), (std::vector<std::string>{"1 1.mp3", "2 2.mp3", "3 3.mp3"}));
}

TEST_F(CompilationMakerTest, EmptyOrMissingStopsBeforeTheFolderDialog) {
  CompilationPlaylist empty;
  CompilationPlaylist missing = Playlist(2);
  missing.missing = 2;
  EXPECT_EQ(maker.Make(empty).outcome, CompilationOutcome::EmptyPlaylist);
  EXPECT_EQ(maker.Make(missing).outcome, CompilationOutcome::MissingFiles);
  EXPECT_EQ(Messages(), (std::vector<std::string>{
                            "MP3 Playlist is empty!\r\nAdd MP3s to playlist first,\r\nand then "
                            "click on Create MP3 Compilation...",
                            "There are 2 missing MP3 files in your playlist.\r\nPlease, remove "
                            "the missing files from playlist,\r\nand then click on Create MP3 "
                            "Compilation..."}));
  EXPECT_EQ(dialogs.shown().size(), 2u);
  EXPECT_TRUE(SortedFolderNames(dest).empty());
}

TEST_F(CompilationMakerTest, MissingFilesAreListedWhereTheirPathsAreKnown) {
  CompilationPlaylist missing = Playlist(1);
  missing.missing = 2;
  missing.missingFiles = {"/m/gone.mp3", "/m/also gone.mp3"};
  EXPECT_EQ(maker.Make(missing).outcome, CompilationOutcome::MissingFiles);
  EXPECT_EQ(Messages(), std::vector<std::string>{MissingFilesCompilationMessage(2) + "\r\n" +
                                                 MissingFilesListMessage(missing.missingFiles)});
}

TEST_F(CompilationMakerTest, CancelledFolderDialogDoesNothing) {
  const CompilationResult result = Make(Playlist(2), "");
  EXPECT_EQ(result.outcome, CompilationOutcome::NoDestination);
  EXPECT_EQ(dialogs.shown().size(), 1u);
  EXPECT_TRUE(SortedFolderNames(dest).empty());
}

TEST_F(CompilationMakerTest, ASecondRunGetsASuffixAndStartsAtTheLastFolder) {
  const CompilationPlaylist playlist = Playlist(2);
  EXPECT_EQ(Make(playlist, dest).folder, dest + "/Untitled");
  Make(playlist, "");  // cancelled: the last folder stays
  EXPECT_EQ(Make(playlist, dest).folder, dest + "/Untitled1");
  EXPECT_EQ(SortedFolderNames(dest), (std::vector<std::string>{"Untitled", "Untitled1"}));
  EXPECT_EQ(SortedFolderNames(dest + "/Untitled1"), (std::vector<std::string>{"1 1.mp3", "2 2.mp3"}));
  std::vector<std::string> starts;
  for (const ShownDialog& shown : dialogs.shown())
    if (shown.kind == DialogKind::Folder) starts.push_back(shown.initial);
  EXPECT_EQ(starts, (std::vector<std::string>{"", dest, dest}));
  EXPECT_EQ(maker.lastDestination(), dest);
}

TEST_F(CompilationMakerTest, FilesWithoutAudioAreNamedAndCopiedOnlyOnYes) {
  CompilationPlaylist playlist = Playlist(2);
  const std::string empty = dir.write("src/empty.mp3", "");
  const std::string text = dir.write("src/notes.mp3", "not audio");
  playlist.sources.insert(playlist.sources.begin() + 1, {empty, text});
  const std::string question = UnplayableFilesQuestion({empty, text});
  EXPECT_EQ(question, "These files hold no MPEG audio and will not play:\r\n" + empty + "\r\n" +
                          text + "\r\nCopy them to the compilation all the same?");

  dialogs.willAnswer(DialogAnswer::No);
  EXPECT_EQ(maker.Make(playlist).outcome, CompilationOutcome::UnplayableFiles);
  EXPECT_EQ(dialogs.texts(DialogKind::YesNo), std::vector<std::string>{question});
  EXPECT_TRUE(std::filesystem::is_empty(dest));

  dialogs.willAnswer(DialogAnswer::Yes);
  const CompilationResult result = Make(playlist, dest);
  EXPECT_EQ(result.outcome, CompilationOutcome::Created);
  EXPECT_EQ(SortedFolderNames(result.folder),
            (std::vector<std::string>{"1 1.mp3", "2 empty.mp3", "3 notes.mp3", "4 2.mp3"}));
}

}  // namespace
