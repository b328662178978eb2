#include "tracks/TrackColumns.h"

#include <array>

namespace {

constexpr std::array<ColumnEntry, 11> kBrowserLayout{{
    {"File Name", 200, true},
    {"Type", 50, true},
    {"Size", 50, true},
    {"Duration", 55, true},
    {"Bitrate", 55, true},
    {"Artist", 150, true},
    {"Title", 150, true},
    {"Album", 150, true},
    {"Year", 35, true},
    {"Genre", 70, true},
    {"Path", 200, false},
}};

constexpr std::array<ColumnEntry, 12> kPlaylistLayout{{
    {"#", 35, true},
    {"Track Name", 160, true},
    {"Size", 50, true},
    {"Duration", 55, true},
    {"Artist", 50, false},
    {"Title", 50, false},
    {"Album", 50, false},
    {"Year", 35, false},
    {"Genre", 50, false},
    {"Bitrate", 55, false},
    {"File Name", 180, false},
    {"Path", 200, false},
}};

}  // namespace

std::span<const ColumnEntry> BrowserLayout() { return kBrowserLayout; }

std::span<const ColumnEntry> PlaylistLayout() { return kPlaylistLayout; }
