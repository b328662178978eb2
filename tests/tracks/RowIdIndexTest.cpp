#include "tracks/RowIdIndex.h"

#include <gtest/gtest.h>

#include <numeric>
#include <random>
#include <string>
#include <vector>

namespace {

// Whatever is done to the rows, the index answers as a search from the top does.
TEST(RowIdIndexTest, AgreesWithASearchAfterEveryKindOfChange) {
  TrackGrid grid;
  grid.setColumnCount(2);
  grid.setHeader(0, "Name");
  grid.setHeader(1, "ID");
  RowIdIndex index(grid, "ID");
  std::mt19937 random(7);
  int next = 0;
  const auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
  for (int step = 0; step < 3000; ++step) {
    if (grid.dataRowCount() == 0) grid.insertRows(1, 1);
    const int rows = grid.dataRowCount();
    switch (pick(9)) {
      case 0:
        if (rows < 40) grid.insertRows(1 + pick(rows + 1), 1 + pick(3));
        break;
      case 1:
        if (rows > 1) grid.removeRowRange(1 + pick(rows), 1);
        break;
      case 2:
        if (rows > 1) grid.moveRow(1 + pick(rows), 1 + pick(rows));
        break;
      case 3: {
        std::vector<int> order(static_cast<std::size_t>(rows));
        std::iota(order.begin(), order.end(), 1);
        std::shuffle(order.begin(), order.end(), random);
        grid.permuteRows(order);
        break;
      }
      case 4:
        grid.sortOnColumn(pick(2));
        break;
      case 5:
        grid.blankRow(1 + pick(rows));
        break;
      case 6:
        if (rows > 1) grid.removeRows({1 + pick(rows), 1 + pick(rows)});
        break;
      case 7:
        grid.setCell(1 + pick(rows), 0, "name");  // another column: nothing to follow
        break;
      default:  // a new or a repeated ID
        grid.setCell(1 + pick(rows), 1, std::to_string(pick(2) == 0 ? next++ : pick(next + 1)));
        break;
    }
    for (int query = 0; query < 8; ++query) {
      const std::string text = std::to_string(pick(next + 1));
      ASSERT_EQ(index.find(text), grid.findRow(1, text)) << "step " << step << ", id " << text;
    }
    ASSERT_EQ(index.find(""), grid.findRow(1, ""));
  }
}

}  // namespace
