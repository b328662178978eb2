#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "metadata/MPEGaudio.h"
#include "support/ScriptedDialogs.h"
#include "tracks/CustomizeColumns.h"
#include "tracks/TrackColumns.h"

namespace {

using Names = std::vector<std::string>;

class CustomizeColumnsTest : public ::testing::Test {
 protected:
  CustomizeColumnsTest() { tables.SetUpColumns(); }

  // The grid's columns as shown, left to right; hidden ones in brackets.
  Names Shown(GridId id) {
    const TrackGrid& grid = tables.grid(id);
    Names names;
    for (const int col : grid.visualOrder()) {
      const std::string name(grid.header(col));
      names.push_back(grid.isColumnHidden(col) ? "(" + name + ")" : name);
    }
    return names;
  }
  // The chooser's entries as it opened; unticked ones in brackets.
  static Names Listed(const ShownColumnChooser& shown) {
    Names names;
    for (const ColumnChoice& entry : shown.entries)
      names.push_back(entry.checked ? entry.name : "(" + entry.name + ")");
    return names;
  }
  // Selects entry `name` and moves it by `steps` (up when negative).
  static void Move(ColumnChooser& chooser, const std::string& name, int steps) {
    const std::vector<ColumnChoice>& list = chooser.lstColumns();
    for (int i = 0; i < static_cast<int>(list.size()); ++i)
      if (list[static_cast<std::size_t>(i)].name == name) chooser.lstColumnsClick(i);
    for (; steps < 0; ++steps) chooser.btnUpClick();
    for (; steps > 0; --steps) chooser.btnDownClick();
  }
  static void Tick(ColumnChooser& chooser, const std::string& name, bool ticked) {
    const std::vector<ColumnChoice>& list = chooser.lstColumns();
    for (int i = 0; i < static_cast<int>(list.size()); ++i)
      if (list[static_cast<std::size_t>(i)].name == name) chooser.lstColumnsClickCheck(i, ticked);
  }

