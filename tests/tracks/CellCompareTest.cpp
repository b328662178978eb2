#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tracks/CellCompare.h"

namespace {

int Sign(int v) { return (v > 0) - (v < 0); }

TEST(CellCompareTest, Cases) {
  struct Case {
    CompareKind kind;
    std::string a;
    std::string b;
    int sign;
  };
  const std::vector<Case> cases = {
      {CompareKind::Text, "abc", "ABC", 0},
      {CompareKind::Text, "Abc", "abd", -1},
      {CompareKind::Text, "", "a", -1},
      {CompareKind::Text, "ab", "a", 1},
      {CompareKind::Text, "064", "128", -1},
      {CompareKind::Text, "10", "9", -1},       // text stays text
      {CompareKind::Text, "\xc3\xa9", "z", 1},  // bytes above ASCII sort after it
      {CompareKind::Numeric, "9", "10", -1},
      {CompareKind::Numeric, "100000", "10", 1},
      {CompareKind::Numeric, "", "0", -1},
      {CompareKind::Numeric, "", "-5", -1},
      {CompareKind::Numeric, "", "", 0},
      {CompareKind::Numeric, "abc", "", 0},
      {CompareKind::Numeric, "-5", "3", -1},
      {CompareKind::Numeric, "99999999999999999999999", "9223372036854775807", 0},
      {CompareKind::Numeric, "4700000000", "999999999", 1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Sign(CompareCells(c.kind, c.a, c.b)), c.sign) << c.a << " vs " << c.b;
    EXPECT_EQ(Sign(CompareCells(c.kind, c.b, c.a)), -c.sign) << c.b << " vs " << c.a;
  }
}

}  // namespace
