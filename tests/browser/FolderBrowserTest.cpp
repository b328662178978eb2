#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "browser/FolderBrowser.h"
#include "metadata/MPEGaudio.h"
#include "support/FaultyFileSystem.h"
#include "support/Mp3Builder.h"
#include "support/ScriptedDialogs.h"
#include "support/ScriptedPlayback.h"
#include "support/TempDir.h"
#include "window/MainWindowCore.h"

namespace {

using Strings = std::vector<std::string>;

// An MP3 file of ten 128 kbit/s frames: 4170 bytes, 0.261 s.
const std::string kMp3 = Mp3Frames(MpegFrame{}, 10);

class FolderBrowserTest : public testing::Test {
 protected:
  FolderBrowserTest() {
    tables.SetUpColumns();
    browser.MarkListingIdle();
  }

  // The folder of the usual example: subfolders b and A, files z.mp3, Mix.m3u and a.pls,
  // and what is never listed: a hidden file, a dot-folder and a file of another kind.
  std::string ExampleFolder(const std::string& name = "music") {
    dir.mkdir(name + "/b");
    dir.mkdir(name + "/A");
    dir.mkdir(name + "/.config");
    dir.write(name + "/z.mp3", kMp3);
    dir.write(name + "/Mix.m3u", "#EXTM3U\n");
    dir.write(name + "/a.pls", "[playlist]\n");
    dir.write(name + "/.hidden.mp3", kMp3);
    dir.write(name + "/notes.txt", "text");
    return dir.file(name);
  }

  // The shell: a tick every 5 ms while the timer is on.
  void RunTimer() {
    for (int ticks = 0; browser.timerEnabled(); ++ticks) {
      ASSERT_LT(ticks, 100) << "the timer never stops";
      browser.tmrTimer();
    }
  }
  void Select(const std::string& folder) {
    browser.lstFoldersChange(folder);
    RunTimer();
  }

  Strings Column(const std::string& name) {
    Strings texts;
    if (grid.isEmpty()) return texts;
    for (int row = 1; row < grid.rowCount(); ++row) {
      texts.push_back(grid.cell(row, tables.ColumnByName(grid, name)));
    }
    return texts;
  }
  std::vector<RowIcon> Icons() {
    std::vector<RowIcon> icons;
    for (int row = 1; row < grid.rowCount(); ++row) icons.push_back(browser.rowIcon(row));
    return icons;
  }
  int RowNamed(const std::string& fileName) {
    return grid.findRow(tables.ColumnByName(grid, "File Name"), fileName);
  }

