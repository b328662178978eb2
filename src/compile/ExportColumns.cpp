#include "compile/ExportColumns.h"

#include <algorithm>
#include <array>

#include "platform/PathParts.h"
#include "tracks/TrackColumns.h"
#include "tracks/TrackTexts.h"

namespace {

// "#" and "Track Name" first: the browser list is the rest.
constexpr std::array<ExportColumn, 12> kColumns{{
    {kColumnNumber, 5, 50},
    {kColumnTrackName, 60, 400},
    {kColumnFileName, 60, 400},
    {kColumnArtist, 50, 300},
    {kColumnTitle, 50, 300},
    {kColumnSize, 10, 80},
    {kColumnDuration, 10, 80},
    {kColumnYear, 4, 80},
    {kColumnAlbum, 50, 300},
    {kColumnGenre, 40, 150},
    {kColumnBitrate, 10, 80},
    {kColumnPath, 100, 400},
}};
constexpr std::size_t kPlaylistOnlyColumns = 2;

std::string RawValue(std::string_view name, const std::string& path, const recMP3Info& info,
                     int number) {
  if (name == kColumnNumber) return number > 0 ? std::to_string(number) + "." : std::string();
  if (name == kColumnTrackName) return ComposeTrackName(info, path);
  if (name == kColumnFileName) return FileNamePart(path);
  if (name == kColumnArtist) return info.artist;
  if (name == kColumnTitle) return info.title;
  if (name == kColumnAlbum) return info.album;
  if (name == kColumnSize) return SizeText(info.size);
  if (name == kColumnDuration) return DurationText(info.duration);
  if (name == kColumnBitrate) return std::to_string(info.bitrate) + " kbps";
  if (name == kColumnYear) return info.year;
  if (name == kColumnGenre) return info.genre;
  if (name == kColumnPath) return path;
  return std::string();
}

}  // namespace

std::string OneLineText(std::string_view text) {
  std::string line(text);
  std::replace_if(
      line.begin(), line.end(),
      [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7F;
      },
      ' ');
  return line;
}

std::span<const ExportColumn> PlaylistExportColumns() { return kColumns; }

std::span<const ExportColumn> BrowserExportColumns() {
  return std::span<const ExportColumn>(kColumns).subspan(kPlaylistOnlyColumns);
}

const ExportColumn* FindExportColumn(std::string_view name) {
  const auto found = std::ranges::find(kColumns, name, &ExportColumn::name);
  return found == kColumns.end() ? nullptr : &*found;
}

std::vector<std::string> ExportColumnNames(std::span<const ExportColumn> columns) {
  std::vector<std::string> names;
  for (const ExportColumn& column : columns) names.emplace_back(column.name);
  return names;
}

std::string ExportValue(const ExportColumn& column, const std::string& path, const recMP3Info& info,
                        int number) {
  return OneLineText(RawValue(column.name, path, info, number));
}
