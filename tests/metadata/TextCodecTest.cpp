#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "metadata/TextCodec.h"

namespace {

using namespace std::string_literals;

TEST(TextCodec, Latin1BecomesUtf8) {
  EXPECT_EQ(Latin1ToUtf8("abc"), "abc");
  EXPECT_EQ(Latin1ToUtf8("h\xE4st"), "h\xC3\xA4st");
  EXPECT_EQ(Latin1ToUtf8("\xFF\x80"s), "\xC3\xBF\xC2\x80");
  EXPECT_EQ(Latin1ToUtf8("a\0b"s), "a\0b"s);
}

struct Id3Case {
  const char* name;
  std::uint8_t encoding;
  std::string bytes;
  std::string utf8;
};

TEST(TextCodec, Id3TextIsDecodedByItsEncodingByte) {
  const std::vector<Id3Case> cases = {
      {"latin-1", 0, "h\xE4st", "h\xC3\xA4st"},
      {"utf-16 LE with mark", 1, "\xFF\xFEh\0\xE4\0"s, "h\xC3\xA4"},
      {"utf-16 BE with mark", 1, "\xFE\xFF\0h\0\xE4"s, "h\xC3\xA4"},
      {"utf-16 without mark is LE", 1, "h\0i\0"s, "hi"},
      {"utf-16BE", 2, "\0h\0i"s, "hi"},
      {"utf-16 odd last byte dropped", 1, "\xFF\xFEh\0i"s, "h"},
      {"utf-16 surrogate pair", 1, "\xFF\xFE\x3D\xD8\x00\xDE"s, "\xF0\x9F\x98\x80"},
      {"utf-16 lone surrogate", 1, "\xFF\xFE\x3D\xD8x\0"s, "\xEF\xBF\xBDx"},
      {"utf-16 second string has its own mark", 1,
       "\xFF\xFE"
       "a\0\0\0\xFE\xFF\0b"s,
       "a\0b"s},
      {"utf-16 inner zero kept", 2, "\0a\0\0\0b"s, "a\0b"s},
      {"utf-8", 3, "h\xC3\xA4st", "h\xC3\xA4st"},
      {"utf-8 invalid byte", 3,
       "a\xFF"
       "b",
       "a\xEF\xBF\xBD"
       "b"},
      {"utf-8 overlong", 3, "\xC0\xAF", "\xEF\xBF\xBD\xEF\xBF\xBD"},
      {"utf-8 surrogate", 3, "\xED\xA0\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
      {"utf-8 cut at the end", 3, "ab\xE2\x82", "ab"},
      {"unknown encoding is latin-1", 9, "\xE9", "\xC3\xA9"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DecodeId3Text(c.encoding, c.bytes), c.utf8) << c.name;
  }
}

TEST(TextCodec, Latin1EncodingTellsWhetherEveryCharacterFits) {
  std::string latin1;
  EXPECT_TRUE(Utf8ToLatin1("h\xC3\xA4st", latin1));
  EXPECT_EQ(latin1, "h\xE4st");
  EXPECT_TRUE(Utf8ToLatin1("a\0b"s, latin1));
  EXPECT_EQ(latin1, "a\0b"s);
  EXPECT_FALSE(Utf8ToLatin1("x\xE2\x82\xACy", latin1));  // the euro sign
  EXPECT_EQ(latin1, "x?y");
  EXPECT_FALSE(Utf8ToLatin1("\xFF", latin1));
}

TEST(TextCodec, Utf16LittleEndianRoundTrips) {
  const std::string text = "a\xC3\xA4\xE2\x82\xAC\xF0\x9F\x98\x80";
  const std::string utf16 = Utf8ToUtf16Le(text);
  EXPECT_EQ(utf16, "a\0\xE4\0\xAC\x20\x3D\xD8\x00\xDE"s);
  EXPECT_EQ(Utf16ToUtf8(utf16, false), text);
}

}  // namespace
