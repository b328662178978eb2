#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "metadata/ID3v2FrameText.h"

namespace {

using namespace std::string_literals;

// The kept part of a payload, as the loader keeps it.
FrameText Kept(const std::string& payload) {
  FrameText frame;
  frame.present = true;
  frame.length = std::min(payload.size(), kFrameTextBytes);
  frame.cut = payload.size() > kFrameTextBytes;
  std::copy_n(payload.begin(), frame.length, frame.bytes.begin());
  return frame;
}

struct Case {
  std::string payload;
  std::string expected;
};

TEST(ID3v2FrameText, TextsAreDecodedAndTrimmed) {
  const std::vector<Case> cases = {
      {"\0Title"s, "Title"},
      {"\0  Title \0\0"s, "Title"},
      {"\0pi\0man"s, "pi\0man"s},  // inner zeros stay, as no separator is made up
      {"\0Caf\xE9"s, "Caf\xC3\xA9"},
      {"\x01\xFF\xFEH\0i\0\0\0"s, "Hi"},
      {"\x01\xFE\xFF\0H\0i"s, "Hi"},
      {"\x02\0H\0i"s, "Hi"},
      {"\x03h\xC3\xA4st\0"s, "h\xC3\xA4st"},
      {"Title"s, "Title"},  // no encoding byte: the payload is the text
      {""s, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(TextOfFrame(Kept(c.payload)), c.expected) << c.payload;
}

TEST(ID3v2FrameText, TrackIsTheNumberBeforeTheSlash) {
  const std::vector<std::pair<std::string, int>> cases = {
      {"5/12", 5}, {"05", 5},    {"300", 44}, {"A1", 0},          {"", 0}, {" 7 ", 7}, {"-1", 255},
      {"+3", 3},   {"5 /12", 0}, {"/3", 0},   {"99999999999", 0},
  };
  for (const auto& [text, track] : cases) {
    EXPECT_EQ(TrackOfFrame(Kept("\0"s + text)), track) << text;
  }
  EXPECT_EQ(TrackOfFrame(Kept("\x01\xFF\xFE"
                              "0\0"
                              "3\0"s)),
            3);
}

TEST(ID3v2FrameText, GenreIsTheTextAfterTheLastParenthesis) {
  const std::vector<Case> cases = {
      {"(17)Rock", "Rock"},   {"(17)", ""},         {"Rock", "Rock"},
      {"(17) Rock", " Rock"}, {"(1)(2)Pop", "Pop"}, {"Relaxation..? :)", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(GenreOfFrame(Kept("\0"s + c.payload)), c.expected) << c.payload;
  }
}

TEST(ID3v2FrameText, CommentSkipsLanguageAndDescription) {
  const std::vector<Case> cases = {
      {"\0eng"
       "desc\0"
       "The text"s,
       "The text"},
      {"\0eng\0 The text \0"s, "The text"},
      {"\0eng"
       "desc only"s,
       ""},
      {"\0en"s, ""},
      {"\x03   \0h\xC3\xA4st"s, "h\xC3\xA4st"},
      // UTF-16: the terminator is two zero bytes at an even distance.
      {"\x01"
       "eng"
       "\xFF\xFE"
       "d\0\0\0"
       "\xFF\xFE"
       "T\0x\0"s,
       "Tx"},
      {"\x01"
       "eng"
       "\xFF\xFE\0\0"
       "\xFF\xFE"
       "\0\x01"s,
       "\xC4\x80"},
      {"\x01"
       "\0e\0"
       "\xFF\xFE\0\0"
       "\xFF\xFE"
       "R\0i\0"s,
       "Ri"},
      {"\x01\0\0\0"
       "\0\0"
       "\xFF\xFE"
       "F\0u\0"s,
       "Fu"},
      {"\x02"
       "eng"
       "\0d\0\0"
       "\0T"s,
       "T"},
  };
  for (const auto& c : cases) EXPECT_EQ(CommentOfFrame(Kept(c.payload)), c.expected);
}

TEST(ID3v2FrameText, CommentCutOffBeforeItsTerminatorKeepsTheDescription) {
  const std::string description(300, 'd');
  EXPECT_EQ(CommentOfFrame(Kept("\0eng"s + description)), std::string(246, 'd'));
}

TEST(ID3v2FrameText, LinkIsTheLatin1UrlAfterTheDescription) {
  const std::vector<Case> cases = {
      {"\0\0http://a.b/\xE9"s, "http://a.b/\xC3\xA9"},
      {"\0site\0http://a.b"s, "http://a.b"},
      {"\x01\xFF\xFEs\0\0\0http://a.b"s, "http://a.b"},
      {"\0\0"s, ""},
      {"\0"s, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(LinkOfFrame(Kept(c.payload)), c.expected);
}

}  // namespace
