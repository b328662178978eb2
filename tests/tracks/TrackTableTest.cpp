#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "metadata/MPEGaudio.h"
#include "support/Mp3Builder.h"
#include "support/TempDir.h"
#include "tracks/TrackColumns.h"
#include "tracks/TrackTable.h"
#include "tracks/TrackTexts.h"

namespace {

using Strings = std::vector<std::string>;

class TrackTableTest : public testing::Test {
 protected:
  TrackTableTest() { tables.SetUpColumns(); }

  // A real MP3 file: an optional 2.3 tag, then `frames` frames of kbps.
  std::string Mp3(const std::string& name, int kbps, int frames, const TrackTexts& texts = {}) {
    const bool tagged = !texts.title.empty() || !texts.artist.empty();
    return dir.write(name, (tagged ? Id3v23TextTag(texts) : std::string()) +
                               Mp3Frames(MpegFrame{.kbps = kbps}, frames));
  }

  // Fills the next row of a grid (its blank row first) from an item.
  int Append(TrackGrid& grid, const GridItem& item) {
    const int row = grid.isEmpty() ? 1 : grid.addRow();
    EXPECT_TRUE(tables.FillRowFromItem(grid, row, item)) << tables.FillError();
    return row;
  }

  std::string Cell(const TrackGrid& grid, int row, const std::string& name) {
    return grid.cell(row, tables.ColumnByName(grid, name));
  }

  Strings ColumnTexts(const TrackGrid& grid, const std::string& name) {
    Strings texts;
    for (int row = 1; row < grid.rowCount(); ++row) texts.push_back(Cell(grid, row, name));
    return texts;
  }

  int Col(const TrackGrid& grid, const std::string& name) {
    return tables.ColumnByName(grid, name);
  }

