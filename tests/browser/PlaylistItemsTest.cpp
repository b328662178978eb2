#include "browser/PlaylistItems.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "support/Mp3Builder.h"
#include "tracks/PlaylistFixture.h"
#include "tracks/TrackTexts.h"

namespace {

using Row = std::vector<std::string>;

const Row kHeader = {"#",     "Track Name", "Size",  "Duration",  "Artist", "Title",
                     "Album", "Year",       "Genre", "Bitrate", "File Name", "Path"};

// A browser listing a playlist file, as the viewer is opened from it.
class PlaylistItemsTest : public PlaylistFixture {
 protected:
  PlaylistItemsTest() { tables.setActiveGrid(GridId::Browser); }

  // The browser's current row is the playlist file.
  void Browse(const std::string& playlistFile) {
    tables.ClearGrid(browser);
    ASSERT_TRUE(tables.FillRowFromItem(browser, 1, FileItem(Track("before", 1))));
    browser.setCurrentRow(browser.addRow());
    ASSERT_TRUE(tables.FillRowFromItem(browser, 2, FileItem(playlistFile)));
  }
  // A tagged track of 2 s.
  std::string TaggedTrack(const std::string& name, const TrackTexts& texts) {
    std::string bytes = Id3v23TextTag(texts) + Mp3Frames(MpegFrame{}, 2);
    bytes.resize(bytes.size() + 2 * kBytesPerSecond, '\0');
    return dir.write(name + ".mp3", bytes);
  }
  const ShownPlaylistItems& Shown() { return dialogs.playlistItems().back(); }
  // One column of the shown rows, without the header.
  Row ShownColumn(const std::string& name) {
    Row cells;
    const auto& rows = Shown().cells;
    for (std::size_t col = 0; col < kHeader.size(); ++col) {
      if (kHeader[col] != name) continue;
      for (std::size_t row = 1; row < rows.size(); ++row) cells.push_back(rows[row][col]);
    }
    return cells;
  }

  TrackGrid& browser = tables.grdBrowser();
};

TEST_F(PlaylistItemsTest, ShowsTheEntriesWhoseFilesExistNumberedFromOne) {
  const std::string a = Track("a", 60);
  const std::string c = TaggedTrack("c", {.title = "Song", .artist = "Band"});
  const std::string list = dir.write(
      "mix.m3u", "#EXTM3U\r\n#EXTINF: 60,Intro\r\na.mp3\r\ngone.mp3\r\nc.mp3\r\n");
  Browse(list);
  ShowPlaylistItems(tables, dialogs, dialogs);
  ASSERT_EQ(dialogs.playlistItems().size(), 1u);
  EXPECT_EQ(Shown().cells.front(), kHeader);
  EXPECT_EQ(ShownColumn("#"), (Row{"1", "2"}));
  EXPECT_EQ(ShownColumn("Track Name"), (Row{"Intro", "Band - Song"}));
  EXPECT_EQ(ShownColumn("Path"), (Row{dir.file("a.mp3"), dir.file("c.mp3")}));
  EXPECT_EQ(ShownColumn("Duration"), (Row{"01:00", "00:02"}));
  const auto bytes = std::filesystem::file_size(a) + std::filesystem::file_size(c);
  EXPECT_EQ(Shown().totals,
            "Total: 2 tracks | 01:02 | " + SizeText(static_cast<std::int64_t>(bytes)));
  EXPECT_TRUE(dialogs.shown().empty());  // missing entries are not reported
}

TEST_F(PlaylistItemsTest, ShowingTwiceShowsTheSameAndChangesNothingElse) {
  Track("a", 1);
  Track("b", 2);
  Browse(dir.write("mix.m3u", "a.mp3\r\nb.mp3\r\n"));
  FillTracks({3});
  const std::string playlistBefore = Snapshot();
  const recMP3Size browserTotals = tables.MP3Size(browser);
  ShowPlaylistItems(tables, dialogs, dialogs);
  ShowPlaylistItems(tables, dialogs, dialogs);
  ASSERT_EQ(dialogs.playlistItems().size(), 2u);
  EXPECT_EQ(dialogs.playlistItems()[0].cells, dialogs.playlistItems()[1].cells);
  EXPECT_EQ(dialogs.playlistItems()[0].totals, "Total: 2 tracks | 00:03 | 45.80 KB");
  EXPECT_EQ(dialogs.playlistItems()[1].totals, dialogs.playlistItems()[0].totals);
  EXPECT_EQ(Snapshot(), playlistBefore);
  EXPECT_EQ(tables.MP3Size(browser).Count, browserTotals.Count);
  EXPECT_EQ(tables.MP3Size(kOtherGridIndex).Count, 2);
}

TEST_F(PlaylistItemsTest, APlaylistWithoutExistingEntriesShowsOneBlankRow) {
  for (const std::string& list :
       {dir.write("empty.m3u", "#EXTM3U\r\n"), dir.write("stale.pls", "File1=gone.mp3\r\n")}) {
    Browse(list);
    ShowPlaylistItems(tables, dialogs, dialogs);
    const auto& cells = Shown().cells;
    ASSERT_EQ(cells.size(), 2u) << list;
    EXPECT_EQ(cells[1], Row(kHeader.size())) << list;
    EXPECT_EQ(Shown().totals, "Total: 0 tracks | 00:00 | 0") << list;
  }
}

TEST_F(PlaylistItemsTest, AnUnreadablePlaylistIsReportedInsteadOfShown) {
  Browse(dir.write("mix.m3u", "a.mp3\r\n"));
  fs.failOpenRead = true;
  ShowPlaylistItems(tables, dialogs, dialogs);
  fs.failOpenRead = false;
  EXPECT_EQ(dialogs.texts(DialogKind::Error).size(), 1u);
  EXPECT_TRUE(dialogs.playlistItems().empty());
}

TEST_F(PlaylistItemsTest, TheGridHasThePlaylistColumnsAllVisibleInBlackOnWhite) {
  PlaylistItems viewer(tables);
  TrackGrid& grid = viewer.grdPLItems();
  ASSERT_EQ(grid.columnCount(), static_cast<int>(kHeader.size()));
  const std::vector<int> widths = {35, 160, 50, 55, 50, 50, 50, 35, 50, 55, 180, 200};
  for (int col = 0; col < grid.columnCount(); ++col) {
    EXPECT_EQ(grid.header(col), kHeader[static_cast<std::size_t>(col)]);
    EXPECT_EQ(grid.columnWidth(col), widths[static_cast<std::size_t>(col)]);
    EXPECT_FALSE(grid.isColumnHidden(col));
    const bool right = col == 0 || col == 2 || col == 3;
    EXPECT_EQ(grdPLItemsGetAlignment(grid, col),
              right ? CellAlignment::Right : CellAlignment::Left)
        << grid.header(col);
  }
  EXPECT_EQ(grid.background(), kWhite);
  EXPECT_EQ(grid.headerColour(), kWhite);
  EXPECT_EQ(grid.textColour(), kBlack);
  EXPECT_TRUE(grid.isEmpty());
  EXPECT_EQ(viewer.lblInfo(), "Total: 0 tracks | 0:00 | 0");
}

}  // namespace
