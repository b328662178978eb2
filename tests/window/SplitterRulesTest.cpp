#include "window/SplitterRules.h"

#include <gtest/gtest.h>

namespace {

TEST(SplitterRulesTest, TheBrowserFirstTakesTheScreenWidthLess304) {
  const struct {
    int screen;
    int browser;
  } cases[] = {{1920, 1616}, {1366, 1062}, {1024, 720}, {800, 496}};
  for (const auto& c : cases) EXPECT_EQ(FirstBrowserWidth(c.screen), c.browser) << c.screen;
}

TEST(SplitterRulesTest, BothSidesKeepAtLeast300Pixels) {
  // Window 1200 wide, folder tree 200: the playlist keeps window − w − 13, the browser's grid
  // area w − 200 + 13.
  EXPECT_FALSE(spl2CanResize(888, 200, 1200));  // playlist 299
  EXPECT_TRUE(spl2CanResize(887, 200, 1200));   // playlist 300
  EXPECT_FALSE(spl2CanResize(486, 200, 1200));  // grid area 299
  EXPECT_TRUE(spl2CanResize(487, 200, 1200));   // grid area 300
  EXPECT_FALSE(spl1CanResize(199, 600));
  EXPECT_TRUE(spl1CanResize(200, 600));
  EXPECT_FALSE(spl1CanResize(390, 600));  // grid 199
  EXPECT_TRUE(spl1CanResize(389, 600));
}

}  // namespace
