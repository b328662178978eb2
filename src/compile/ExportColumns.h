#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "metadata/TrackInfo.h"

// One column an export can write: its name and its width in the text format (characters) and
// in the HTML format (pixels).
struct ExportColumn {
  std::string_view name;
  int textWidth = 0;
  int htmlWidth = 0;
  friend bool operator==(const ExportColumn&, const ExportColumn&) = default;
};

// Every column an export can write, in the order the playlist's export offers them: "#",
// "Track Name", "File Name", "Artist", "Title", "Size", "Duration", "Year", "Album", "Genre",
// "Bitrate", "Path".
std::span<const ExportColumn> PlaylistExportColumns();
// The ten of them an export of browser rows offers: the playlist's without "#" and "Track
// Name".
std::span<const ExportColumn> BrowserExportColumns();
// The column of that name (exactly), or nullptr.
const ExportColumn* FindExportColumn(std::string_view name);
// The names of the columns, in order.
std::vector<std::string> ExportColumnNames(std::span<const ExportColumn> columns);

// text on one line: control characters (tabs, line breaks) become spaces.
std::string OneLineText(std::string_view text);

// What a column shows for the track at path, as read from its file: number fills "#" ("7."; a
// number below 1 leaves it empty). Kept on one line, so a tag cannot break a row apart.
std::string ExportValue(const ExportColumn& column, const std::string& path, const recMP3Info& info,
                        int number);