  TempDir dir;
  FaultyFileSystem fs;
  TMPEGaudio analyser{fs};
  TrackTables tables{analyser, fs};
  ScriptedDialogs dialogs;
  FolderBrowser browser{tables, dialogs, fs};
  TrackGrid& grid = tables.grdBrowser();
};

// --- listing ------------------------------------------------------------------------------

TEST_F(FolderBrowserTest, ListsSubfoldersThenFilesEachByName) {
  const std::string folder = ExampleFolder();
  Select(folder);
  EXPECT_EQ(Column("File Name"), (Strings{"A", "b", "a.pls", "Mix.m3u", "z.mp3"}));
  EXPECT_EQ(Column("Type"), (Strings{"FOLDER", "FOLDER", "PLS", "M3U", "MP3"}));
  EXPECT_EQ(Column("Path"), (Strings{folder + "/A", folder + "/b", folder + "/a.pls",
                                     folder + "/Mix.m3u", folder + "/z.mp3"}));
  EXPECT_EQ(Icons(), (std::vector<RowIcon>{RowIcon::Folder, RowIcon::Folder, RowIcon::Other,
                                           RowIcon::Other, RowIcon::Mp3}));
  EXPECT_EQ(browser.lblInfo(), "Total: 1 MP3s | 00:00 | 3.98 KB");
  EXPECT_TRUE(browser.listingIdle());
  EXPECT_FALSE(browser.timerEnabled());
  // Every entry let the window's events run.
  EXPECT_EQ(dialogs.processEventsCalls(), 5);
}

TEST_F(FolderBrowserTest, BarsAndBracketsInNamesAreKept) {
  dir.mkdir("m/dir|x");
  dir.mkdir("m/[Live] 2005");
  dir.write("m/bar|pipe.mp3", kMp3);
  dir.write("m/a|b|c.m3u", "#EXTM3U\n");
  const std::string folder = dir.file("m");
  Select(folder);
  EXPECT_TRUE(dialogs.shown().empty());
  EXPECT_EQ(Column("File Name"), (Strings{"[Live] 2005", "dir|x", "a|b|c.m3u", "bar|pipe.mp3"}));
  EXPECT_EQ(Column("Path"), (Strings{folder + "/[Live] 2005", folder + "/dir|x",
                                     folder + "/a|b|c.m3u", folder + "/bar|pipe.mp3"}));
  EXPECT_EQ(Column("Size"), (Strings{"", "", "0.01 KB", "3.98 KB"}));
  EXPECT_EQ(browser.lblInfo(), "Total: 1 MP3s | 00:00 | 3.98 KB");
}

TEST_F(FolderBrowserTest, FiltersChooseTheFilesOfTheFilePass) {
  struct Case {
    bool mp3;
    bool playlists;
    std::string mask;
    Strings rows;
  };
  const std::vector<Case> cases = {
      {true, true, "*.mp3;*.pls;*.m3u", {"A", "b", "a.pls", "Mix.m3u", "z.mp3"}},
      {true, false, "*.mp3;", {"A", "b", "z.mp3"}},
      {false, true, "*.pls;*.m3u", {"A", "b", "a.pls", "Mix.m3u"}},
      {false, false, "", {"A", "b"}},
  };
  Select(ExampleFolder());
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mask);
    browser.mniFilter1 = c.mp3;
    browser.mniFilter2 = c.playlists;
    EXPECT_EQ(browser.BuildMask(), c.mask);
    browser.mniFilter1Click();
    // The grid grew by exactly the rows listed: no blank row is left behind.
    EXPECT_EQ(Column("File Name"), c.rows);
    EXPECT_EQ(browser.lblInfo(),
              c.mp3 ? "Total: 1 MP3s | 00:00 | 3.98 KB" : "Total: 0 MP3s | 00:00 | 0");
  }
}

TEST_F(FolderBrowserTest, FolderWithoutListableEntriesLeavesTheGridEmpty) {
  dir.mkdir("empty/.git");
  dir.write("empty/.profile", "x");
  Select(ExampleFolder());
  Select(dir.file("empty"));
  EXPECT_TRUE(grid.isEmpty());
  EXPECT_EQ(grid.dataRowCount(), 1);
  EXPECT_EQ(browser.rowIcon(1), RowIcon::None);
  EXPECT_EQ(browser.lblInfo(), "Total: 0 MP3s | 00:00 | 0");
}

TEST_F(FolderBrowserTest, SelectionsThatAreNoFolderChangeNothing) {
  Select(ExampleFolder());
  for (const std::string& path : {std::string(), dir.file("missing"), dir.file("music/z.mp3")}) {
    browser.lstFoldersChange(path);
    EXPECT_FALSE(browser.timerEnabled()) << path;
  }
  EXPECT_EQ(grid.dataRowCount(), 5);
}

TEST_F(FolderBrowserTest, FilterClickWithoutSelectedFolderListsNothing) {
  browser.mniFilter1 = false;
  browser.mniFilter1Click();
  EXPECT_TRUE(grid.isEmpty());
  EXPECT_EQ(browser.lblInfo(), "Total:");
}

// --- the timer protocol -------------------------------------------------------------------