  TempDir dir;
  TMPEGaudio analyser;
  TrackTables tables{analyser};
  TrackGrid& browser = tables.grdBrowser();
  TrackGrid& playlist = tables.grdPlaylist();
};

// --- columns ---------------------------------------------------------------------------------

TEST_F(TrackTableTest, ColumnSetUpOfBothLayouts) {
  struct Case {
    GridId id;
    Strings headers;
    std::vector<int> widths;
    std::vector<int> hidden;
  };
  const std::vector<Case> cases = {
      {GridId::Browser,
       {"File Name", "Type", "Size", "Duration", "Bitrate", "Artist", "Title", "Album", "Year",
        "Genre", "Path", "ID", "Size2", "Bitrate2"},
       {200, 50, 50, 55, 55, 150, 150, 150, 35, 70, 200},
       {10, 11, 12, 13}},
      {GridId::Playlist,
       {"#", "Track Name", "Size", "Duration", "Artist", "Title", "Album", "Year", "Genre",
        "Bitrate", "File Name", "Path", "ID", "Size2", "Bitrate2"},
       {35, 160, 50, 55, 50, 50, 50, 35, 50, 55, 180, 200},
       {4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}},
  };
  for (const Case& c : cases) {
    const TrackGrid& grid = tables.grid(c.id);
    ASSERT_EQ(grid.columnCount(), static_cast<int>(c.headers.size()));
    std::vector<int> hidden;
    for (int col = 0; col < grid.columnCount(); ++col) {
      EXPECT_EQ(grid.header(col), c.headers[static_cast<std::size_t>(col)]);
      if (col < static_cast<int>(c.widths.size())) {
        EXPECT_EQ(grid.columnWidth(col), c.widths[static_cast<std::size_t>(col)]) << col;
      }
      if (grid.isColumnHidden(col)) hidden.push_back(col);
    }
    EXPECT_EQ(hidden, c.hidden);
  }
  EXPECT_EQ(tables.grdLibrary().columnCount(), 14);
  EXPECT_EQ(tables.grdSearch().columnCount(), 14);
}

TEST_F(TrackTableTest, GridsStartEmptyInTheirColours) {
  struct Case {
    GridId id;
    Colour background;
    Colour header;
    int sortColumn;
  };
  const std::vector<Case> cases = {
      {GridId::Browser, 6513507, 7634301, TrackGrid::kNoSortColumn},
      {GridId::Library, 6513507, 7634301, 0},
      {GridId::Search, 6513507, 7634301, 0},
      {GridId::Playlist, 10905916, 10124669, TrackGrid::kNoSortColumn},
  };
  for (const Case& c : cases) {
    const TrackGrid& grid = tables.grid(c.id);
    EXPECT_EQ(grid.background(), c.background);
    EXPECT_EQ(grid.headerColour(), c.header);
    EXPECT_EQ(grid.selectionColour(), c.background);
    EXPECT_EQ(grid.tag(), -1);
    EXPECT_EQ(grid.dataRowCount(), 1);
    EXPECT_EQ(grid.sortColumn(), c.sortColumn);
  }
  EXPECT_EQ(playlist.gridLineColour(), kWhite);
  EXPECT_TRUE(tables.pnlHelpVisible());
}

TEST_F(TrackTableTest, SortMenusOfferTheLayoutNames) {
  const Strings browserNames = {"File Name", "Type",  "Size", "Duration", "Bitrate", "Artist",
                                "Title",     "Album", "Year", "Genre",    "Path"};
  const Strings playlistNames = {"Track Name", "Size", "Duration", "Artist",  "Title",
                                 "Album",      "Year", "Genre",    "Bitrate", "File Name"};
  for (int menu = 1; menu <= 4; ++menu) {
    SCOPED_TRACE(menu);
    const SortMenu& m = tables.sortMenu(menu);
    Strings captions;
    for (const SortMenuEntry& e : m.entries) {
      captions.push_back(e.caption);
      EXPECT_FALSE(e.checked);
    }
    EXPECT_EQ(m.sortsPlaylist, menu % 2 == 0);
    EXPECT_EQ(captions, menu % 2 == 0 ? playlistNames : browserNames);
  }
}

TEST_F(TrackTableTest, LayoutSizeAndGridIndex) {
  TrackGrid other;
  EXPECT_EQ(tables.LayoutSize(browser), 11);
  EXPECT_EQ(tables.LayoutSize(tables.grdSearch()), 11);
  EXPECT_EQ(tables.LayoutSize(playlist), 12);
  EXPECT_EQ(tables.LayoutSize(other), 12);
  EXPECT_EQ(tables.GridIndex(browser), 0);
  EXPECT_EQ(tables.GridIndex(tables.grdLibrary()), 1);
  EXPECT_EQ(tables.GridIndex(tables.grdSearch()), 2);
  EXPECT_EQ(tables.GridIndex(playlist), 3);
  EXPECT_EQ(tables.GridIndex(other), 4);
  EXPECT_EQ(&tables.MP3Size(other), &tables.MP3Size(4));
}

TEST_F(TrackTableTest, ColumnsAreFoundByNameWhereverTheyAreShown) {
  browser.moveColumn(10, 0);  // "Path" shown first
  EXPECT_EQ(Col(browser, "Path"), 10);
  EXPECT_EQ(Col(browser, "Bitrate2"), 13);
  EXPECT_EQ(Col(browser, "Track Name"), -1);
  EXPECT_EQ(Col(browser, "path"), -1);
  tables.SetCellByName(browser, 1, "/x", "Path");
  tables.SetCellByName(browser, 1, "ignored", "#");
  EXPECT_EQ(tables.RowPath(browser, 1), "/x");
  EXPECT_EQ(browser.cell(1, 0), "");
}

// --- filling ---------------------------------------------------------------------------------

TEST_F(TrackTableTest, TrackNameFromItemTagsOrFileName) {
  struct Case {
    const char* what;
    TrackTexts texts;
    std::string itemName;  // "" for none
    std::string expected;
  };
  const std::vector<Case> cases = {
      {"name from the item", {.title = "T", .artist = "A"}, "Intro", "Intro"},
      {"no tags: file name without extension", {}, "", "a"},
      {"artist and title", {.title = "T", .artist = "A"}, "", "A - T"},
      {"title only", {.title = "T"}, "", " - T"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    tables.ClearGrid(playlist);
    const std::string path = Mp3("a.mp3", 128, 4, c.texts);
    GridItem item = FileItem(path);
    item.name = c.itemName;
    const int row = Append(playlist, item);
    EXPECT_EQ(Cell(playlist, row, "Track Name"), c.expected);
    EXPECT_EQ(Cell(playlist, row, "File Name"), "a.mp3");
    EXPECT_EQ(Cell(playlist, row, "Path"), path);
  }
}

TEST_F(TrackTableTest, Mp3RowTextsAndTotals) {
  const std::string path =
      Mp3("song.mp3", 64, 1000,
          {.title = "T", .artist = "A", .album = "Al", .year = "2001", .genre = "Rock"});
  const int row = Append(browser, FileItem(path));
  const auto size = static_cast<std::int64_t>(ReadFileBytes(path).size());
  recMP3Info info;
  ReadTrackInfo(analyser, path, info);
  ASSERT_EQ(info.bitrate, 64);
  EXPECT_EQ(Cell(browser, row, "Type"), "MP3");
  EXPECT_EQ(Cell(browser, row, "Bitrate"), "64 kbps");
  EXPECT_EQ(Cell(browser, row, "Bitrate2"), "064");
  EXPECT_EQ(Cell(browser, row, "Size2"), std::to_string(size));
  EXPECT_EQ(Cell(browser, row, "Size"), SizeText(size));
  EXPECT_EQ(Cell(browser, row, "Duration"), DurationText(info.duration));
  EXPECT_EQ(Cell(browser, row, "Artist"), "A");
  EXPECT_EQ(Cell(browser, row, "Title"), "T");
  EXPECT_EQ(Cell(browser, row, "Album"), "Al");
  EXPECT_EQ(Cell(browser, row, "Year"), "2001");
  EXPECT_EQ(Cell(browser, row, "Genre"), "Rock");
  EXPECT_EQ(Cell(browser, row, "ID"), "1");
  const recMP3Size& totals = tables.MP3Size(browser);
  EXPECT_EQ(totals.Size, size);
  EXPECT_DOUBLE_EQ(totals.Duration, info.duration);
  EXPECT_EQ(totals.Count, 1);
  EXPECT_EQ(totals.LastID, 1);
}

TEST_F(TrackTableTest, UnreadableMp3ReadsAsAllZero) {
  const int row = Append(browser, FileItem(dir.write("x.mp3", "not an mp3 at all")));
  EXPECT_EQ(Cell(browser, row, "Size"), "0");
  EXPECT_EQ(Cell(browser, row, "Size2"), "0");
  EXPECT_EQ(Cell(browser, row, "Duration"), "00:00");
  EXPECT_EQ(Cell(browser, row, "Bitrate"), "0 kbps");
  EXPECT_EQ(Cell(browser, row, "Bitrate2"), "000");
  EXPECT_EQ(tables.MP3Size(browser).Count, 1);
}

TEST_F(TrackTableTest, FolderAndPlaylistFileRows) {
  struct Case {
    GridItem item;
    Strings cells;  // File Name, Type, Path, Size, Size2, Duration
  };
  const std::string m3u = dir.write("list.m3u", std::string(2096, '#'));
  const std::string pipe = dir.write("bar|pipe.m3u", "#");
  const std::vector<Case> cases = {
      {FolderItem("/Music", "Live"), {"Live", "FOLDER", "/Music/Live", "", "", ""}},
      {FolderItem("/Music [old]/", "[Live] 2005"),
       {"[Live] 2005", "FOLDER", "/Music [old]/[Live] 2005", "", "", ""}},
      {FolderItem("/m", "dir|x"), {"dir|x", "FOLDER", "/m/dir|x", "", "", ""}},
      {FileItem(m3u), {"list.m3u", "M3U", m3u, "2.00 KB", "2096", ""}},
      {FileItem(pipe), {"bar|pipe.m3u", "M3U", pipe, "0.00 KB", "1", ""}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.item.path);
    tables.ClearGrid(browser);
    Append(browser, c.item);
    EXPECT_EQ((Strings{Cell(browser, 1, "File Name"), Cell(browser, 1, "Type"),
                       Cell(browser, 1, "Path"), Cell(browser, 1, "Size"),
                       Cell(browser, 1, "Size2"), Cell(browser, 1, "Duration")}),
              c.cells);
  }
  EXPECT_EQ(tables.MP3Size(browser).Count, 0);
  EXPECT_EQ(tables.MP3Size(browser).Size, 0);
}

TEST_F(TrackTableTest, PlaylistFileInThePlaylistIsNamedByItsFile) {
  const std::string pls = dir.write("mix.pls", "[playlist]\n");
  Append(playlist, EntryItem("Ignored|" + pls));
  EXPECT_EQ(Cell(playlist, 1, "Track Name"), "mix.pls");
  EXPECT_EQ(Cell(playlist, 1, "Size2"), "11");
}

TEST_F(TrackTableTest, MissingFileThatIsNotMp3StopsWithoutWriting) {
  Append(browser, FileItem(dir.write("a.m3u", "x")));
  const int row = browser.addRow();
  const std::string missing = dir.file("gone.m3u");
  EXPECT_FALSE(tables.FillRowFromItem(browser, row, FileItem(missing)));
  EXPECT_NE(tables.FillError().find(missing), std::string::npos);
  EXPECT_EQ(Cell(browser, row, "Path"), "");
  EXPECT_EQ(Cell(browser, 1, "File Name"), "a.m3u");
  EXPECT_EQ(tables.MP3Size(browser).LastID, 1);
  // The next good item still fills and clears the error.
  Append(browser, FileItem(dir.write("b.m3u", "x")));
  EXPECT_EQ(tables.FillError(), "");
  EXPECT_EQ(Cell(browser, 3, "ID"), "2");
}

TEST_F(TrackTableTest, MissingMp3FillsAsAllZero) {
  Append(browser, FileItem(dir.file("gone.mp3")));
  EXPECT_EQ(Cell(browser, 1, "Size"), "0");
  EXPECT_EQ(Cell(browser, 1, "Bitrate"), "0 kbps");
}

TEST_F(TrackTableTest, BadRowIsRefused) {
  EXPECT_FALSE(tables.FillRowFromItem(browser, 0, FolderItem("/a", "b")));
  EXPECT_FALSE(tables.FillRowFromItem(browser, 2, FolderItem("/a", "b")));
  EXPECT_EQ(browser.header(0), "File Name");
  EXPECT_EQ(tables.MP3Size(browser).LastID, 0);
}

TEST_F(TrackTableTest, FirstItemEndsTheEmptyStateAndClearingRestoresIt) {
  Append(browser, FolderItem("/m", "a"));
  EXPECT_EQ(browser.tag(), 0);
  EXPECT_EQ(browser.selectionColour(), 15387318);
  Append(browser, FolderItem("/m", "b"));
  Append(browser, FileItem(Mp3("c.mp3", 128, 2)));
  EXPECT_EQ(ColumnTexts(browser, "ID"), (Strings{"1", "2", "3"}));
  browser.selectRow(2);
  browser.setRowTextColour(3, kRed);
  tables.MP3Size(browser).LastPlayed = "2";

  tables.ClearGrid(browser);
  EXPECT_EQ(browser.tag(), -1);
  EXPECT_EQ(browser.dataRowCount(), 1);
  EXPECT_EQ(browser.selectedCount(), 0);
  EXPECT_EQ(browser.selectionColour(), browser.background());
  EXPECT_EQ(Cell(browser, 1, "File Name"), "");
  EXPECT_EQ(browser.rowTextColour(1), kNoColour);
  const recMP3Size& state = tables.MP3Size(browser);
  EXPECT_EQ(state.Size, 0);
  EXPECT_EQ(state.Count, 0);
  EXPECT_EQ(state.Duration, 0.0);
  EXPECT_EQ(state.LastPlayed, "-1");
  EXPECT_EQ(state.LastID, 0);
  Append(browser, FolderItem("/m", "d"));
  EXPECT_EQ(Cell(browser, 1, "ID"), "1");
}

TEST_F(TrackTableTest, IdsKeepCountingThroughRemovals) {
  Append(browser, FolderItem("/m", "a"));
  Append(browser, FolderItem("/m", "b"));
  browser.removeRow(2);
  Append(browser, FolderItem("/m", "c"));
  EXPECT_EQ(ColumnTexts(browser, "ID"), (Strings{"1", "3"}));
  EXPECT_EQ(tables.RowByID(browser, "3"), 2);
  EXPECT_EQ(tables.RowByID(browser, "2"), -1);
  EXPECT_EQ(tables.RowID(browser, 1), "1");
}

TEST_F(TrackTableTest, MarkEmptyIfNoRows) {
  Append(playlist, FolderItem("/m", "a"));
  tables.MarkEmptyIfNoRows(playlist);
  EXPECT_EQ(playlist.tag(), 0);
  playlist.removeRow(1);
  tables.MarkEmptyIfNoRows(playlist);
  EXPECT_EQ(playlist.tag(), -1);
  EXPECT_EQ(playlist.dataRowCount(), 1);
  EXPECT_EQ(playlist.header(1), "Track Name");
}

TEST_F(TrackTableTest, OnlyThePlaylistHidesTheHelpPanel) {
  Append(browser, FileItem(Mp3("a.mp3", 128, 2)));
  EXPECT_TRUE(tables.pnlHelpVisible());
  Append(playlist, FolderItem("/m", "folder"));  // not an MP3 row
  EXPECT_TRUE(tables.pnlHelpVisible());
  Append(playlist, FileItem(Mp3("b.mp3", 128, 2)));
  EXPECT_FALSE(tables.pnlHelpVisible());
}

TEST_F(TrackTableTest, CurrentTypeReadsTheActiveGrid) {
  Append(browser, FolderItem("/m", "a"));
  Append(browser, FileItem(dir.write("b.pls", "x")));
  browser.setCurrentRow(2);
  EXPECT_EQ(tables.CurrentType(), "PLS");
  tables.setActiveGrid(GridId::Playlist);
  EXPECT_EQ(tables.CurrentType(), "");  // the playlist has no "Type"
}

TEST_F(TrackTableTest, RenumberWritesEveryDataRow) {
  playlist.setRowCount(4);
  tables.Renumber();
  EXPECT_EQ(ColumnTexts(playlist, "#"), (Strings{"1.", "2.", "3."}));
}

// Rows keep what they add to the totals, so a selection is summed and a row copied without
// reading the file again.
TEST_F(TrackTableTest, RowsKeepTheirTotalsAndCopiesCountAnew) {
  const std::string song = Mp3("song.mp3", 128, 40, {.title = "Song", .artist = "Band"});
  TrackGrid& library = tables.grdLibrary();
  TrackGrid& search = tables.grdSearch();
  const int mp3 = Append(library, FileItem(song));
  const int list = Append(library, FileItem(dir.write("list.m3u", "#EXTM3U\r\n")));
  const RowTotals totals = library.rowTotals(mp3);
  EXPECT_TRUE(totals.counted);
  EXPECT_EQ(totals.size, tables.MP3Size(library).Size);
  EXPECT_DOUBLE_EQ(totals.duration, tables.MP3Size(library).Duration);
  EXPECT_FALSE(library.rowTotals(list).counted);

  std::filesystem::remove(song);  // a copy never reads the file
  search.setRowCount(3);
  ASSERT_TRUE(tables.CopyRow(library, list, search, 1));
  ASSERT_TRUE(tables.CopyRow(library, mp3, search, 2));
  EXPECT_FALSE(tables.CopyRow(library, 9, search, 1));
  EXPECT_FALSE(search.isEmpty());
  EXPECT_EQ(ColumnTexts(search, "ID"), (Strings{"1", "2"}));  // numbered by the search grid
  EXPECT_EQ(ColumnTexts(search, "Title"), (Strings{"", "Song"}));
  EXPECT_EQ(Cell(search, 2, "Path"), song);
  EXPECT_EQ(Cell(search, 2, "Size"), Cell(library, mp3, "Size"));
  EXPECT_EQ(tables.MP3Size(search).Count, 1);
  EXPECT_EQ(tables.MP3Size(search).Size, totals.size);
  EXPECT_DOUBLE_EQ(tables.MP3Size(search).Duration, totals.duration);

  search.blankRow(2);
  EXPECT_FALSE(search.rowTotals(2).counted);
  tables.ClearGrid(search);
  EXPECT_EQ(tables.MP3Size(search).Count, 0);
}

// --- cell rules ------------------------------------------------------------------------------

TEST_F(TrackTableTest, RightAlignedColumnsInEveryRow) {
  for (int row : {0, 1}) {
    for (int col = 0; col < playlist.columnCount(); ++col) {
      const std::string_view h = playlist.header(col);
      const bool right = h == "#" || h == "Size" || h == "Duration";
      EXPECT_EQ(tables.grdBrowserGetAlignment(playlist, row, col),
                right ? CellAlignment::Right : CellAlignment::Left)
          << h;
    }
  }
  EXPECT_EQ(tables.grdBrowserGetAlignment(browser, 1, Col(browser, "Size")), CellAlignment::Right);
  EXPECT_EQ(tables.grdBrowserGetAlignment(browser, 1, Col(browser, "Size2")), CellAlignment::Left);
}

TEST_F(TrackTableTest, OnlySize2ComparesAsNumbers) {
  for (int col = 0; col < browser.columnCount(); ++col) {
    EXPECT_EQ(tables.grdBrowserGetFormat(browser, col),
              browser.header(col) == "Size2" ? CompareKind::Numeric : CompareKind::Text);
  }
  EXPECT_EQ(browser.compareKind(Col(browser, "Size2")), CompareKind::Numeric);
}

// --- sorting ---------------------------------------------------------------------------------

class TrackTableSortTest : public TrackTableTest {
 protected:
  // Playlist files of the given sizes, named by their sizes.
  void SizedFiles(TrackGrid& grid, const std::vector<int>& sizes) {
    for (int size : sizes) {
      const std::string bytes(static_cast<std::size_t>(size), 'x');
      Append(grid, FileItem(dir.write(std::to_string(size) + ".m3u", bytes)));
    }
  }

  int MenuEntry(int menu, const std::string& caption) {
    const std::vector<SortMenuEntry>& entries = tables.sortMenu(menu).entries;
    for (std::size_t i = 0; i < entries.size(); ++i) {
      if (entries[i].caption == caption) return static_cast<int>(i);
    }
    ADD_FAILURE() << caption;
    return 0;
  }

  void MenuSort(int menu, const std::string& caption) {
    tables.SortByMenuItem(menu, static_cast<std::size_t>(MenuEntry(menu, caption)));
  }

  Strings Checked(int menu) {
    Strings checked;
    for (const SortMenuEntry& e : tables.sortMenu(menu).entries) {
      if (e.checked) checked.push_back(e.caption);
    }
    return checked;
  }
};

TEST_F(TrackTableSortTest, SizeHeaderSortsByNumberAndReversesEachTime) {
  SizedFiles(playlist, {10, 100000, 9});
  tables.SortByHeaderClick(playlist, Col(playlist, "Size"));
  EXPECT_EQ(ColumnTexts(playlist, "Size2"), (Strings{"100000", "10", "9"}));
  EXPECT_EQ(playlist.sortColumn(), Col(playlist, "Size"));
  tables.SortByHeaderClick(playlist, Col(playlist, "Size"));
  EXPECT_EQ(ColumnTexts(playlist, "Size2"), (Strings{"9", "10", "100000"}));
  EXPECT_EQ(ColumnTexts(playlist, "#"), (Strings{"1.", "2.", "3."}));
}

TEST_F(TrackTableSortTest, BitrateSortsByItsZeroFilledCompanion) {
  Append(playlist, FileItem(Mp3("fast.mp3", 128, 2)));
  Append(playlist, FileItem(Mp3("slow.mp3", 64, 2)));
  Append(playlist, FileItem(Mp3("mid.mp3", 96, 2)));
  const int bitrate = Col(playlist, "Bitrate");
  tables.SortByHeaderClick(playlist, bitrate);  // ascending -> descending
  tables.SortByHeaderClick(playlist, bitrate);
  EXPECT_EQ(ColumnTexts(playlist, "Bitrate"), (Strings{"64 kbps", "96 kbps", "128 kbps"}));
  EXPECT_EQ(playlist.sortColumn(), bitrate);
}

TEST_F(TrackTableSortTest, TypeSortGivesTheSameOrderEveryTime) {
  Append(browser, FileItem(dir.write("b.m3u", "x")));
  Append(browser, FileItem(Mp3("a.mp3", 128, 2)));
  Append(browser, FolderItem("/m", "z"));
  Append(browser, FileItem(dir.write("c.m3u", "x")));
  Append(browser, FileItem(Mp3("d.mp3", 128, 2)));
  const Strings expected = {"d.mp3", "a.mp3", "c.m3u", "b.m3u", "z"};  // MP3 > M3U > FOLDER
  for (int click = 0; click < 2; ++click) {
    tables.SortByHeaderClick(browser, Col(browser, "Type"));
    EXPECT_EQ(ColumnTexts(browser, "File Name"), expected) << click;
    EXPECT_EQ(browser.sortColumn(), Col(browser, "Type"));
    EXPECT_EQ(browser.sortDirection(), SortDirection::Descending);
    EXPECT_TRUE(browser.sortKeys().empty());
  }
}

TEST_F(TrackTableSortTest, BrowserBitrateIsAnIndexedSort) {
  Append(browser, FileItem(Mp3("a.mp3", 64, 2)));
  Append(browser, FileItem(Mp3("b.mp3", 128, 2)));
  Append(browser, FolderItem("/m", "f"));
  for (int click = 0; click < 2; ++click) {
    tables.SortByHeaderClick(browser, Col(browser, "Bitrate"));
    EXPECT_EQ(ColumnTexts(browser, "File Name"), (Strings{"b.mp3", "a.mp3", "f"}));
  }
}

TEST_F(TrackTableSortTest, NumberHeaderOfThePlaylistDoesNotSort) {
  SizedFiles(playlist, {3, 1, 2});
  tables.Renumber();
  const Strings before = ColumnTexts(playlist, "Size2");
  tables.SortByHeaderClick(playlist, 0);
  EXPECT_FALSE(tables.grdBrowserCanSort(playlist, 0));
  EXPECT_EQ(ColumnTexts(playlist, "Size2"), before);
  EXPECT_EQ(playlist.sortColumn(), TrackGrid::kNoSortColumn);
  EXPECT_EQ(playlist.sortDirection(), SortDirection::Ascending);
}

TEST_F(TrackTableSortTest, PlainHeaderClickTogglesAndRenumbers) {
  Append(playlist, EntryItem("B|" + Mp3("1.mp3", 128, 2)));
  Append(playlist, EntryItem("a|" + Mp3("2.mp3", 128, 2)));
  Append(playlist, EntryItem("C|" + Mp3("3.mp3", 128, 2)));
  const int name = Col(playlist, "Track Name");
  EXPECT_TRUE(tables.grdBrowserCanSort(playlist, name));
  tables.SortByHeaderClick(playlist, name);
  EXPECT_EQ(ColumnTexts(playlist, "Track Name"), (Strings{"a", "B", "C"}));
  tables.SortByHeaderClick(playlist, name);
  EXPECT_EQ(ColumnTexts(playlist, "Track Name"), (Strings{"C", "B", "a"}));
  EXPECT_EQ(ColumnTexts(playlist, "#"), (Strings{"1.", "2.", "3."}));
  EXPECT_EQ(ColumnTexts(playlist, "File Name"), (Strings{"3.mp3", "1.mp3", "2.mp3"}));
}

TEST_F(TrackTableSortTest, SingleRowIsNeverSorted) {
  SizedFiles(playlist, {5});
  tables.SortByHeaderClick(playlist, Col(playlist, "Size"));
  MenuSort(2, "Size");
  EXPECT_EQ(playlist.sortColumn(), TrackGrid::kNoSortColumn);
  EXPECT_EQ(playlist.sortDirection(), SortDirection::Ascending);
}

TEST_F(TrackTableSortTest, MenuSortOfAPlainColumnKeepsTheDirection) {
  Append(playlist, EntryItem("b|" + Mp3("1.mp3", 128, 2)));
  Append(playlist, EntryItem("c|" + Mp3("2.mp3", 128, 2)));
  Append(playlist, EntryItem("a|" + Mp3("3.mp3", 128, 2)));
  playlist.setSortDirection(SortDirection::Descending);
  for (int click = 0; click < 2; ++click) {
    MenuSort(2, "Track Name");
    EXPECT_EQ(ColumnTexts(playlist, "Track Name"), (Strings{"c", "b", "a"}));
    EXPECT_EQ(playlist.sortDirection(), SortDirection::Descending);
  }
  EXPECT_EQ(ColumnTexts(playlist, "#"), (Strings{"1.", "2.", "3."}));
}

TEST_F(TrackTableSortTest, MenuSizeSortReversesAndRenumbers) {
  SizedFiles(playlist, {10, 9, 100000});
  MenuSort(4, "Size");
  EXPECT_EQ(ColumnTexts(playlist, "Size2"), (Strings{"100000", "10", "9"}));
  MenuSort(4, "Size");
  EXPECT_EQ(ColumnTexts(playlist, "Size2"), (Strings{"9", "10", "100000"}));
  EXPECT_EQ(ColumnTexts(playlist, "#"), (Strings{"1.", "2.", "3."}));
}

TEST_F(TrackTableSortTest, BrowserMenusSortTheShownBrowserGrid) {
  TrackGrid& library = tables.grdLibrary();
  SizedFiles(library, {2, 1});
  SizedFiles(browser, {2, 1});
  tables.setShownBrowserGrid(GridId::Library);
  MenuSort(1, "File Name");
  EXPECT_EQ(ColumnTexts(library, "File Name"), (Strings{"1.m3u", "2.m3u"}));
  EXPECT_EQ(ColumnTexts(browser, "File Name"), (Strings{"2.m3u", "1.m3u"}));
}

TEST_F(TrackTableSortTest, CheckSortMenuTicksTheSortColumn) {
  SizedFiles(playlist, {1, 2});
  tables.CheckSortMenu(2);
  EXPECT_TRUE(Checked(2).empty());  // no sort column yet
  tables.SortByHeaderClick(playlist, Col(playlist, "Size"));
  tables.CheckSortMenu(2);
  EXPECT_EQ(Checked(2), Strings{"Size"});
  tables.SortByHeaderClick(playlist, Col(playlist, "Duration"));
  tables.CheckSortMenu(2);
  EXPECT_EQ(Checked(2), Strings{"Duration"});
  tables.CheckSortMenu(1);  // grdBrowser: no sort column
  EXPECT_TRUE(Checked(1).empty());
  tables.setShownBrowserGrid(GridId::Library);  // sorted by its first column at start
  tables.CheckSortMenu(3);
  EXPECT_EQ(Checked(3), Strings{"File Name"});
}

}  // namespace
