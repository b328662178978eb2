#pragma once

#include <cstdint>

// A colour as the window stores it: low byte red, high byte blue (0x00BBGGRR).
using Colour = std::int32_t;

// The stored value of the colour with these red, green and blue parts (0 … 255 each).
constexpr Colour Bgr(int red, int green, int blue) { return red | green << 8 | blue << 16; }

inline constexpr Colour kNoColour = -1;  // "not set": the row, cell or grid default applies
inline constexpr Colour kBlack = Bgr(0, 0, 0);
inline constexpr Colour kWhite = Bgr(255, 255, 255);
inline constexpr Colour kRed = Bgr(255, 0, 0);
inline constexpr Colour kYellow = Bgr(255, 255, 0);
