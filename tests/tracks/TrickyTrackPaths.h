#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Relative track paths ("folder/…/name.mp3", one to three parts) built from the pieces that a
// playlist's writer and reader could take for something else: "\", ":", "=", "#", "|", ",",
// blanks, dots, "File=", "#EXTINF:", "C:\", letters and letters outside ASCII. Every path ends
// in ".mp3" (the reader takes only such lines), none holds a zero byte, a CR or an LF (a line
// break cannot be written in a file of one path per line), no part is empty, "." or "..", and
// no path's file is another path's folder. The same seed gives the same paths.
std::vector<std::string> TrickyTrackPaths(std::uint32_t seed, int count);
