#include "tracks/CellPaint.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tracks/TrackGrid.h"

namespace {

constexpr Colour kGrey = Bgr(99, 99, 99);
constexpr Colour kBlue = Bgr(182, 202, 234);
constexpr Colour kCyan = Bgr(192, 255, 255);

TEST(CellPaintTest, SelectionRowColoursAndCellBackgrounds) {
  struct Case {
    std::string name;
    std::function<void(TrackGrid&)> setUp;
    CellPaint expected;  // of cell (1, 1)
  };
  const std::vector<Case> cases = {
      {"plain row", [](TrackGrid&) {}, {kWhite, kGrey}},
      {"selected row", [](TrackGrid& g) { g.selectRow(1); }, {kSelectedTextColour, kBlue}},
      {"added row, selected",
       [](TrackGrid& g) {
         g.setRowTextColour(1, kCyan);
         g.selectRow(1);
       },
       {kSelectedTextColour, kBlue}},
      {"missing file keeps red on the selection",
       [](TrackGrid& g) {
         g.setRowTextColour(1, kRed);
         g.selectRow(1);
       },
       {kRed, kBlue}},
      {"edited cell keeps its background",
       [](TrackGrid& g) {
         g.setCellBackground(1, 1, kRed);
         g.selectRow(1);
       },
       {kSelectedTextColour, kRed}},
      {"selection hidden while editing",
       [](TrackGrid& g) {
         g.selectRow(1);
         g.setSelectionShown(false);
       },
       {kWhite, kGrey}},
      {"row background", [](TrackGrid& g) { g.setRowBackground(1, kCyan); }, {kWhite, kCyan}},
  };
  for (const Case& c : cases) {
    TrackGrid grid;
    grid.setColumnCount(2);
    grid.setRowCount(3);
    grid.setBackground(kGrey);
    grid.setSelectionColour(kBlue);
    c.setUp(grid);
    const CellPaint paint = PaintOfCell(grid, 1, 1);
    EXPECT_EQ(paint.text, c.expected.text) << c.name;
    EXPECT_EQ(paint.background, c.expected.background) << c.name;
  }
}

}  // namespace
