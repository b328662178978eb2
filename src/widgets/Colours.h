#pragma once

#include <QColor>

#include "tracks/Colour.h"

// The window's colours are kept as the core keeps them (a stored colour: low byte red, high
// byte blue) and turned into Qt colours where they are painted.
QColor StoredColour(Colour value);

namespace colours {
constexpr Colour kBrowser = Bgr(99, 99, 99);
constexpr Colour kBrowserFrame = Bgr(155, 183, 221);
constexpr Colour kBrowserCaption = Bgr(142, 142, 142);
constexpr Colour kGridHeaderBrowser = Bgr(125, 125, 116);
constexpr Colour kInfoBarBrowserEnd = Bgr(146, 152, 165);
constexpr Colour kInfoBarLine = Bgr(172, 167, 151);
constexpr Colour kGreyLabel = Bgr(128, 128, 128);
constexpr Colour kFolders = Bgr(104, 104, 104);
constexpr Colour kPlaylistPanel = Bgr(104, 145, 200);
constexpr Colour kPlaylistFrame = Bgr(139, 168, 209);
constexpr Colour kPlaylistGrid = Bgr(60, 105, 166);
constexpr Colour kGridHeaderPlaylist = Bgr(125, 125, 154);
constexpr Colour kInfoBarPlaylistEnd = Bgr(140, 138, 170);
constexpr Colour kPlayer = Bgr(0, 206, 221);
constexpr Colour kPlayerOutline = Bgr(0, 143, 212);
constexpr Colour kVolume = Bgr(0, 187, 221);
constexpr Colour kTrackStart = Bgr(0, 129, 221);
constexpr Colour kTrackEnd = Bgr(0, 165, 221);
constexpr Colour kTrackText = Bgr(187, 227, 225);
constexpr Colour kTrackOutline = Bgr(0, 104, 165);
constexpr Colour kActiveCaption = kYellow;
constexpr Colour kInactiveCaption = kWhite;
}  // namespace colours
