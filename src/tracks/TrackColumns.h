#pragma once

#include <span>
#include <string_view>

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
