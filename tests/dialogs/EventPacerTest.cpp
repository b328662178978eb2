#include <gtest/gtest.h>

#include "dialogs/EventPacer.h"

namespace {

TEST(EventPacerTest, TheFirstAskIsDueThenNotBeforeTheInterval) {
  EventPacer hourly(std::chrono::hours(1));
  EXPECT_TRUE(hourly.due());
  EXPECT_FALSE(hourly.due());
  EXPECT_FALSE(hourly.due());

  EventPacer always(std::chrono::milliseconds(0));
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(always.due());
}

}  // namespace
