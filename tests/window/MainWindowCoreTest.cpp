#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "support/Mp3Builder.h"
#include "support/ScriptedDialogs.h"
#include "support/ScriptedPlayback.h"
#include "support/TagBuilder.h"
#include "support/TempDir.h"
#include "tracks/TrackTexts.h"
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
    auto five = std::make_unique<MainWindowCore>(ShellServices{dialogs, dialogs, playback, dialogs},
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
  MainWindowCore core{{dialogs, dialogs, playback, dialogs}, dir.file("songloom.m3u")};
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

// The export and column commands open their choosers for the active grid; without a column
// dialog they do nothing.
TEST_F(MainWindowCoreTest, TheExportAndColumnCommandsOpenTheirChoosers) {
  const std::unique_ptr<MainWindowCore> five = CoreWithFiveTracks();
  five->Execute(MainCommand::CustomizeColumns);
  five->Execute(MainCommand::Export);
  five->Execute(MainCommand::ExportSelected);
  EXPECT_TRUE(dialogs.columnChoosers().empty());

  MainWindowCore withColumns({dialogs, dialogs, playback, dialogs, nullptr, &dialogs},
                             dir.file("columns-autosave.m3u"));
  withColumns.FormCreate();
  ASSERT_TRUE(withColumns.document().OpenPlaylist(dir.file("five.m3u")));
  withColumns.tables().grdPlaylist().selectRow(2);
  withColumns.ActivatePanel(true);
  dialogs.willCancelColumns().willCancelColumns().willCancelColumns();
  withColumns.Execute(MainCommand::CustomizeColumns);
  withColumns.Execute(MainCommand::Export);
  withColumns.Execute(MainCommand::ExportSelected);
  const std::vector<ShownColumnChooser>& shown = dialogs.columnChoosers();
  ASSERT_EQ(shown.size(), 3u);
  EXPECT_EQ(shown[0].lbl1, "Select the columns you want to display in MP3 Playlist");
  EXPECT_EQ(shown[1].lbl1, "Select the columns you want to export");
  EXPECT_EQ(shown[1].entries.size(), 12u);  // the playlist's list
  EXPECT_EQ(shown[2].entries.size(), 10u);  // the browser's list
}

// --- the tag editor's callers --------------------------------------------------------------------

// The browser lists a folder with a subfolder, two tracks and a playlist file; the playlist holds
// the two tracks.
class MainWindowTagTest : public MainWindowCoreTest {
 protected:
  MainWindowTagTest() {
    const std::string audio = Mp3Frames(MpegFrame{}, 10);
    a = dir.write("music/a.mp3", Id3v2Tag(3, Id3v2Frame23("TIT2", Id3v2TextPayload("A"))) + audio);
    b = dir.write("music/b.mp3", audio);
    dir.write("music/list.m3u", a + "\r\n");
    dir.mkdir("music/sub");
    core.browser().lstFoldersChange(dir.file("music"));
    core.browser().tmrTimer();
    EXPECT_TRUE(core.document().OpenPlaylist(dir.write("two.m3u", a + "\r\n" + b + "\r\n")));
  }

  // Makes the browser row of this file name current and selected, with the browser side active.
  void PickBrowserRow(const std::string& name) {
    TrackGrid& grid = core.tables().grdBrowser();
    for (int row = 1; row < grid.rowCount(); ++row) {
      if (grid.cell(row, 0) != name) continue;
      grid.clearSelection();
      grid.selectRow(row);
      grid.setCurrentRow(row);
    }
    core.ActivatePanel(false);
  }
  std::vector<std::string> EditedFiles() const {
    std::vector<std::string> files;
    for (const ShownTagEditor& shown : dialogs.tagEditors()) files.push_back(shown.view.edtFile);
    return files;
  }

  std::string a, b;
};

TEST_F(MainWindowTagTest, TheCommandOpensWhatTheCurrentRowHolds) {
  struct Case {
    const char* row;
    std::size_t editors;
    std::size_t viewers;
  };
  const std::vector<Case> cases = {
      {"a.mp3", 1, 0},
      {"sub", 0, 0},       // a folder: nothing
      {"list.m3u", 0, 1},  // a playlist file: its items
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.row);
    const std::size_t editors = dialogs.tagEditors().size();
    const std::size_t viewers = dialogs.playlistItems().size();
    PickBrowserRow(c.row);
    if (c.editors > 0) dialogs.willCancelTag();
    core.Execute(MainCommand::UpdateTag);
    EXPECT_EQ(dialogs.tagEditors().size() - editors, c.editors);
    EXPECT_EQ(dialogs.playlistItems().size() - viewers, c.viewers);
  }
  EXPECT_EQ(EditedFiles(), std::vector<std::string>{a});
}

