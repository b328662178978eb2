#pragma once

#include <string_view>

// Whether a file name matches one file mask the way the Windows file system matches them:
// "*" any run of characters (none included), "?" exactly one character (a whole UTF-8
// sequence), every other character itself without regard to ASCII letter case, so "*.mp3"
// finds "SONG.MP3" on a case-sensitive file system too. Two Windows rules for the extension:
// a mask ending in ".*" also matches names without a dot ("*.*" matches every name), and a
// mask ending in "." matches names without a dot ("*." lists names without an extension).
// The empty mask matches nothing.
bool MatchesMask(std::string_view name, std::string_view mask);

// Whether the name matches any of the ";"-separated masks ("*.mp3;*.pls;*.m3u"). Empty masks
// between separators match nothing.
bool MatchesAnyMask(std::string_view name, std::string_view masks);
