#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The width the progress dialogs give a folder or file label.
inline constexpr std::size_t kProgressLabelLength = 40;

// A label text of at most maxLength characters unchanged; a longer one as its first
// maxLength - 3 characters and "...". Characters are UTF-8 code points, so a name is never cut
// inside one.
std::string ShortenText(std::string_view text, std::size_t maxLength = kProgressLabelLength);
