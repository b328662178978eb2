#include "dialogs/ShortenText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(ShortenTextTest, LongLabelsKeepTheirFirst37Characters) {
  const std::string forty(40, 'x');
  const std::string u = "\xC3\xBC";  // one character, two bytes
  struct Case {
    std::string text;
    std::string shown;
  };
  const std::vector<Case> cases = {
      {"", ""},
      {forty, forty},
      {forty + "y", std::string(37, 'x') + "..."},
      {std::string(36, 'x') + u + u + u + u, std::string(36, 'x') + u + u + u + u},
      {std::string(36, 'x') + u + u + u + u + u, std::string(36, 'x') + u + "..."},
  };
  for (const Case& c : cases) EXPECT_EQ(ShortenText(c.text), c.shown) << c.text;
}

}  // namespace
