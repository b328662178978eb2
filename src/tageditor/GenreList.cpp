#include "tageditor/GenreList.h"

#include <algorithm>
#include <string_view>

#include "metadata/ID3v1.h"

namespace {

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool LessIgnoringCase(std::string_view a, std::string_view b) {
  return std::ranges::lexicographical_compare(a, b, [](char x, char y) {
    return static_cast<unsigned char>(LowerAscii(x)) < static_cast<unsigned char>(LowerAscii(y));
  });
}

}  // namespace

std::vector<std::string> TagEditorGenres() {
  std::vector<std::string> genres(1);
  for (std::string_view name : ID3v1GenreNames) genres.emplace_back(name);
  std::ranges::stable_sort(genres, LessIgnoringCase);
  return genres;
}
