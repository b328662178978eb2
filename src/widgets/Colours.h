#pragma once

#include <QColor>

// Colours are kept as the stored values of the window's resources: a 24-bit
// number whose low byte is red and high byte blue.
QColor StoredColour(int value);

namespace colours {
constexpr int kBrowser = 6513507;
constexpr int kBrowserFrame = 14530459;
constexpr int kBrowserCaption = 9342606;
constexpr int kGridHeaderBrowser = 7634301;
constexpr int kInfoBarBrowserEnd = 10852498;
constexpr int kInfoBarLine = 9938860;
constexpr int kGreyLabel = 8421504;
constexpr int kFolders = 6842472;
constexpr int kPlaylistPanel = 13144424;
constexpr int kPlaylistFrame = 13740171;
constexpr int kPlaylistGrid = 10905916;
constexpr int kGridHeaderPlaylist = 10124669;
constexpr int kInfoBarPlaylistEnd = 11176588;
constexpr int kPlayer = 14536192;
constexpr int kPlayerOutline = 13930240;
constexpr int kVolume = 14531328;
constexpr int kTrackStart = 14516480;
constexpr int kTrackEnd = 14525696;
constexpr int kTrackText = 14803899;
constexpr int kTrackOutline = 10840064;
constexpr int kActiveCaption = 65535;
constexpr int kInactiveCaption = 16777215;
}  // namespace colours
