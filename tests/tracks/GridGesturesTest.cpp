#include "tracks/GridGestures.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tracks/TrackGrid.h"

namespace {

using Mod = GridGestures::Modifier;

// One gesture: a press (with a modifier), a release, an arrow-key step (delta, with Shift or
// not), or Select All as the command does it.
struct Step {
  enum Kind { Press, Release, StepKey, SelectAll } kind;
  int value = 0;  // the row, or the step's delta
  Mod modifier = Mod::None;
  bool shift = false;
};

Step Press(int row, Mod modifier = Mod::None) { return {Step::Press, row, modifier}; }
Step Release(int row) { return {Step::Release, row}; }
Step Key(int delta, bool shift = false) { return {Step::StepKey, delta, Mod::None, shift}; }
Step All() { return {Step::SelectAll}; }

TEST(GridGesturesTest, PressReleaseStepAndAnchor) {
  struct Case {
    std::string name;
    std::vector<Step> steps;
    std::vector<int> selected;
    int current;
    bool lastReleaseNarrowed = false;
  };
  const std::vector<Case> cases = {
      {"plain press selects one row", {Press(3), Release(3)}, {3}, 3},
      {"press on a selected row of many keeps them until release",
       {All(), Press(2)}, {1, 2, 3, 4, 5}, 2},
      {"its release narrows the selection to the row",
       {All(), Press(2), Release(2)}, {2}, 2, true},
      {"a release elsewhere (a drag) keeps the selection",
       {All(), Press(2), Release(4)}, {1, 2, 3, 4, 5}, 2},
      {"ctrl toggles one row", {Press(1), Press(3, Mod::Ctrl)}, {1, 3}, 3},
      {"ctrl on a selected row takes it out", {All(), Press(3, Mod::Ctrl)}, {1, 2, 4, 5}, 3},
      {"shift selects from the anchor", {Press(2), Release(2), Press(4, Mod::Shift)}, {2, 3, 4}, 4},
      {"shift upwards from a ctrl anchor",
       {Press(1), Press(4, Mod::Ctrl), Press(2, Mod::Shift)}, {2, 3, 4}, 2},
      {"a step moves the one selected row", {Press(2), Release(2), Key(2)}, {4}, 4},
      {"a shift step extends from the anchor", {Press(2), Key(1, true), Key(1, true)}, {2, 3, 4}, 4},
      {"steps stop at the ends", {Press(2), Key(-10)}, {1}, 1},
      {"a press outside the rows changes nothing", {Press(2), Press(9)}, {2}, 2},
  };
  for (const Case& c : cases) {
    TrackGrid grid;
    grid.setColumnCount(1);
    grid.setRowCount(6);  // rows 1 … 5
    GridGestures gestures;
    bool narrowed = false;
    for (const Step& step : c.steps) {
      switch (step.kind) {
        case Step::Press: gestures.press(grid, step.value, step.modifier); break;
        case Step::Release: narrowed = gestures.release(grid, step.value); break;
        case Step::StepKey: gestures.step(grid, step.value, step.shift); break;
        case Step::SelectAll: grid.selectAll(); break;
      }
    }
    EXPECT_EQ(grid.selectedRows(), c.selected) << c.name;
    EXPECT_EQ(grid.currentRow(), c.current) << c.name;
    EXPECT_EQ(narrowed, c.lastReleaseNarrowed) << c.name;
  }
}

}  // namespace
