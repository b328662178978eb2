#include "tracks/AddItems.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tracks/AddItemsWorker.h"
#include "tracks/PlaylistFixture.h"
#include "dialogs/ShortenText.h"

namespace {

using Names = std::vector<std::string>;

constexpr char kMissingOne[] =
    "1 MP3 files were not added to MP3 Playlist\r\nbecause they don't exist on specified "
    "locations.";

// The playlist side with the browser grid as the source of items.
class AddItemsTest : public PlaylistFixture {
 protected:
  AddItemsTest() { tables.setActiveGrid(GridId::Browser); }

  // A folder of the temporary folder, marked "*" for Browse.
  std::string Folder(const std::string& name) {
    dir.mkdir(name);
    return "*" + name;
  }
  // A playlist file in the temporary folder.
  std::string M3U(const std::string& name, const std::string& text) {
    return dir.write(name + ".m3u", text);
  }
  // The browser lists the items, in this order, all selected.
  void Browse(const Names& items) {
    tables.ClearGrid(browser);
    for (const std::string& item : items) {
      const int row = browser.isEmpty() ? 1 : browser.addRow();
      const GridItem listed =
          item.starts_with('*') ? FolderItem(dir.path(), item.substr(1)) : FileItem(item);
      ASSERT_TRUE(tables.FillRowFromItem(browser, row, listed)) << item;
    }
    browser.selectAll();
  }
  // Tracks "p1" … "pn" in the playlist.
  void FillPlaylist(int n) {
    Names paths;
    for (int i = 1; i <= n; ++i) paths.push_back(Track("p" + std::to_string(i), 1));
    Fill(paths);
  }
  Names Numbers(int n) {
    Names numbers;
    for (int i = 1; i <= n; ++i) numbers.push_back(std::to_string(i) + ".");
    return numbers;
  }
  // Every row holds an item: no blank row was left behind.
  void ExpectNoBlankRow() {
    for (const std::string& path : Column("Path")) EXPECT_FALSE(path.empty()) << Snapshot();
  }

