#pragma once

#include <span>
#include <string_view>

// The column names, as the headers show them and as columns are found by.
inline constexpr std::string_view kColumnNumber = "#";
inline constexpr std::string_view kColumnTrackName = "Track Name";
inline constexpr std::string_view kColumnFileName = "File Name";
inline constexpr std::string_view kColumnType = "Type";
inline constexpr std::string_view kColumnSize = "Size";
inline constexpr std::string_view kColumnDuration = "Duration";
inline constexpr std::string_view kColumnBitrate = "Bitrate";
inline constexpr std::string_view kColumnArtist = "Artist";
inline constexpr std::string_view kColumnTitle = "Title";
inline constexpr std::string_view kColumnAlbum = "Album";
inline constexpr std::string_view kColumnYear = "Year";
inline constexpr std::string_view kColumnGenre = "Genre";
inline constexpr std::string_view kColumnPath = "Path";
enum class CellAlignment { Left, Right };

// "Size", "#" and "Duration" cells (header included) are right-aligned in every grid.
CellAlignment AlignmentOfColumn(std::string_view header);

// One column of a grid layout, as the grids start.
struct ColumnEntry {
  std::string_view name;
  int width = 0;
  bool visible = true;
};

// The eleven columns shared by grdBrowser, grdLibrary and grdSearch, in layout order.
std::span<const ColumnEntry> BrowserLayout();
// The twelve columns of the playlist, "#" first and "Track Name" second.
std::span<const ColumnEntry> PlaylistLayout();

// Always-hidden columns behind every layout, in this order.
inline constexpr std::string_view kColumnID = "ID";
inline constexpr std::string_view kColumnSize2 = "Size2";
inline constexpr std::string_view kColumnBitrate2 = "Bitrate2";
inline constexpr int kSystemColumnCount = 3;

// The playlist's fixed positions: the chooser never moves these two.
inline constexpr int kPlaylistNumberColumn = 0;     // "#"
inline constexpr int kPlaylistTrackNameColumn = 1;  // "Track Name"
