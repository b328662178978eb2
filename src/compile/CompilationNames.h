#pragma once

#include <string>
#include <string_view>

// How the compilation folder and the copies in it are named.

// The folder's base name: the playlist name's file-name part without folder and extension, as
// the playlist caption shows it; "Untitled" for a playlist without a name.
std::string CompilationBaseName(const std::string& playlistName);

// destination + "/" + baseName, with a single "/" when destination already ends in one (the
// root "/").
std::string CompilationFolderPath(const std::string& destination, const std::string& baseName);

// The number of decimal digits of count: the width of every position prefix.
int PrefixWidth(int count);

// The name of the copy of source at position row (1 … count): the row zero-padded to the
// width of count, one blank, and the source's file name with its extension, unchanged.
std::string TargetName(int row, int count, std::string_view source);
