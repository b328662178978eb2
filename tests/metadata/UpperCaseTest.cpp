#include <gtest/gtest.h>

#include <clocale>
#include <string>
#include <vector>

#include "metadata/UpperCase.h"

namespace {

struct UpperCase {
  std::string text;
  std::string upper;
};

TEST(UpperCaseTest, EachCodePointGetsItsUpperCase) {
  const std::vector<UpperCase> cases = {
      {"abc xyz 019 [{", "ABC XYZ 019 [{"},
      {"björk", "BJÖRK"},
      {"дельфин", "ДЕЛЬФИН"},
      {"Ångström œuvre ÿ", "ÅNGSTRÖM ŒUVRE Ÿ"},
      {"łódź", "ŁÓDŹ"},
      {"σοφός", "ΣΟΦΌΣ"},  // final sigma too
      {"ǆ ǉ", "Ǆ Ǉ"},
      {"ａｂｃ", "ＡＢＣ"},                      // full width
      {"\xF0\x90\x90\xA8", "\xF0\x90\x90\x80"},  // U+10428 (Deseret) -> U+10400
      {"straße", "STRAßE"},                      // its upper case is two letters: it stays
      {"日本 ♫", "日本 ♫"},
  };
  for (const UpperCase& c : cases) EXPECT_EQ(UpperCaseText(c.text), c.upper) << c.text;
}

TEST(UpperCaseTest, BytesThatAreNotUtf8StayAsTheyAre) {
  const std::vector<UpperCase> cases = {
      {"a\xFF"
       "b",
       "A\xFF"
       "B"},
      {"\xC3", "\xC3"},    // cut short at the end
      {"\xC3x", "\xC3X"},  // cut short before a letter
      {"\xC0\xAF"
       "a",
       "\xC0\xAF"
       "A"},                                     // overlong "/"
      {"\xED\xA0\x80", "\xED\xA0\x80"},          // a surrogate
      {"\xF4\x90\x80\x80", "\xF4\x90\x80\x80"},  // beyond U+10FFFF
  };
  for (const UpperCase& c : cases) EXPECT_EQ(UpperCaseText(c.text), c.upper);
}

// Scripts run the command line under LC_ALL=C; the upper case must not change with it.
TEST(UpperCaseTest, TheLocaleChangesNothing) {
  const std::string before = UpperCaseText("björk дельфин");
  const std::string saved = std::setlocale(LC_ALL, nullptr);
  std::setlocale(LC_ALL, "C");
  EXPECT_EQ(UpperCaseText("björk дельфин"), before);
  EXPECT_EQ(before, "BJÖRK ДЕЛЬФИН");
  std::setlocale(LC_ALL, saved.c_str());
}

TEST(UpperCaseTest, AppendsToWhatIsThere) {
  std::string out = "\r\n";
  AppendUpperCase(out, "é");
  EXPECT_EQ(out, "\r\nÉ");
  EXPECT_EQ(UpperCaseCodePoint(U'ı'), U'I');
  EXPECT_EQ(UpperCaseCodePoint(U'A'), U'A');
  EXPECT_EQ(UpperCaseCodePoint(0x10FFFF), char32_t{0x10FFFF});
}

}  // namespace
