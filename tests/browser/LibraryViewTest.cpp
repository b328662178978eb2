#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "browser/LibraryView.h"
#include "platform/MemoryFileSystem.h"
#include "support/FakeMountTable.h"
#include "support/FaultyFileSystem.h"
#include "support/Mp3Builder.h"
#include "support/ScriptedDialogs.h"
#include "support/ScriptedPlayback.h"
#include "support/TagBuilder.h"
#include "support/TempDir.h"
#include "tracks/TrackColumns.h"
#include "window/MainWindowCore.h"

namespace {

using Strings = std::vector<std::string>;

// An MP3 file whose tag gives artist, title and album in UTF-8, with `frames` audio frames.
std::string TaggedMp3(const std::string& artist, const std::string& title, const std::string& album,
                      int frames) {
  const std::string body = Id3v2Frame24("TPE1", Id3v2TextPayload(artist, 3)) +
                           Id3v2Frame24("TIT2", Id3v2TextPayload(title, 3)) +
                           Id3v2Frame24("TALB", Id3v2TextPayload(album, 3));
  return Id3v2Tag(4, body) + Mp3Frames(MpegFrame{}, frames);
}

// A window core whose library folder holds three tagged tracks and a playlist file:
//   lib/ABBA/Gold/Dancing Queen.mp3, lib/ABBA/Gold/gold.m3u,
//   lib/Björk/Homogenic/01 Hunter.mp3, lib/Дельфин/Звезда/01 Весна.mp3
class LibraryViewTest : public testing::Test {
 protected:
  LibraryViewTest() {
    dir.write("lib/ABBA/Gold/Dancing Queen.mp3", TaggedMp3("ABBA", "Dancing Queen", "Gold", 10));
    dir.write("lib/ABBA/Gold/gold.m3u", "#EXTM3U\r\nDancing Queen.mp3\r\n");
    dir.write("lib/Björk/Homogenic/01 Hunter.mp3", TaggedMp3("Björk", "Hunter", "Homogenic", 20));
    dir.write("lib/Дельфин/Звезда/01 Весна.mp3", TaggedMp3("Дельфин", "Весна", "Звезда", 30));
    core.FormCreate();
    library.EventInterval = std::chrono::milliseconds(0);
    library.setLibraryFolders({dir.file("lib")});
  }

  // The File Name cells of a grid; none when it is empty.
  Strings Names(GridId id) {
    TrackGrid& grid = tables.grid(id);
    Strings names;
    for (int row = 1; !grid.isEmpty() && row < grid.rowCount(); ++row)
      names.push_back(grid.cell(row, tables.ColumnByName(grid, kColumnFileName)));
    return names;
  }
  Strings Column(GridId id, std::string_view name) {
    TrackGrid& grid = tables.grid(id);
    Strings texts;
    for (int row = 1; !grid.isEmpty() && row < grid.rowCount(); ++row)
      texts.push_back(grid.cell(row, tables.ColumnByName(grid, name)));
    return texts;
  }
  void Search(const std::string& text) {
    library.setEdtSearch(text);
    library.btnSearchClick();
  }

