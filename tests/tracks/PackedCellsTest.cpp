#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tracks/PackedCells.h"

namespace {

std::vector<std::string> All(const PackedCells& cells, int count) {
  std::vector<std::string> texts;
  for (int col = 0; col < count; ++col) texts.emplace_back(cells.get(col));
  return texts;
}

using Strings = std::vector<std::string>;

TEST(PackedCellsTest, WritesInAnyOrderKeepEveryCell) {
  PackedCells cells;
  cells.set(3, "d");
  cells.set(0, "first");
  cells.set(1, std::string("b\0b", 3));
  cells.set(0, "");
  cells.set(3, "a longer fourth cell");
  EXPECT_EQ(All(cells, 5), (Strings{"", std::string("b\0b", 3), "", "a longer fourth cell", ""}));
}

TEST(PackedCellsTest, ReadsOutsideAreEmptyAndBadWritesIgnored) {
  PackedCells cells;
  EXPECT_EQ(cells.get(0), "");
  cells.set(-1, "x");
  cells.set(65535, "x");
  cells.set(7, "");  // nothing to store
  cells.set(2, "c");
  EXPECT_EQ(cells.get(-1), "");
  EXPECT_EQ(cells.get(65535), "");
  EXPECT_EQ(All(cells, 3), (Strings{"", "", "c"}));
}

TEST(PackedCellsTest, TextFromItsOwnRowCanBeCopied) {
  PackedCells cells;
  cells.set(0, "source text");
  cells.set(1, cells.get(0));
  cells.set(0, cells.get(1).substr(7));
  EXPECT_EQ(All(cells, 2), (Strings{"text", "source text"}));
}

TEST(PackedCellsTest, TruncateAndClear) {
  PackedCells cells;
  cells.set(0, "a");
  cells.set(1, "b");
  cells.set(2, "c");
  cells.truncate(2);
  EXPECT_EQ(All(cells, 3), (Strings{"a", "b", ""}));
  cells.truncate(0);
  EXPECT_EQ(All(cells, 3), (Strings{"", "", ""}));
  cells.set(1, "again");
  cells.clear();
  EXPECT_EQ(cells.get(1), "");
}

}  // namespace
