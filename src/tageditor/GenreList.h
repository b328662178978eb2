#pragma once

#include <string>
#include <vector>

// The entries of the tag editor's genre box: an empty entry, then the 148 genre names of ID3v1,
// in alphabetical order without regard to letter case (the empty entry thus stays first).
std::vector<std::string> TagEditorGenres();
