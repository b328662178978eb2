#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tracks/ColumnChooser.h"

namespace {

using Names = std::vector<std::string>;

ColumnChooser Chooser(FirstEntry first, int entries = 4) {
  std::vector<ColumnChoice> list;
  for (int i = 0; i < entries; ++i) list.push_back({"c" + std::to_string(i), i % 2 == 0});
  return ColumnChooser("label", list, first);
}

Names Order(const ColumnChooser& chooser) {
  Names names;
  for (const ColumnChoice& entry : chooser.lstColumns()) names.push_back(entry.name);
  return names;
}

// Move Up needs an entry below the second; Move Down an entry between the first and the last:
// the first entry never moves and nothing moves above it.
TEST(ColumnChooserTest, TheMoveButtonsFollowTheSelectedEntry) {
  struct Case {
    int selected;
    bool up;
    bool down;
  };
  const std::vector<Case> cases = {
      {0, false, false}, {1, false, true}, {2, true, true}, {3, true, false}};
  ColumnChooser chooser = Chooser(FirstEntry::Fixed);
  EXPECT_EQ(chooser.selected(), 0);  // the first entry is selected when it opens
  for (const Case& c : cases) {
    SCOPED_TRACE(c.selected);
    chooser.lstColumnsClick(c.selected);
    EXPECT_EQ(chooser.selected(), c.selected);
    EXPECT_EQ(chooser.btnUpEnabled(), c.up);
    EXPECT_EQ(chooser.btnDownEnabled(), c.down);
  }
  // A click beside the entries selects nothing else.
  chooser.lstColumnsClick(7);
  EXPECT_EQ(chooser.selected(), 3);
}

TEST(ColumnChooserTest, MovingTakesTheEntryAlongAndStopsAtTheSecondAndLastPlaces) {
  ColumnChooser chooser = Chooser(FirstEntry::Fixed);
  chooser.lstColumnsClick(3);
  chooser.btnUpClick();
  EXPECT_EQ(Order(chooser), (Names{"c0", "c1", "c3", "c2"}));
  EXPECT_EQ(chooser.selected(), 2);
  chooser.btnUpClick();
  EXPECT_EQ(Order(chooser), (Names{"c0", "c3", "c1", "c2"}));
  EXPECT_FALSE(chooser.btnUpEnabled());
  chooser.btnUpClick();  // disabled: the first entry stays first
  EXPECT_EQ(Order(chooser), (Names{"c0", "c3", "c1", "c2"}));
  chooser.btnDownClick();
  chooser.btnDownClick();
  EXPECT_EQ(Order(chooser), (Names{"c0", "c1", "c2", "c3"}));
  EXPECT_FALSE(chooser.btnDownEnabled());
  chooser.btnDownClick();
  EXPECT_EQ(Order(chooser), (Names{"c0", "c1", "c2", "c3"}));
  // The ticks move with their names.
  EXPECT_EQ(chooser.checkedNames(), (Names{"c0", "c2"}));
  chooser.lstColumnsClick(0);
  chooser.btnDownClick();
  EXPECT_EQ(Order(chooser), (Names{"c0", "c1", "c2", "c3"}));
}

// OK opens disabled; ticking, unticking or moving enables it; selecting alone does not.
TEST(ColumnChooserTest, OnlyAChangeEnablesOK) {
  struct Case {
    const char* what;
    void (*gesture)(ColumnChooser&);
    bool enables;
  };
  const std::vector<Case> cases = {
      {"select", [](ColumnChooser& c) { c.lstColumnsClick(2); }, false},
      {"tick", [](ColumnChooser& c) { c.lstColumnsClickCheck(1, true); }, true},
      {"untick", [](ColumnChooser& c) { c.lstColumnsClickCheck(2, false); }, true},
      {"move up",
       [](ColumnChooser& c) {
         c.lstColumnsClick(2);
         c.btnUpClick();
       },
       true},
      {"move down",
       [](ColumnChooser& c) {
         c.lstColumnsClick(1);
         c.btnDownClick();
       },
       true},
      {"a disabled move",
       [](ColumnChooser& c) {
         c.lstColumnsClick(1);
         c.btnUpClick();
       },
       false},
      {"the fixed entry", [](ColumnChooser& c) { c.lstColumnsClickCheck(0, false); }, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ColumnChooser chooser = Chooser(FirstEntry::Fixed);
    EXPECT_FALSE(chooser.btnOKEnabled());
    c.gesture(chooser);
    EXPECT_EQ(chooser.btnOKEnabled(), c.enables);
  }
}

// The grids' chooser keeps its first entry as it is; the export's lets every entry go.
TEST(ColumnChooserTest, TheFirstEntryIsTickableOnlyInTheExport) {
  for (const FirstEntry first : {FirstEntry::Fixed, FirstEntry::Tickable}) {
    ColumnChooser chooser = Chooser(first);
    const bool tickable = first == FirstEntry::Tickable;
    EXPECT_EQ(chooser.canCheck(0), tickable);
    EXPECT_TRUE(chooser.canCheck(1));
    EXPECT_FALSE(chooser.canCheck(4));
    chooser.lstColumnsClickCheck(0, false);
    chooser.lstColumnsClickCheck(2, false);
    EXPECT_EQ(chooser.checkedNames(), tickable ? Names{} : Names{"c0"});
    chooser.lstColumnsClickCheck(9, true);  // no such entry
    EXPECT_EQ(chooser.lstColumns().size(), 4u);
  }
}

TEST(ColumnChooserTest, AnEmptyListSelectsNothingAndMovesNothing) {
  ColumnChooser chooser = Chooser(FirstEntry::Tickable, 0);
  EXPECT_EQ(chooser.selected(), -1);
  chooser.btnDownClick();
  chooser.btnUpClick();
  EXPECT_FALSE(chooser.btnUpEnabled());
  EXPECT_FALSE(chooser.btnDownEnabled());
  EXPECT_TRUE(chooser.checkedNames().empty());
}

}  // namespace
