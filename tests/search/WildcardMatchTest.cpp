#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "search/WildcardMatch.h"

namespace {

struct MaskCase {
  std::string name;
  std::string mask;
  bool matches;
};

TEST(WildcardMatchTest, MatchesLikeTheWindowsFileSystem) {
  const std::vector<MaskCase> cases = {
      {"song.mp3", "*.mp3", true},
      {"SONG.MP3", "*.mp3", true},
      {"song.mp3x", "*.mp3", false},
      {"mp3", "*.mp3", false},
      {".mp3", "*.mp3", true},
      {"a.b.mp3", "*.mp3", true},
      {"song.mp3", "*", true},
      {"song", "*.*", true},
      {"song.mp3", "*.*", true},
      {"song", "*.", true},
      {"song.mp3", "*.", false},
      {"ab.m3u", "??.m3u", true},
      {"abc.m3u", "??.m3u", false},
      {"\xC3\xA9t\xC3\xA9.mp3", "???.mp3", true},  // "?" is one character, not one byte
      {"\xC3\xA9t\xC3\xA9.mp3", "*t*.MP3", true},
      {"aXbXc", "a*b*c", true},
      {"aXbXd", "a*b*c", false},
      {"song.mp3", "", false},
  };
  for (const MaskCase& c : cases) {
    EXPECT_EQ(MatchesMask(c.name, c.mask), c.matches) << c.name << " " << c.mask;
  }
}

TEST(WildcardMatchTest, AnyOfSeveralMasks) {
  EXPECT_TRUE(MatchesAnyMask("a.m3u", "*.mp3;*.pls;*.m3u"));
  EXPECT_TRUE(MatchesAnyMask("a.mp3", "*.mp3;"));
  EXPECT_FALSE(MatchesAnyMask("a.pls", "*.mp3;"));
  EXPECT_FALSE(MatchesAnyMask("a.mp3", ""));
  EXPECT_FALSE(MatchesAnyMask("a.mp3", ";;"));
}

}  // namespace