TEST_F(FolderBrowserTest, QuickSelectionsWhileListingEndWithTheLastFolderOnly) {
  const std::string first = ExampleFolder("first");
  dir.write("second/s.mp3", kMp3);
  dir.write("third/t1.mp3", kMp3);
  dir.write("third/t2.mp3", kMp3);
  // While the first folder's first row is shown, the person selects two more folders, and
  // the timer ticks after each selection.
  dialogs.duringNextEvents([&] {
    browser.lstFoldersChange(dir.file("second"));
    browser.tmrTimer();
    EXPECT_FALSE(browser.listingIdle());  // no listing started inside the running one
    browser.lstFoldersChange(dir.file("third"));
    browser.tmrTimer();
  });
  Select(first);
  EXPECT_EQ(Column("File Name"), (Strings{"t1.mp3", "t2.mp3"}));
  EXPECT_EQ(browser.lblInfo(), "Total: 2 MP3s | 00:00 | 7.96 KB");
  // The first listing stopped at its next entry: one entry, then the third folder's two.
  EXPECT_EQ(dialogs.processEventsCalls(), 3);
  EXPECT_EQ(tables.MP3Size(grid).Count, 2);
}

TEST_F(FolderBrowserTest, CancelledListingLeavesNoTotalsUntilTheNextListing) {
  Select(ExampleFolder());
  dialogs.duringNextEvents([&] {
    browser.lstFoldersChange(dir.file("music/A"));
    browser.tmrTimer();
  });
  browser.lstFoldersChange(dir.file("music"));
  browser.tmrTimer();  // one tick: the listing starts and is cancelled after its first row
  EXPECT_TRUE(browser.listingIdle());
  EXPECT_TRUE(browser.timerEnabled());
  EXPECT_EQ(Column("File Name"), Strings{"A"});
  EXPECT_EQ(browser.lblInfo(), "");
  RunTimer();
  EXPECT_TRUE(grid.isEmpty());
  EXPECT_EQ(browser.lblInfo(), "Total: 0 MP3s | 00:00 | 0");
}

TEST_F(FolderBrowserTest, FilterClickDuringAListingRelistsAfterIt) {
  const std::string folder = ExampleFolder();
  dialogs.duringNextEvents([&] {
    browser.mniFilter2 = false;
    browser.mniFilter1Click();
    EXPECT_FALSE(browser.listingIdle());
  });
  Select(folder);
  EXPECT_EQ(Column("File Name"), (Strings{"A", "b", "z.mp3"}));
}

TEST_F(FolderBrowserTest, TicksBeforeTheWindowIsCreatedListNothing) {
  FolderBrowser fresh(tables, dialogs, fs);
  fresh.lstFoldersChange(ExampleFolder());
  fresh.tmrTimer();
  EXPECT_TRUE(grid.isEmpty());
  fresh.MarkListingIdle();
  fresh.tmrTimer();
  EXPECT_EQ(grid.dataRowCount(), 5);
}

// --- folders that cannot be listed ----------------------------------------------------------