  TrackGrid& browser = tables.grdBrowser();
  PlaylistAdder adder{tables, editor, dialogs};
};

struct PlacementCase {
  const char* what;
  int playlistRows;
  std::vector<int> playlistSelection;
  AddMode mode;
  Names order;
};

TEST_F(AddItemsTest, ItemsGoToTheEndOrAfterTheLastSelectedRowInSourceOrder) {
  const std::vector<PlacementCase> cases = {
      {"append", 5, {}, AddMode::Append, {"p1", "p2", "p3", "p4", "p5", "s1", "s2", "s3"}},
      {"append ignores the selection", 5, {2}, AddMode::Append,
       {"p1", "p2", "p3", "p4", "p5", "s1", "s2", "s3"}},
      {"insert after rows 2 and 4", 5, {2, 4}, AddMode::Insert,
       {"p1", "p2", "p3", "p4", "s1", "s2", "s3", "p5"}},
      {"insert without a selection appends", 5, {}, AddMode::Insert,
       {"p1", "p2", "p3", "p4", "p5", "s1", "s2", "s3"}},
      {"insert after the last row", 2, {2}, AddMode::Insert, {"p1", "p2", "s1", "s2", "s3"}},
      {"empty playlist", 0, {}, AddMode::Insert, {"s1", "s2", "s3"}},
  };
  const Names sources = {Track("s1", 1), Track("s2", 2), Track("s3", 3)};
  for (const PlacementCase& c : cases) {
    SCOPED_TRACE(c.what);
    tables.ClearGrid(playlist);
    editor.UpdatePlaylistTotals(false);
    FillPlaylist(c.playlistRows);
    Select(c.playlistSelection);
    Browse(sources);
    adder.AddSelectedItems(c.mode);
    EXPECT_EQ(TrackNames(), c.order);
    EXPECT_EQ(Column("#"), Numbers(static_cast<int>(c.order.size())));
    EXPECT_EQ(tables.MP3Size(playlist).Count, static_cast<int>(c.order.size()));
    EXPECT_EQ(playlist.selectedRows(), c.playlistSelection);
  }
}

TEST_F(AddItemsTest, AddingToTheEmptyPlaylistFillsItFromRowOne) {
  Browse({Track("s1", 60), Track("s2", 30)});
  EXPECT_TRUE(tables.pnlHelpVisible());
  adder.actAppendItemExecute();
  EXPECT_EQ(TrackNames(), (Names{"s1", "s2"}));
  EXPECT_EQ(playlist.tag(), 0);
  EXPECT_EQ(playlist.selectionColour(), kSelectionColour);
  EXPECT_FALSE(tables.pnlHelpVisible());
  EXPECT_EQ(editor.lblInfo2(), "Total: 2 tracks | 01:30 | 1.37 MB");
  EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(AddItemsTest, SourceRowsThatWereAddedShowTheAddedColour) {
  Browse({Track("s1", 1), Track("s2", 1), Track("s3", 1)});
  browser.deselectRow(2);
  browser.setRowBackground(1, kRed);
  adder.actAppendItemExecute();
  EXPECT_EQ(browser.rowTextColour(1), 16777152);
  EXPECT_EQ(browser.rowTextColour(2), kNoColour);
  EXPECT_EQ(browser.rowTextColour(3), 16777152);
  EXPECT_EQ(browser.rowBackground(1), kRed);
}

struct SubfolderCase {
  DialogAnswer answer;
  Names added;
};

TEST_F(AddItemsTest, AFolderAsksOnceWhetherToIncludeItsSubfolders) {
  Track("A/a", 1);
  Track("A/b", 1);
  Track("A/Sub/c", 1);
  Track("A/Sub/Deeper/d", 1);
  Track("A/Two/e", 1);
  const std::vector<SubfolderCase> cases = {
      {DialogAnswer::Yes, {"p1", "a", "b", "c", "d", "e"}},
      {DialogAnswer::No, {"p1", "a", "b"}},
  };
  for (const SubfolderCase& c : cases) {
    tables.ClearGrid(playlist);
    FillPlaylist(1);
    Browse({Folder("A")});
    dialogs.willAnswer(c.answer);
    const std::size_t before = dialogs.shown().size();
    adder.actAppendItemExecute();
    ASSERT_EQ(dialogs.shown().size(), before + 1);
    EXPECT_EQ(dialogs.shown().back().text, "Do you want to include subfolders?");
    EXPECT_EQ(TrackNames(), c.added);
    EXPECT_EQ(Column("#"), Numbers(static_cast<int>(c.added.size())));
  }
}

TEST_F(AddItemsTest, AFolderWithoutSubfoldersAsksNothing) {
  Track("A/a", 1);
  Track("A/b", 1);
  dir.write("A/notes.txt", "no track");
  FillPlaylist(1);
  Browse({Folder("A")});
  adder.actAppendItemExecute();
  EXPECT_EQ(TrackNames(), (Names{"p1", "a", "b"}));
  EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(AddItemsTest, FoldersAndPlaylistFilesExpandInPlace) {
  Track("A/a", 1);
  Track("A/b", 1);
  const std::string list =
      M3U("list", "#EXTM3U\r\n#EXTINF: 1,Named\r\nm.mp3\r\n#EXTINF: 1,\r\nn.mp3\r\n");
  Track("m", 1);
  Track("n", 1);
  FillPlaylist(3);
  Select({1});
  Browse({Track("s1", 1), Folder("A"), list, Track("s2", 1)});
  adder.actAddItemExecute();
  EXPECT_EQ(TrackNames(), (Names{"p1", "s1", "a", "b", "Named", "n", "s2", "p2", "p3"}));
  EXPECT_EQ(Column("#"), Numbers(9));
}

TEST_F(AddItemsTest, BarsInNamesSurviveAddingAndTheMissingFilesCheck) {
  const std::string bar = Track("bar|pipe", 1);
  const std::string inFolder = Track("dir|x/in|side", 1);
  Browse({bar, Folder("dir|x")});
  adder.actAppendItemExecute();
  EXPECT_TRUE(dialogs.shown().empty());
  EXPECT_EQ(Column("Path"), (Names{bar, inFolder}));
  EXPECT_EQ(TrackNames(), (Names{"bar|pipe", "in|side"}));
  EXPECT_EQ(editor.CheckMissingFiles(false), 0);
  EXPECT_EQ(Column("Path"), (Names{bar, inFolder}));
  EXPECT_EQ(tables.MP3Size(playlist).Count, 2);
}

TEST_F(AddItemsTest, ItemsThatYieldNoFileLeaveNoBlankRowBehind) {
  struct Case {
    const char* what;
    int playlistRows;
    std::vector<std::string> items;
    Names order;
    int questions;
  };
  Track("Deep/Sub/x", 1);
  const std::string s1 = Track("s1", 1);
  const std::string nothing = M3U("nothing", "#EXTM3U\r\n");
  const std::vector<Case> cases = {
      {"an empty folder, then a file", 2, {Folder("Empty"), s1}, {"p1", "p2", "s1"}, 0},
      {"only subfolders, answered No", 2, {Folder("Deep")}, {"p1", "p2"}, 1},
      {"an empty playlist file", 2, {nothing, s1}, {"p1", "p2", "s1"}, 0},
      {"into the empty playlist: an empty folder, then a file", 0, {Folder("Empty"), s1},
       {"s1"}, 0},
      {"into the empty playlist: a file, then an empty folder", 0, {s1, Folder("Empty")},
       {"s1"}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    tables.ClearGrid(playlist);
    FillPlaylist(c.playlistRows);
    Browse(c.items);
    for (int i = 0; i < c.questions; ++i) dialogs.willAnswer(DialogAnswer::No);
    adder.actAppendItemExecute();
    EXPECT_EQ(TrackNames(), c.order);
    EXPECT_EQ(Column("#"), Numbers(static_cast<int>(c.order.size())));
    ExpectNoBlankRow();
  }
}

TEST_F(AddItemsTest, NothingAddedToTheEmptyPlaylistLeavesItEmpty) {
  Browse({Folder("Empty"), Folder("Void")});
  adder.actAppendItemExecute();
  EXPECT_TRUE(playlist.isEmpty());
  EXPECT_EQ(playlist.dataRowCount(), 1);
  EXPECT_TRUE(tables.pnlHelpVisible());
  EXPECT_EQ(editor.lblInfo2(), "Total: 0 tracks | 00:00 | 0");
}

TEST_F(AddItemsTest, MissingPlaylistEntriesAreCountedInOneMessage) {
  Track("a", 1);
  Track("b", 1);
  Track("d", 1);
  const std::string list = M3U("list", "a.mp3\r\nb.mp3\r\ngone.mp3\r\nd.mp3\r\n");
  const std::string other = M3U("other", "#EXTM3U\r\nalso-gone.mp3\r\n");
  Browse({list});
  adder.actAppendItemExecute();
  EXPECT_EQ(TrackNames(), (Names{"a", "b", "d"}));
  EXPECT_EQ(dialogs.texts(DialogKind::Inform), Names{kMissingOne});

  Browse({list, other});
  adder.actAppendItemExecute();
  EXPECT_EQ(dialogs.texts(DialogKind::Inform).back(),
            "2 MP3 files were not added to MP3 Playlist\r\nbecause they don't exist on specified "
            "locations.");
  EXPECT_EQ(playlist.dataRowCount(), 6);
}

TEST_F(AddItemsTest, AnUnreadablePlaylistFileIsReportedAndGivesItsRowBack) {
  const std::string list = M3U("list", "a.mp3\r\n");
  Track("a", 1);
  FillPlaylist(1);
  Browse({list});
  fs.failOpenRead = true;
  adder.actAppendItemExecute();
  fs.failOpenRead = false;
  EXPECT_EQ(dialogs.texts(DialogKind::Error).size(), 1u);
  EXPECT_EQ(TrackNames(), Names{"p1"});
}

TEST_F(AddItemsTest, AFileThatVanishesStopsTheCommandKeepingWhatWasAdded) {
  const std::string odd = dir.write("odd.mp3.txt", "not audio");
  const std::string list = M3U("list", "a.mp3\r\nodd.mp3.txt\r\nb.mp3\r\n");
  Track("a", 1);
  Track("b", 1);
  FillPlaylist(1);
  Browse({list, Track("s1", 1)});
  // Between the first and the second entry.
  dialogs.duringNextEvents([&] { std::remove(odd.c_str()); });
  adder.actAppendItemExecute();
  EXPECT_EQ(dialogs.texts(DialogKind::Error).size(), 1u);
  EXPECT_EQ(TrackNames(), (Names{"p1", "a"}));
  EXPECT_EQ(browser.rowTextColour(2), kNoColour);  // never handed over
}

TEST_F(AddItemsTest, StopEndsTheAddAfterTheCurrentFile) {
  for (const char* name : {"A/a", "A/b", "A/c", "A/d"}) Track(name, 1);
  FillPlaylist(1);
  Browse({Folder("A"), Track("s1", 1)});
  dialogs.willStopAddingAt(2);
  adder.actAppendItemExecute();
  EXPECT_EQ(TrackNames(), (Names{"p1", "a", "b"}));
  EXPECT_EQ(Column("#"), Numbers(3));
  EXPECT_EQ(browser.rowTextColour(2), kNoColour);
}

TEST_F(AddItemsTest, StopDuringAFolderSearchEndsItWithoutAsking) {
  Track("A/a", 1);
  Track("A/Sub/b", 1);
  FillPlaylist(1);
  playlist.insertRows(2, 1);
  AddItemsWorker worker(tables, dialogs);
  worker.Tag = 2;
  worker.ReservedRows = 1;
  dialogs.willStopAddingAt(0);  // pressed as soon as the dialog shows
  worker.Show();
  worker.AddItem(FolderItem(dir.path(), "A"));
  worker.GiveBackUnusedRows();
  EXPECT_TRUE(worker.Stopped());
  EXPECT_TRUE(worker.Ready());
  EXPECT_TRUE(dialogs.shown().empty());
  EXPECT_EQ(TrackNames(), Names{"p1"});
}

TEST_F(AddItemsTest, TheProgressDialogShowsWhatItDoes) {
  Track("A/a", 1);
  Track("A/Sub/b", 1);
  Browse({Folder("A")});
  dialogs.willAnswer(DialogAnswer::Yes);
  adder.actAppendItemExecute();
  ASSERT_EQ(dialogs.addItemsViews().size(), 1u);
  const ShownAddItemsView& view = dialogs.addItemsViews().front();
  EXPECT_EQ(view.caption, "Adding Items...");
  EXPECT_EQ(view.lblMode, "Adding Files...");
  EXPECT_EQ(view.lblAdd2, "2");
  EXPECT_EQ(view.folders, (Names{ShortenText(dir.path() + "/A/"),
                                 ShortenText(dir.path() + "/A/Sub/")}));
  EXPECT_EQ(view.files.front(), "a.mp3");
  EXPECT_EQ(view.files.back(), ShortenText(dir.file("A/Sub/b.mp3")));
  EXPECT_FALSE(view.open);
}

TEST_F(AddItemsTest, DropsFromTheBrowserAreAppendedWherever) {
  FillPlaylist(3);
  for (int row : {1, 3}) {
    Browse({Track("s" + std::to_string(row), 1)});
    adder.grdPlaylistOleDrop(row);
  }
  EXPECT_EQ(TrackNames(), (Names{"p1", "p2", "p3", "s1", "s3"}));
  EXPECT_FALSE(PlaylistAdder::grdPlaylistOleDragOver(0));
  EXPECT_TRUE(PlaylistAdder::grdPlaylistOleDragOver(1));
  adder.grdPlaylistOleDrop(0);  // over the header
  EXPECT_EQ(playlist.dataRowCount(), 5);
}

TEST_F(AddItemsTest, DropsWithinThePlaylistMoveItsSelection) {
  FillPlaylist(6);
  Browse({Track("s1", 1)});
  tables.setActiveGrid(GridId::Playlist);
  Select({2, 3});
  adder.grdPlaylistOleDrop(6);
  EXPECT_EQ(TrackNames(), (Names{"p1", "p4", "p5", "p6", "p2", "p3"}));
  EXPECT_EQ(playlist.selectedRows(), (std::vector<int>{5, 6}));
  EXPECT_EQ(Column("#"), Numbers(6));
}

// The space below the last row takes drops as well (the drop row is then rowCount()): playlist
// rows move to the end, browser items are appended, on an empty playlist too.
TEST_F(AddItemsTest, ADropBelowTheLastRowGoesToTheEnd) {
  Browse({Track("s1", 1)});
  EXPECT_TRUE(PlaylistAdder::grdPlaylistOleDragOver(playlist.rowCount()));
  adder.grdPlaylistOleDrop(playlist.rowCount());  // below the empty playlist's blank row
  EXPECT_EQ(TrackNames(), (Names{"s1"}));

  tables.ClearGrid(playlist);
  FillPlaylist(4);
  tables.setActiveGrid(GridId::Playlist);
  Select({1, 2});
  adder.grdPlaylistOleDrop(playlist.rowCount());
  EXPECT_EQ(TrackNames(), (Names{"p3", "p4", "p1", "p2"}));
  EXPECT_EQ(playlist.selectedRows(), (std::vector<int>{3, 4}));
  EXPECT_EQ(Column("#"), Numbers(4));

  Select({1});
  adder.grdPlaylistOleDrop(playlist.rowCount() + 1);  // no such place
  EXPECT_EQ(TrackNames(), (Names{"p3", "p4", "p1", "p2"}));
}

TEST_F(AddItemsTest, CommandsActOnlyOnABrowserSideGridHoldingItems) {
  const std::string s1 = Track("s1", 1);
  FillPlaylist(1);
  struct Case {
    const char* what;
    GridId active;
    bool sourceEmpty;
    bool selection;
  };
  const std::vector<Case> cases = {
      {"the playlist is active", GridId::Playlist, false, true},
      {"the active grid is empty", GridId::Browser, true, true},
      {"nothing is selected", GridId::Browser, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Browse({s1});
    if (c.sourceEmpty) {
      tables.ClearGrid(browser);
      browser.selectRow(1);
    }
    if (!c.selection) browser.clearSelection();
    tables.setActiveGrid(c.active);
    Select({1});
    const std::string before = Snapshot();
    adder.actAppendItemExecute();
    adder.actAddItemExecute();
    EXPECT_EQ(Snapshot(), before);
  }
  EXPECT_TRUE(dialogs.addItemsViews().empty());
  for (GridId source : {GridId::Library, GridId::Search}) {
    tables.setActiveGrid(source);
    tables.ClearGrid(tables.grid(source));
    ASSERT_TRUE(tables.FillRowFromItem(tables.grid(source), 1, FileItem(s1)));
    tables.grid(source).selectRow(1);
    adder.actAppendItemExecute();
  }
  EXPECT_EQ(TrackNames(), (Names{"p1", "s1", "s1"}));
}

TEST_F(AddItemsTest, ASecondAddCannotStartWhileOneRuns) {
  for (const char* name : {"A/a", "A/b"}) Track(name, 1);
  Browse({Folder("A")});
  bool couldAdd = true;
  dialogs.duringNextEvents([&] {
    couldAdd = adder.canAddSelected();
    adder.actAppendItemExecute();
    adder.grdPlaylistOleDrop(1);
  });
  adder.actAppendItemExecute();
  EXPECT_FALSE(couldAdd);
  EXPECT_EQ(TrackNames(), (Names{"a", "b"}));
  EXPECT_FALSE(adder.adding());
  EXPECT_TRUE(adder.canAddSelected());
}

// The export hands the worker the same items and takes one line per file instead of rows.
TEST_F(AddItemsTest, InExportModeFilesGoToTheExportAndRowsStayAlone) {
  Track("A/a", 1);
  const std::string b = Track("b", 1);
  const std::string list = M3U("list", "b.mp3\r\n");
  FillPlaylist(2);
  const std::string before = Snapshot();
  for (bool expand : {false, true}) {
    Names exported;
    AddItemsWorker worker(tables, dialogs);
    worker.ExportMode = true;
    worker.ExpandPlaylists = expand;
    worker.ExportColumns = {"Title"};
    worker.ExportFile = [&](const GridItem& item, const Names& columns) {
      EXPECT_EQ(columns, Names{"Title"});
      exported.push_back(item.path);
      return true;
    };
    worker.AddItem(FolderItem(dir.path(), "A"));
    EXPECT_TRUE(worker.Ready());
    worker.AddItem(FileItem(list));
    worker.AddItem(FileItem(b));
    Names expected = {dir.file("A/a.mp3")};
    if (expand) expected.push_back(b);
    expected.push_back(b);
    EXPECT_EQ(exported, expected);
    EXPECT_EQ(worker.AddedCount(), static_cast<int>(expected.size()));
  }
  EXPECT_EQ(Snapshot(), before);
}

}  // namespace
