#include "compile/CompilationNames.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(CompilationNamesTest, TargetNamesArePaddedToTheDigitsOfTheCount) {
  struct Case {
    int row, count;
    std::string source, name;
  };
  const Case cases[] = {
      {1, 9, "/music/First.mp3", "1 First.mp3"},
      {9, 9, "/music/Last.mp3", "9 Last.mp3"},
      {1, 10, "/music/First.mp3", "01 First.mp3"},
      {10, 10, "/music/Last.mp3", "10 Last.mp3"},
      {1, 12, "/a/b/c/First.mp3", "01 First.mp3"},
      {1, 150, "/music/First.mp3", "001 First.mp3"},
      {99, 150, "/music/x.mp3", "099 x.mp3"},
      {150, 150, "/music/Last.mp3", "150 Last.mp3"},
      {1, 1, "/music/Only One.MP3", "1 Only One.MP3"},
      {7, 1000, "relative.mp3", "0007 relative.mp3"},
      {2, 3, "/mus.ic/track.name.mp3", "2 track.name.mp3"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(TargetName(c.row, c.count, c.source), c.name) << c.row << " of " << c.count;
}

TEST(CompilationNamesTest, PrefixWidthIsTheNumberOfDigits) {
  const std::pair<int, int> cases[] = {{1, 1},   {9, 1},   {10, 2},  {99, 2},
                                       {100, 3}, {150, 3}, {1000, 4}};
  for (const auto& [count, width] : cases) EXPECT_EQ(PrefixWidth(count), width) << count;
}

TEST(CompilationNamesTest, BaseNameFollowsThePlaylistCaption) {
  const std::pair<std::string, std::string> cases[] = {
      {"", "Untitled"},     {"/x/Road Trip.m3u", "Road Trip"}, {"/x/lists.d/party", "party"},
      {"My Mix", "My Mix"}, {"Mix.2024.m3u", "Mix.2024"},
  };
  for (const auto& [name, base] : cases) EXPECT_EQ(CompilationBaseName(name), base) << name;
}

TEST(CompilationNamesTest, FolderPathHasOneSeparator) {
  EXPECT_EQ(CompilationFolderPath("/media/stick", "Untitled"), "/media/stick/Untitled");
  EXPECT_EQ(CompilationFolderPath("/media/stick/", "Untitled"), "/media/stick/Untitled");
  EXPECT_EQ(CompilationFolderPath("/", "Untitled"), "/Untitled");
}

}  // namespace
