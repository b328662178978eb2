#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tracks/CellCompare.h"
#include "tracks/SortKey.h"

namespace {

int Sign(int v) { return (v > 0) - (v < 0); }

std::string Key(CompareKind kind, std::string_view cell) {
  std::string key;
  AppendSortKey(key, kind, cell);
  return key;
}

// Cells chosen to hit every branch of the encoding: case, empties, prefixes, escaped bytes,
// numbers of both signs and at the limits, texts that are not numbers.
const std::vector<std::string> kCells = {"",
                                         "a",
                                         "A",
                                         "ab",
                                         "aB\x01",
                                         "ab\x01",
                                         "ab\x02",
                                         std::string("a\0b", 3),
                                         "a\x01",
                                         "b",
                                         "\xc3\xa9",
                                         "064",
                                         "128",
                                         "9",
                                         "10",
                                         "100000",
                                         "-5",
                                         "-0",
                                         "0",
                                         "x1",
                                         "99999999999999999999",
                                         "-99999999999999999999",
                                         "12345678",
                                         "123456789",
                                         "Electric Dreams",
                                         "electric dreamz"};

TEST(SortKeyTest, KeysOrderLikeTheCells) {
  for (CompareKind kind : {CompareKind::Text, CompareKind::Numeric}) {
    for (const std::string& a : kCells) {
      for (const std::string& b : kCells) {
        const std::string ka = Key(kind, a);
        const std::string kb = Key(kind, b);
        const int expected = Sign(CompareCells(kind, a, b));
        EXPECT_EQ(Sign(CompareSortKeys(ka, kb)), expected) << a << " vs " << b;
        // The prefix never contradicts the full comparison.
        if (SortKeyPrefix(ka) != SortKeyPrefix(kb)) {
          EXPECT_EQ(SortKeyPrefix(ka) < SortKeyPrefix(kb) ? -1 : 1, expected) << a << " vs " << b;
        }
      }
    }
  }
}

TEST(SortKeyTest, ConcatenatedKeysOrderLikeTheirTuples) {
  const std::vector<std::string> cells = {"", "a", "ab", "b", "10", "9"};
  for (const std::string& a1 : cells) {
    for (const std::string& a2 : cells) {
      for (const std::string& b1 : cells) {
        for (const std::string& b2 : cells) {
          const std::string ka = Key(CompareKind::Text, a1) + Key(CompareKind::Numeric, a2);
          const std::string kb = Key(CompareKind::Text, b1) + Key(CompareKind::Numeric, b2);
          int expected = Sign(CompareText(a1, b1));
          if (expected == 0) expected = Sign(CompareNumbers(a2, b2));
          EXPECT_EQ(Sign(CompareSortKeys(ka, kb)), expected)
              << a1 << "," << a2 << " vs " << b1 << "," << b2;
        }
      }
    }
  }
}

}  // namespace