  TempDir dir;
  ScriptedDialogs dialogs;
  ScriptedPlayback playback;
  FakeMountTable mounts;
  MainWindowCore core{{dialogs, dialogs, playback, dialogs, &dialogs},
                      dir.file("autosave.m3u"),
                      platform::localFileSystem(),
                      mounts};
  TrackTables& tables = core.tables();
  LibraryView& library = core.library();
  FolderBrowser& browser = core.browser();
  const Strings kAll = {"Dancing Queen.mp3", "01 Hunter.mp3", "01 Весна.mp3", "gold.m3u"};
};

// --- the view switch and the scan ---------------------------------------------------------------

TEST_F(LibraryViewTest, TheFirstSwitchBuildsTheLibraryLaterOnesShowIt) {
  core.ActivatePanel(true);
  core.rbtLibraryClick();
  ASSERT_EQ(dialogs.scanProgress().size(), 1u);
  EXPECT_EQ(dialogs.scanProgress()[0].caption, "Scanning...");
  EXPECT_EQ(dialogs.scanProgress()[0].drives, (Strings{"Drive", dir.file("lib")}));
  EXPECT_EQ(Names(GridId::Library), kAll);  // MP3 files first, then playlist files
  EXPECT_EQ(tables.grdLibrary().rowCount(), 5);
  EXPECT_TRUE(core.libraryViewShown());
  EXPECT_EQ(tables.activeGridId(), GridId::Library);
  EXPECT_EQ(browser.lblInfo(), "Total: 3 MP3s | 00:01 | 24.07 KB");

  core.rbtLibraryClick();  // shown already: nothing
  browser.rbtFolderClick();
  EXPECT_EQ(tables.activeGridId(), GridId::Browser);  // never a hidden grid
  EXPECT_EQ(browser.lblInfo(), "Total: 0 MP3s | 00:00 | 0");
  core.pnlLibraryClick();
  EXPECT_EQ(dialogs.scanProgress().size(), 1u);
  EXPECT_EQ(tables.activeGridId(), GridId::Library);
  EXPECT_EQ(browser.lblInfo(), "Total: 3 MP3s | 00:01 | 24.07 KB");
}

TEST_F(LibraryViewTest, ALibraryThatFoundNothingIsScannedAgainAtTheNextSwitch) {
  library.setLibraryFolders({dir.mkdir("empty")});
  core.rbtLibraryClick();
  EXPECT_TRUE(tables.grdLibrary().isEmpty());
  EXPECT_EQ(tables.grdLibrary().rowCount(), 2);
  EXPECT_EQ(browser.lblInfo(), "Total: 0 MP3s | 00:00 | 0");
  browser.pnlFolderClick();
  core.rbtLibraryClick();
  EXPECT_EQ(dialogs.scanProgress().size(), 2u);
}

TEST_F(LibraryViewTest, CancelKeepsWhatWasFound) {
  dialogs.willCancelScanAt(2);
  core.rbtLibraryClick();
  EXPECT_TRUE(dialogs.scanProgress()[0].cancelled);
  EXPECT_EQ(Names(GridId::Library), (Strings{"Dancing Queen.mp3", "01 Hunter.mp3"}));
  EXPECT_EQ(tables.grdLibrary().rowCount(), 3);
  EXPECT_EQ(browser.lblInfo(), "Total: 2 MP3s | 00:00 | 12.06 KB");
}

// Rows come 200 at a time while the scan runs, and the blank ones go at the end.
class InsertCounter : public TrackGridObserver {
 public:
  void rowsInserted(int, int count) override { inserted.push_back(count); }
  std::vector<int> inserted;
};

TEST(LibraryGrowthTest, TheLibraryGrowsBy200RowsAndIsTrimmedOnce) {
  platform::MemoryFileSystem fs;
  for (int i = 0; i < 250; ++i) fs.addFile("/music/" + std::to_string(1000 + i) + ".mp3", "x");
  ScriptedDialogs dialogs;
  ScriptedPlayback playback;
  FakeMountTable mounts;
  MainWindowCore core({dialogs, dialogs, playback, dialogs}, "/autosave.m3u", fs, mounts);
  core.FormCreate();
  core.library().setLibraryFolders({"/music"});
  InsertCounter counter;
  core.tables().grdLibrary().addObserver(&counter);
  core.rbtLibraryClick();
  core.tables().grdLibrary().removeObserver(&counter);
  EXPECT_EQ(counter.inserted, (std::vector<int>{200, 200}));
  EXPECT_EQ(core.tables().grdLibrary().rowCount(), 251);
  EXPECT_EQ(core.browser().lblInfo(), "Total: 250 MP3s | 00:00 | 0");
}

// --- the search ---------------------------------------------------------------------------------

TEST_F(LibraryViewTest, ARowMatchesWhenOneOfItsCellsBeginsWithTheText) {
  core.rbtLibraryClick();
  const std::string hunterSize = Column(GridId::Library, kColumnSize2)[1];
  struct Case {
    std::string text;
    Strings hits;
  };
  const std::vector<Case> cases = {
      {"abba", {"Dancing Queen.mp3"}},       // artist
      {"DANCING q", {"Dancing Queen.mp3"}},  // title and file name, any case
      {"queen", {}},                         // the middle of a cell: nothing
      {"björk", {"01 Hunter.mp3"}},          // letters beyond ASCII, either case
      {"BJÖRK", {"01 Hunter.mp3"}},
      {"дельфин", {"01 Весна.mp3"}},
      {"m3u", {"gold.m3u"}},                                      // the type
      {dir.file("lib/ABBA"), {"Dancing Queen.mp3", "gold.m3u"}},  // the start of the path
      {"  \t" + dir.file("lib/Б") + " \r\n", {}},                 // trimmed; no path starts so
      {"3", {"01 Весна.mp3"}},          // hidden: its "ID" (and no other cell)
      {hunterSize, {"01 Hunter.mp3"}},  // hidden: "Size2"
      {"nothing here", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    Search(c.text);
    EXPECT_TRUE(core.searchShown());
    EXPECT_EQ(tables.activeGridId(), GridId::Search);
    EXPECT_EQ(Names(GridId::Search), c.hits);
  }
  EXPECT_EQ(browser.lblInfo(), "Total: 0 MP3s | 00:00 | 0");
}

TEST_F(LibraryViewTest, BlanksOnlyShowTheLibraryWithItsTotals) {
  core.rbtLibraryClick();
  Search("abba");
  Search(" \t ");
  EXPECT_FALSE(core.searchShown());
  EXPECT_EQ(tables.activeGridId(), GridId::Library);
  EXPECT_EQ(browser.lblInfo(), "Total: 3 MP3s | 00:01 | 24.07 KB");
}

TEST_F(LibraryViewTest, ResultsAreCopiedWithIdsOfTheirOwnWithoutReadingTheFiles) {
  core.rbtLibraryClick();
  std::filesystem::remove(dir.file("lib/Björk/Homogenic/01 Hunter.mp3"));
  Search("/");  // every path
  EXPECT_EQ(Names(GridId::Search), kAll);
  EXPECT_EQ(Column(GridId::Search, kColumnID), (Strings{"1", "2", "3", "4"}));
  EXPECT_EQ(Column(GridId::Search, kColumnArtist), Column(GridId::Library, kColumnArtist));
  EXPECT_EQ(browser.lblInfo(), "Total: 3 MP3s | 00:01 | 24.07 KB");
  Search("hunt");
  EXPECT_EQ(Column(GridId::Search, kColumnID), (Strings{"1"}));  // numbered afresh
  EXPECT_EQ(browser.lblInfo(), "Total: 1 MP3s | 00:00 | 8.02 KB");
}

TEST_F(LibraryViewTest, TheSwitchKeepsTheSearchTextAndHidesOldResults) {
  core.rbtLibraryClick();
  Search("abba");
  core.rbtLibraryClick();  // the view is shown: nothing changes
  EXPECT_TRUE(core.searchShown());
  browser.rbtFolderClick();
  core.rbtLibraryClick();
  EXPECT_FALSE(core.searchShown());
  EXPECT_EQ(library.edtSearch(), "abba");
  EXPECT_EQ(tables.activeGridId(), GridId::Library);
  EXPECT_EQ(Names(GridId::Search), (Strings{"Dancing Queen.mp3"}));  // kept until the next search
}

TEST_F(LibraryViewTest, ClearEmptiesTheBoxAndShowsTheLibrary) {
  core.rbtLibraryClick();
  Search("abba");
  library.btnClearClick();
  EXPECT_EQ(library.edtSearch(), "");
  EXPECT_FALSE(core.searchShown());
  EXPECT_EQ(browser.lblInfo(), "Total: 3 MP3s | 00:01 | 24.07 KB");
}

TEST_F(LibraryViewTest, ASearchAskedForDuringASearchStartsOver) {
  core.rbtLibraryClick();
  dialogs.duringNextEvents([this] { Search("björk"); });
  Search("abba");
  EXPECT_FALSE(library.searching());
  EXPECT_EQ(Names(GridId::Search), (Strings{"01 Hunter.mp3"}));
  EXPECT_EQ(browser.lblInfo(), "Total: 1 MP3s | 00:00 | 8.02 KB");
}

// --- library folders ----------------------------------------------------------------------------

TEST_F(LibraryViewTest, ChangedFoldersAreKeptAndBuildTheLibraryAnew) {
  const std::string file = dir.file("data/" + std::string(kLibraryFoldersFileName));
  library.useFoldersFile(file);
  EXPECT_TRUE(library.libraryFolders().empty());  // no file yet: the local disks
  const std::string lib = dir.file("lib");
  library.useFoldersFile(dir.write("data/" + std::string(kLibraryFoldersFileName), lib + "\n"));
  EXPECT_EQ(library.libraryFolders(), Strings{lib});
  core.rbtLibraryClick();
  const std::string abba = dir.file("lib/ABBA");
  dialogs
      .willEditLibraryFolders(std::nullopt)             // cancelled
      .willEditLibraryFolders(Strings{lib + "/", lib})  // the same list
      .willEditLibraryFolders(Strings{abba + "/"});
  const std::size_t scans = dialogs.scanProgress().size();
  core.btnLibraryFoldersClick();
  EXPECT_EQ(dialogs.texts(DialogKind::LibraryFolders), Strings{lib + "\n"});  // what it showed
  core.btnLibraryFoldersClick();
  EXPECT_EQ(dialogs.scanProgress().size(), scans);
  core.btnLibraryFoldersClick();
  EXPECT_EQ(dialogs.scanProgress().size(), scans + 1);
  EXPECT_EQ(library.libraryFolders(), Strings{abba});
  EXPECT_EQ(Names(GridId::Library), (Strings{"Dancing Queen.mp3", "gold.m3u"}));
  EXPECT_EQ(ReadLibraryFolders(platform::localFileSystem(), file), Strings{abba});
  library.useFoldersFile(file);  // as at the next start
  EXPECT_EQ(library.libraryFolders(), Strings{abba});
}

TEST(LibraryFoldersWriteTest, AFailedWriteIsShownAndTheListHoldsForThisRun) {
  TempDir dir;
  FaultyFileSystem fs;
  fs.failRename = true;
  ScriptedDialogs dialogs;
  TMPEGaudio analyser(fs);
  TrackTables tables(analyser, fs);
  FolderBrowser browser(tables, dialogs, fs);
  FakeMountTable mounts;
  LibraryView library(tables, browser, dialogs, fs, mounts);
  const std::string file = dir.write("folders.txt", "/old\n");
  library.useFoldersFile(file);
  EXPECT_FALSE(library.setLibraryFolders({"/new"}));
  EXPECT_EQ(library.libraryFolders(), Strings{"/new"});
  EXPECT_EQ(dialogs.texts(DialogKind::Error),
            Strings{"Cannot write file \"" + file +
                    "\". The library folders are used until the program ends."});
  EXPECT_EQ(ReadFileBytes(file), "/old\n");
}

}  // namespace