  TMPEGaudio analyser;
  TrackTables tables{analyser};
  ScriptedDialogs dialogs;
};

// Each grid offers its layout columns as shown, with its own name in the label; the system
// columns and the playlist's "#" are never offered, and the first entry is the fixed one.
TEST_F(CustomizeColumnsTest, TheChooserListsTheGridsColumnsAsShown) {
  struct Case {
    GridId grid;
    const char* label;
    Names listed;
  };
  const Names browser = {"File Name", "Type",  "Size", "Duration", "Bitrate", "Artist",
                         "Title",     "Album", "Year", "Genre",    "(Path)"};
  const std::vector<Case> cases = {
      {GridId::Browser, "Select the columns you want to display in MP3 Browser", browser},
      {GridId::Library, "Select the columns you want to display in MP3 Library", browser},
      {GridId::Search, "Select the columns you want to display in MP3 Library", browser},
      {GridId::Playlist,
       "Select the columns you want to display in MP3 Playlist",
       {"Track Name", "Size", "Duration", "(Artist)", "(Title)", "(Album)", "(Year)", "(Genre)",
        "(Bitrate)", "(File Name)", "(Path)"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    tables.setActiveGrid(c.grid);
    dialogs.willCancelColumns();
    EXPECT_FALSE(ChooseColumns(tables, dialogs));
    const ShownColumnChooser& shown = dialogs.columnChoosers().back();
    EXPECT_EQ(shown.lbl1, c.label);
    EXPECT_EQ(Listed(shown), c.listed);
    EXPECT_EQ(shown.selected, 0);
    EXPECT_FALSE(shown.btnUp);
    EXPECT_FALSE(shown.btnDown);
    EXPECT_FALSE(shown.btnOK);
  }
}

TEST_F(CustomizeColumnsTest, OnThePlaylistTheNumberStaysFirstAndShown) {
  tables.setActiveGrid(GridId::Playlist);
  dialogs.willChooseColumns([](ColumnChooser& chooser) {
    Tick(chooser, "Artist", true);
    Move(chooser, "Artist", -2);   // behind "Track Name"
    Tick(chooser, "Size", false);  // now third in the list
  });
  ASSERT_TRUE(ChooseColumns(tables, dialogs));
  EXPECT_EQ(
      Shown(GridId::Playlist),
      (Names{"#", "Track Name", "Artist", "(Size)", "Duration", "(Title)", "(Album)", "(Year)",
             "(Genre)", "(Bitrate)", "(File Name)", "(Path)", "(ID)", "(Size2)", "(Bitrate2)"}));
  // Cells are still found by name, whatever their place.
  TrackGrid& playlist = tables.grdPlaylist();
  EXPECT_EQ(tables.ColumnByName(playlist, kColumnArtist), 4);
  EXPECT_EQ(playlist.visualIndex(kPlaylistNumberColumn), 0);
  // The next chooser shows the new arrangement.
  dialogs.willCancelColumns();
  ChooseColumns(tables, dialogs);
  EXPECT_EQ(Listed(dialogs.columnChoosers().back()),
            (Names{"Track Name", "Artist", "(Size)", "Duration", "(Title)", "(Album)", "(Year)",
                   "(Genre)", "(Bitrate)", "(File Name)", "(Path)"}));
}

// The library and the search result share one arrangement, from either of them.
TEST_F(CustomizeColumnsTest, TheLibraryAndTheSearchResultChangeTogether) {
  for (const GridId active : {GridId::Search, GridId::Library}) {
    tables.setActiveGrid(active);
    dialogs.willChooseColumns([](ColumnChooser& chooser) {
      Tick(chooser, "Path", true);
      Move(chooser, "Path", -9);  // second
      Tick(chooser, "Type", false);
    });
    ASSERT_TRUE(ChooseColumns(tables, dialogs));
    const Names expected = {"File Name", "Path",   "(Type)",  "Size",      "Duration",
                            "Bitrate",   "Artist", "Title",   "Album",     "Year",
                            "Genre",     "(ID)",   "(Size2)", "(Bitrate2)"};
    EXPECT_EQ(Shown(GridId::Library), expected);
    EXPECT_EQ(Shown(GridId::Search), expected);
    // Undone for the next round.
    dialogs.willChooseColumns([](ColumnChooser& chooser) {
      Move(chooser, "Path", 9);
      Tick(chooser, "Path", false);
      Tick(chooser, "Type", true);
    });
    ASSERT_TRUE(ChooseColumns(tables, dialogs));
  }
  EXPECT_EQ(Shown(GridId::Browser), Shown(GridId::Library));
}

TEST_F(CustomizeColumnsTest, CancelChangesNothing) {
  tables.setActiveGrid(GridId::Browser);
  const Names before = Shown(GridId::Browser);
  dialogs.willCancelColumns([](ColumnChooser& chooser) {
    Tick(chooser, "Path", true);
    Move(chooser, "Path", -5);
  });
  EXPECT_FALSE(ChooseColumns(tables, dialogs));
  EXPECT_EQ(Shown(GridId::Browser), before);
}

// The sort column is the column it was, wherever that went; widths stay with their columns.
TEST_F(CustomizeColumnsTest, TheSortColumnAndTheWidthsMoveWithTheirColumns) {
  TrackGrid& browser = tables.grdBrowser();
  const int artist = tables.ColumnByName(browser, kColumnArtist);
  browser.setSortColumn(artist);
  const int width = browser.columnWidth(artist);
  tables.setActiveGrid(GridId::Browser);
  dialogs.willChooseColumns([](ColumnChooser& chooser) { Move(chooser, "Artist", -4); });
  ASSERT_TRUE(ChooseColumns(tables, dialogs));
  EXPECT_EQ(browser.visualIndex(artist), 1);
  EXPECT_EQ(browser.header(browser.sortColumn()), kColumnArtist);
  EXPECT_EQ(browser.columnWidth(artist), width);
}

}  // namespace