TEST_F(MainWindowTagTest, TheCommandNeedsASelectedRow) {
  core.tables().grdBrowser().clearSelection();
  core.ActivatePanel(false);
  core.actUpdateTagExecute();
  core.ActivatePanel(true);
  core.tables().grdPlaylist().clearSelection();
  core.actUpdateTagExecute();
  core.tables().ClearGrid(core.tables().grdPlaylist());
  core.tables().grdPlaylist().selectRow(1);
  core.actUpdateTagExecute();  // the empty playlist's blank row
  EXPECT_TRUE(dialogs.tagEditors().empty());

  TrackGrid& playlist = core.tables().grdPlaylist();
  ASSERT_TRUE(core.document().OpenPlaylist(dir.file("two.m3u")));
  playlist.selectRow(2);
  playlist.setCurrentRow(2);
  dialogs.willCancelTag();
  core.actUpdateTagExecute();
  EXPECT_EQ(EditedFiles(), std::vector<std::string>{b});
}

TEST_F(MainWindowTagTest, ThePlayersTrackNameAndMenuItemEditThePlayersFile) {
  core.lblTrNameDblClick();  // the player holds nothing
  EXPECT_TRUE(dialogs.tagEditors().empty());

  TrackGrid& playlist = core.tables().grdPlaylist();
  core.player().PlayTrack(playlist, core.tables().RowID(playlist, 2));
  PickBrowserRow("a.mp3");
  dialogs.willCancelTag().willCancelTag();
  core.lblTrNameDblClick();
  core.mniTag3Click();
  EXPECT_EQ(EditedFiles(), (std::vector<std::string>{b, b}));

  PickBrowserRow("sub");  // a folder row current in the active browser grid: neither opens
  core.lblTrNameDblClick();
  core.mniTag3Click();
  EXPECT_EQ(dialogs.tagEditors().size(), 2u);
}

TEST_F(MainWindowTagTest, WithoutAPlayerFileTheMenuItemActsAsTheCommand) {
  PickBrowserRow("a.mp3");
  dialogs.willCancelTag();
  core.mniTag3Click();
  EXPECT_EQ(EditedFiles(), std::vector<std::string>{a});
}

TEST_F(MainWindowTagTest, AfterAnUpdateTheTotalsLineShowsTheNewSize) {
  core.ActivatePanel(true);
  TrackGrid& playlist = core.tables().grdPlaylist();
  playlist.clearSelection();
  playlist.selectRow(2);
  playlist.setCurrentRow(2);
  const std::string before = core.editor().lblInfo2();
  dialogs.willUpdateTag([](TagTexts& t) { t.title = std::string(2000, 'x'); });
  core.actUpdateTagExecute();
  EXPECT_NE(core.editor().lblInfo2(), before);
  const recMP3Size& totals = core.tables().MP3Size(playlist);
  EXPECT_EQ(core.editor().lblInfo2(),
            TotalsLine("Total", "tracks", totals.Count, totals.Duration, totals.Size));
  EXPECT_EQ(totals.Size,
            static_cast<std::int64_t>(ReadFileBytes(a).size() + ReadFileBytes(b).size()));
}

}  // namespace