TEST_F(FolderBrowserTest, UnreadableFolderListsNothing) {
  Select(ExampleFolder());
  dir.write("broken/x.mp3", kMp3);
  fs.unreadableFolders = {dir.file("broken")};
  Select(dir.file("broken"));
  EXPECT_TRUE(grid.isEmpty());
  EXPECT_EQ(browser.lblInfo(), "Total: 0 MP3s | 00:00 | 0");
  EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(FolderBrowserTest, RefusedFolderKeepsThePreviousListing) {
  Select(ExampleFolder());
  dir.write("private/x.mp3", kMp3);
  fs.refusedFolders = {dir.file("private")};
  Select(dir.file("private"));
  EXPECT_EQ(Column("File Name"), (Strings{"A", "b", "a.pls", "Mix.m3u", "z.mp3"}));
  EXPECT_EQ(dialogs.texts(DialogKind::Error),
            Strings{"Cannot open folder \"" + dir.file("private") + "\". Permission denied."});
  EXPECT_TRUE(browser.listingIdle());
  EXPECT_EQ(browser.lblInfo(), "Total: 1 MP3s | 00:00 | 3.98 KB");
}

TEST_F(FolderBrowserTest, FileVanishingDuringTheListingStopsItKeepingTheRows) {
  const std::string folder = ExampleFolder();
  // While a.pls is shown, Mix.m3u is deleted.
  dialogs.duringNextEvents([&] {
    dialogs.duringNextEvents(
        [&] { dialogs.duringNextEvents([&] { std::filesystem::remove(folder + "/Mix.m3u"); }); });
  });
  Select(folder);
  EXPECT_EQ(Column("File Name"), (Strings{"A", "b", "a.pls"}));
  EXPECT_EQ(dialogs.texts(DialogKind::Error).size(), 1u);
  EXPECT_TRUE(browser.listingIdle());
  EXPECT_EQ(browser.lblInfo(), "Total: 0 MP3s | 00:00 | 0");
}

// --- totals line ----------------------------------------------------------------------------

TEST_F(FolderBrowserTest, SelectionTotalsCountTheSelectedMp3Files) {
  dir.mkdir("mixed/Live");
  dir.mkdir("mixed/Studio");
  dir.write("mixed/one.mp3", kMp3);
  dir.write("mixed/two.mp3", kMp3);
  dir.write("mixed/list.m3u", "#EXTM3U\n");
  Select(dir.file("mixed"));
  struct Case {
    Strings selected;
    std::string totals;
  };
  const std::vector<Case> cases = {
      {{"one.mp3", "two.mp3", "Live"}, "Selected: 2 MP3s | 00:00 | 7.96 KB"},
      {{"Live", "Studio"}, "Total: 2 MP3s | 00:00 | 7.96 KB"},
      {{"list.m3u", "Live"}, "Total: 2 MP3s | 00:00 | 7.96 KB"},
      {{"one.mp3"}, "Total: 2 MP3s | 00:00 | 7.96 KB"},
      {{"one.mp3", "list.m3u"}, "Selected: 1 MP3s | 00:00 | 3.98 KB"},
  };
  for (const Case& c : cases) {
    grid.clearSelection();
    for (const std::string& name : c.selected) grid.selectRow(RowNamed(name));
    browser.grdBrowserSelectionChanged();
    EXPECT_EQ(browser.lblInfo(), c.totals) << c.selected.size();
  }
}

// A selection of a big library is summed at once: from what the rows kept, not from the files.
TEST_F(FolderBrowserTest, SelectionTotalsAreSummedFromTheRows) {
  dir.write("kept/one.mp3", kMp3);
  dir.write("kept/two.mp3", kMp3);
  Select(dir.file("kept"));
  std::filesystem::remove(dir.file("kept/one.mp3"));
  grid.selectAll();
  browser.grdBrowserSelectionChanged();
  EXPECT_EQ(browser.lblInfo(), "Selected: 2 MP3s | 00:00 | 7.96 KB");
}

TEST_F(FolderBrowserTest, CtrlClickUpdatesTotalsWhetherARowJoinsOrLeaves) {
  Select(ExampleFolder());
  grid.selectRow(RowNamed("A"));
  grid.selectRow(RowNamed("z.mp3"));
  browser.grdBrowserRowDisjunctSelected();
  EXPECT_EQ(browser.lblInfo(), "Selected: 1 MP3s | 00:00 | 3.98 KB");
  grid.deselectRow(RowNamed("z.mp3"));
  browser.grdBrowserRowDisjunctSelected();
  EXPECT_EQ(browser.lblInfo(), "Total: 1 MP3s | 00:00 | 3.98 KB");
}

// --- opening rows ---------------------------------------------------------------------------

class OpenRowTest : public FolderBrowserTest {
 protected:
  OpenRowTest() {
    browser.hooks.PlayTrack = [this](TrackGrid& played, const std::string& id) {
      opened.push_back(std::string(&played == &grid ? "browser" : "other") + " play " + id);
    };
    browser.hooks.ShowPlaylistItems = [this] { opened.push_back("items"); };
    browser.hooks.SelectFolderInTree = [this](const std::string& path) {
      opened.push_back("tree " + path);
      browser.lstFoldersChange(path);  // the tree's selection change
    };
    folder = ExampleFolder();
    Select(folder);
  }

  void MakeCurrent(const std::string& name) {
    grid.selectRow(RowNamed(name));
    grid.setCurrentRow(RowNamed(name));
  }

  std::string folder;
  Strings opened;
};

TEST_F(OpenRowTest, EachKindOfRowOpensItsWay) {
  struct Case {
    std::string row;
    std::string opened;
  };
  const std::vector<Case> cases = {
      {"z.mp3", "browser play 5"},
      {"Mix.m3u", "items"},
      {"a.pls", "items"},
      {"A", "tree " + folder + "/A"},
  };
  for (const Case& c : cases) {
    opened.clear();
    MakeCurrent(c.row);
    browser.grdBrowserDblClick(RowNamed(c.row));
    EXPECT_EQ(opened, Strings{c.opened}) << c.row;
  }
  // The folder row was deselected, and its folder is listed through the timer.
  EXPECT_FALSE(grid.isSelected(RowNamed("A")));
  EXPECT_TRUE(browser.timerEnabled());
  RunTimer();
  EXPECT_TRUE(grid.isEmpty());
  EXPECT_EQ(browser.selectedFolder(), folder + "/A");
}

TEST_F(OpenRowTest, PlaylistRowsAlwaysPlay) {
  tables.setActiveGrid(GridId::Playlist);
  TrackGrid& playlist = tables.grdPlaylist();
  ASSERT_TRUE(tables.FillRowFromItem(playlist, 1, FileItem(folder + "/Mix.m3u")));
  browser.OpenCurrentRow();
  EXPECT_EQ(opened, Strings{"other play 1"});
}

TEST_F(OpenRowTest, NothingOpensOnTheHeaderOrAnEmptyGrid) {
  MakeCurrent("z.mp3");
  browser.grdBrowserDblClick(0);
  tables.setActiveGrid(GridId::Library);
  browser.grdBrowserDblClick(1);
  browser.OpenCurrentRow();
  EXPECT_TRUE(opened.empty());
}

TEST_F(OpenRowTest, FolderRowOfAVanishedFolderShowsAnError) {
  std::filesystem::remove(folder + "/b");
  MakeCurrent("b");
  browser.OpenCurrentRow();
  EXPECT_TRUE(opened.empty());
  EXPECT_FALSE(grid.isSelected(RowNamed("b")));
  EXPECT_EQ(dialogs.texts(DialogKind::Error), Strings{"Cannot find folder \"" + folder + "/b\"."});
  EXPECT_FALSE(browser.timerEnabled());
  EXPECT_EQ(grid.dataRowCount(), 5);
}

// --- the view switch, through the window's core -------------------------------------------------

TEST(FolderBrowserWindowTest, SwitchingBackToTheFolderTreeShowsItsTotals) {
  TempDir dir;
  dir.write("music/a.mp3", kMp3);
  ScriptedDialogs dialogs;
  ScriptedPlayback playback;
  MainWindowCore core({dialogs, dialogs, playback, dialogs}, dir.file("autosave.m3u"));
  core.FormCreate();
  FolderBrowser& browser = core.browser();
  browser.lstFoldersChange(dir.file("music"));
  browser.tmrTimer();
  EXPECT_EQ(browser.lblInfo(), "Total: 1 MP3s | 00:00 | 3.98 KB");

  core.setLibraryView(true, false);
  browser.ShowBrowserTotals();
  EXPECT_EQ(browser.lblInfo(), "Total: 0 MP3s | 00:00 | 0");  // the empty library
  EXPECT_FALSE(browser.folderTreeShown());
  browser.pnlFolderClick();
  EXPECT_TRUE(browser.folderTreeShown());
  EXPECT_FALSE(core.libraryViewShown());
  EXPECT_EQ(browser.lblInfo(), "Total: 1 MP3s | 00:00 | 3.98 KB");

  browser.setLblInfo("unchanged");
  browser.pnlFolderClick();  // the view is shown already
  EXPECT_EQ(browser.lblInfo(), "unchanged");
}

}  // namespace
