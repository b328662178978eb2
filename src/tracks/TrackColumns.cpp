#include "tracks/TrackColumns.h"

#include <array>

namespace {

constexpr std::array<ColumnEntry, 11> kBrowserLayout{{
    {kColumnFileName, 200, true},
    {kColumnType, 50, true},
    {kColumnSize, 50, true},
    {kColumnDuration, 55, true},
    {kColumnBitrate, 55, true},
    {kColumnArtist, 150, true},
    {kColumnTitle, 150, true},
    {kColumnAlbum, 150, true},
    {kColumnYear, 35, true},
    {kColumnGenre, 70, true},
    {kColumnPath, 200, false},
}};

constexpr std::array<ColumnEntry, 12> kPlaylistLayout{{
    {kColumnNumber, 35, true},
    {kColumnTrackName, 160, true},
    {kColumnSize, 50, true},
    {kColumnDuration, 55, true},
    {kColumnArtist, 50, false},
    {kColumnTitle, 50, false},
    {kColumnAlbum, 50, false},
    {kColumnYear, 35, false},
    {kColumnGenre, 50, false},
    {kColumnBitrate, 55, false},
    {kColumnFileName, 180, false},
    {kColumnPath, 200, false},
}};

}  // namespace

CellAlignment AlignmentOfColumn(std::string_view header) {
  const bool right = header == kColumnSize || header == kColumnNumber || header == kColumnDuration;
  return right ? CellAlignment::Right : CellAlignment::Left;
}

std::span<const ColumnEntry> BrowserLayout() { return kBrowserLayout; }

std::span<const ColumnEntry> PlaylistLayout() { return kPlaylistLayout; }
