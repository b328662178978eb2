#include <gtest/gtest.h>

#include <clocale>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "tracks/TrackTexts.h"

namespace {

TEST(SizeTextTest, UnitFollowsTheNumberOfDigits) {
  struct Case {
    std::int64_t bytes;
    std::string text;
  };
  const std::vector<Case> cases = {
      {0, "0"},
      {1, "0.00 KB"},
      {1048, "1.00 KB"},
      {999999, "954.20 KB"},
      {1000000, "0.95 MB"},
      {5242880, "5.00 MB"},
      {999999999, "953.67 MB"},
      {1000000000, "0.95 GB"},
      {4700000000, "4.48 GB"},
      {3000000000000, "2861.02 GB"},  // past 32 bits
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SizeText(c.bytes), c.text) << c.bytes;
  }
}

TEST(SizeTextTest, DecimalPointWhateverTheLocale) {
  // A locale with a decimal comma, when the machine has one.
  const std::string old = std::setlocale(LC_ALL, nullptr);
  if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) {
    GTEST_SKIP() << "no de_DE.UTF-8 locale installed";
  }
  const std::string text = SizeText(5242880);
  std::setlocale(LC_ALL, old.c_str());
  EXPECT_EQ(text, "5.00 MB");
}

TEST(DurationTextTest, MinutesBelowAnHourElseHours) {
  struct Case {
    double seconds;
    std::string text;
  };
  const std::vector<Case> cases = {
      {0, "00:00"},        {59.9, "00:59"},   {3599.5, "59:59"}, {3600, "1:00:00"},
      {36061, "10:01:01"}, {247.99, "04:07"}, {3725, "1:02:05"}, {360000, "100:00:00"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DurationText(c.seconds), c.text) << c.seconds;
  }
}

TEST(DurationTextTest, UnshowableValuesReadAsZero) {
  EXPECT_EQ(DurationText(std::numeric_limits<double>::quiet_NaN()), "00:00");
  EXPECT_EQ(DurationText(std::numeric_limits<double>::infinity()), "00:00");
  EXPECT_EQ(DurationText(1e300), "00:00");
}

}  // namespace
