#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "support/Mp3Builder.h"
#include "support/ScriptedDialogs.h"
#include "support/ScriptedPlayback.h"
#include "support/TempDir.h"
#include "window/MainWindowCore.h"

namespace {

class MainWindowCoreTest : public ::testing::Test {
 protected:
  MainWindowCoreTest() {
    core.FormCreate();
    // The library of these tests is an empty folder: no test scans the machine.
    core.library().setLibraryFolders({dir.mkdir("library")});
  }

  // A window core of its own with the tracks a … e in the playlist, the third selected and the
  // playlist side active.
  std::unique_ptr<MainWindowCore> CoreWithFiveTracks() {
    const std::string audio = Mp3Frames(MpegFrame{}, 10);
    std::string m3u = "#EXTM3U\r\n";
    for (const char* name : {"a", "b", "c", "d", "e"}) {
      const std::string path = dir.write(std::string(name) + ".mp3", audio);
      m3u += "#EXTINF:1," + std::string(name) + "\r\n" + path + "\r\n";
    }
    auto five = std::make_unique<MainWindowCore>(ShellServices{dialogs, dialogs, playback},
                                                 dir.file("five-autosave.m3u"));
    five->FormCreate();
    EXPECT_TRUE(five->document().OpenPlaylist(dir.write("five.m3u", m3u)));
    TrackGrid& grid = five->tables().grdPlaylist();
    grid.clearSelection();
    grid.selectRow(3);
    grid.setCurrentRow(3);
    five->ActivatePanel(true);
    return five;
  }

  static std::string Names(MainWindowCore& core) {
    TrackGrid& grid = core.tables().grdPlaylist();
    std::string names;
    for (int row = 1; row < grid.rowCount(); ++row) names += grid.cell(row, 1);
    return names;
  }

  TempDir dir;
  ScriptedDialogs dialogs;
  ScriptedPlayback playback;
  MainWindowCore core{{dialogs, dialogs, playback}, dir.file("songloom.m3u")};
};

TEST_F(MainWindowCoreTest, TheLibraryRadioButtonShowsTheLibraryWithTheBrowserSideActive) {
  core.ActivatePanel(true);
  core.rbtLibraryClick();
  EXPECT_TRUE(core.libraryViewShown());
  EXPECT_EQ(core.tables().activeGridId(), GridId::Library);
  EXPECT_EQ(core.tables().shownBrowserGridId(), GridId::Library);
  EXPECT_EQ(core.browserCaptionColour(), kActiveCaptionColour);
}

TEST_F(MainWindowCoreTest, TheLibraryLabelActsOnlyWhileTheFolderTreeIsShown) {
  core.ActivatePanel(true);
  core.pnlLibraryClick();
  EXPECT_TRUE(core.libraryViewShown());
  EXPECT_EQ(core.tables().activeGridId(), GridId::Library);

  // Shown already (here with a search result): the label changes nothing.
  core.setLibraryView(true, true);
  core.ActivatePanel(true);
  core.pnlLibraryClick();
  EXPECT_EQ(core.tables().shownBrowserGridId(), GridId::Search);
  EXPECT_TRUE(core.playlistSideActive());
}

// Each command reaches its own operation (those that ask nothing are enough to tell them apart).
TEST_F(MainWindowCoreTest, ACommandRunsItsOperation) {
  struct Case {
    MainCommand command;
    std::string names;
    std::vector<int> selected;
  };
  const std::vector<Case> cases = {
      {MainCommand::SelectAll, "abcde", {1, 2, 3, 4, 5}},
      {MainCommand::InvertSelection, "abcde", {1, 2, 4, 5}},
      {MainCommand::MoveUp, "acbde", {2}},
      {MainCommand::MoveDown, "abdce", {4}},
      {MainCommand::MoveTop, "cabde", {1}},
      {MainCommand::MoveBottom, "abdec", {5}},
      {MainCommand::ReverseOrder, "edcba", {3}},
      {MainCommand::RemoveSel, "abde", {}},
      {MainCommand::AppendItem, "abcde", {3}},  // the playlist is no source of items
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.command));
    const std::unique_ptr<MainWindowCore> five = CoreWithFiveTracks();
    five->Execute(c.command);
    EXPECT_EQ(Names(*five), c.names);
    EXPECT_EQ(five->tables().grdPlaylist().selectedRows(), c.selected);
  }
  const std::unique_ptr<MainWindowCore> five = CoreWithFiveTracks();
  five->Execute(MainCommand::EditTrackName);
  EXPECT_TRUE(five->editor().editingTrackName());
}

}  // namespace
