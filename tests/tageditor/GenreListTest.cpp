#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "metadata/ID3v1.h"
#include "tageditor/GenreList.h"

namespace {

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

TEST(GenreListTest, AnEmptyEntryThenEveryGenreInAlphabeticalOrderIgnoringCase) {
  const std::vector<std::string> genres = TagEditorGenres();
  ASSERT_EQ(genres.size(), 149u);
  EXPECT_EQ(genres.front(), "");
  EXPECT_TRUE(std::ranges::is_sorted(genres, {}, Lower));
  for (std::string_view name : ID3v1GenreNames)
    EXPECT_EQ(std::ranges::count(genres, std::string(name)), 1) << name;
  // Upper and lower case mix in the order of the letters, not of their codes.
  const auto at = [&](const char* name) {
    return std::ranges::find(genres, name) - genres.begin();
  };
  EXPECT_LT(at("Alternative"), at("AlternRock"));
}

}  // namespace
