#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "search/NameOrder.h"

namespace {

TEST(NameOrderTest, SortsWithoutRegardToCaseThenByBytes) {
  std::vector<std::string> names = {"z.mp3", "Mix.m3u", "a.pls", "B",       "b",
                                    "10",    "2",       "_x",    "\xC3\xA9"};
  std::ranges::sort(names, NameLess);
  EXPECT_EQ(names, (std::vector<std::string>{"10", "2", "_x", "a.pls", "B", "b", "Mix.m3u", "z.mp3",
                                             "\xC3\xA9"}));
}

TEST(NameOrderTest, IsAStrictOrder) {
  EXPECT_FALSE(NameLess("abc", "abc"));
  EXPECT_TRUE(NameLess("ABC", "abc"));
  EXPECT_FALSE(NameLess("abc", "ABC"));
  EXPECT_TRUE(NameLess("ab", "ABC"));
  EXPECT_FALSE(NameLess("ABC", "ab"));
}

}  // namespace
