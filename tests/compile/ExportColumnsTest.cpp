#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "compile/ExportColumns.h"

namespace {

using Names = std::vector<std::string>;

TEST(ExportColumnsTest, TheTwoListsInTheirOrder) {
  EXPECT_EQ(ExportColumnNames(PlaylistExportColumns()),
            (Names{"#", "Track Name", "File Name", "Artist", "Title", "Size", "Duration", "Year",
                   "Album", "Genre", "Bitrate", "Path"}));
  EXPECT_EQ(ExportColumnNames(BrowserExportColumns()),
            (Names{"File Name", "Artist", "Title", "Size", "Duration", "Year", "Album", "Genre",
                   "Bitrate", "Path"}));
  EXPECT_EQ(FindExportColumn("Type"), nullptr);
  EXPECT_EQ(FindExportColumn("path"), nullptr);  // names are exact
}

// Every column's value and widths for one track; a row of zeros for a file that gave nothing.
TEST(ExportColumnsTest, ValuesAndWidthsOfEveryColumn) {
  recMP3Info info;
  info.duration = 225.9;
  info.bitrate = 192;
  info.size = 5423104;
  info.title = "Title\twith\r\nbreaks";
  info.artist = "Artist";
  info.album = "Album";
  info.year = "1999";
  info.genre = "Pop";
  struct Case {
    const char* name;
    int text;
    int html;
    std::string value;
    std::string zero;  // the value for a missing file
  };
  const std::string path = "/music/a b/Song.mp3";
  const std::vector<Case> cases = {
      {"#", 5, 50, "7.", "7."},
      {"Track Name", 60, 400, "Artist - Title with  breaks", "Song"},
      {"File Name", 60, 400, "Song.mp3", "Song.mp3"},
      {"Artist", 50, 300, "Artist", ""},
      {"Title", 50, 300, "Title with  breaks", ""},
      {"Album", 50, 300, "Album", ""},
      {"Size", 10, 80, "5.17 MB", "0"},
      {"Duration", 10, 80, "03:45", "00:00"},
      {"Bitrate", 10, 80, "192 kbps", "0 kbps"},
      {"Year", 4, 80, "1999", ""},
      {"Genre", 40, 150, "Pop", ""},
      {"Path", 100, 400, path, path},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const ExportColumn* column = FindExportColumn(c.name);
    ASSERT_NE(column, nullptr);
    EXPECT_EQ(column->textWidth, c.text);
    EXPECT_EQ(column->htmlWidth, c.html);
    EXPECT_EQ(ExportValue(*column, path, info, 7), c.value);
    EXPECT_EQ(ExportValue(*column, path, recMP3Info(), 7), c.zero);
  }
  // No number: no "#".
  EXPECT_EQ(ExportValue(*FindExportColumn("#"), path, info, -1), "");
}

}  // namespace
