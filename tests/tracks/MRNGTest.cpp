#include "tracks/MRNG.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

namespace {

std::uint32_t PeekNextX0(const Mrng& g) {
  Mrng probe = g;
  probe.MrngRandom();
  return probe.state().x0;
}

// x^-1 modulo 2^32 for an odd x (Newton's iteration doubles the correct bits).
std::uint32_t InverseMod2To32(std::uint32_t x) {
  std::uint32_t inv = x;
  for (int i = 0; i < 5; ++i) inv *= 2u - x * inv;
  return inv;
}

TEST(MRNGTest, UnseededGeneratorIsTheAllZeroFixedPoint) {
  Mrng g;
  EXPECT_EQ(g.state(), Mrng::State{});
  EXPECT_EQ(g.MrngRandom(), 0.0);
  EXPECT_EQ(g.MrngRange(5, 100), 5);
  EXPECT_EQ(g.state(), Mrng::State{});
}

TEST(MRNGTest, SeedOneGivesTheKnownStateAndNextOutputs) {
  Mrng g;
  g.MrngSeed(1);
  EXPECT_EQ(g.state(),
            (Mrng::State{2507986930u, 3092934795u, 3630815885u, 1007234564u, 1057390902u}));
  for (std::uint32_t expected : {806909100u, 404163808u, 448132079u}) {
    const double r = g.MrngRandom();
    EXPECT_EQ(g.state().x0, expected);
    EXPECT_EQ(r, expected / 4294967296.0);
  }
}

TEST(MRNGTest, SeedOneThenRangeZeroToHundred) {
  Mrng g;
  g.MrngSeed(1);
  std::vector<std::int32_t> drawn;
  for (int i = 0; i < 5; ++i) drawn.push_back(g.MrngRange(0, 100));
  EXPECT_EQ(drawn, (std::vector<std::int32_t>{18, 9, 10, 3, 50}));
}

TEST(MRNGTest, SeedZeroActsAsAllOnes) {
  Mrng zero;
  Mrng ones;
  zero.MrngSeed(0);
  ones.MrngSeed(0xFFFFFFFFu);
  EXPECT_EQ(zero.state(), ones.state());
  for (int i = 0; i < 10; ++i) EXPECT_EQ(zero.MrngRange(-50, 50), ones.MrngRange(-50, 50));
}

TEST(MRNGTest, ReseedingRepeatsTheSequence) {
  Mrng g;
  g.MrngSeed(123456);
  const double first = g.MrngRandom();
  g.MrngRandom();
  g.MrngSeed(123456);
  EXPECT_EQ(g.MrngRandom(), first);
}

TEST(MRNGTest, DegenerateRangesReturnLoAndStillStep) {
  Mrng g;
  g.MrngSeed(42);
  for (int i = 0; i < 100; ++i) EXPECT_EQ(g.MrngRange(7, 8), 7);
  const Mrng::State before = g.state();
  EXPECT_EQ(g.MrngRange(-3, -3), -3);
  EXPECT_NE(g.state(), before);
}

TEST(MRNGTest, RangeStaysWithinBoundsAndRandomBelowOne) {
  Mrng g;
  g.MrngSeed(99);
  for (int i = 0; i < 10000; ++i) {
    const std::int32_t v = g.MrngRange(-5, 5);
    EXPECT_GE(v, -5);
    EXPECT_LE(v, 4);
    const double r = g.MrngRandom();
    EXPECT_GE(r, 0.0);
    EXPECT_LT(r, 1.0);
  }
}

TEST(MRNGTest, ReversedRangeTruncatesTowardZero) {
  Mrng g;
  g.MrngSeed(7);
  const std::uint32_t x0 = PeekNextX0(g);
  // lo + trunc(r * (hi - lo)) with hi - lo = -100: never below lo - 99.
  const auto expected =
      static_cast<std::int32_t>(10 - static_cast<std::int64_t>((std::uint64_t{x0} * 100u) >> 32));
  EXPECT_EQ(g.MrngRange(10, -90), expected);
}

// A draw whose exact product lies just below an integer: a double product rounds
// it up, the 64-bit product does not.
TEST(MRNGTest, RangeProductIsExactWhereDoubleWouldRoundUp) {
  Mrng g;
  g.MrngSeed(1);
  while (PeekNextX0(g) % 2 == 0) g.MrngRandom();
  const std::uint32_t x0 = PeekNextX0(g);
  const std::uint32_t inv = InverseMod2To32(x0);
  std::uint32_t d = 0;
  for (std::uint32_t k = 1; k < 1000 && d == 0; ++k) {
    const std::uint32_t candidate = 0u - k * inv;  // x0 * candidate == -k (mod 2^32)
    if (candidate >= (1u << 30) && candidate < (1u << 31)) d = candidate;
  }
  ASSERT_NE(d, 0u) << "no suitable range for x0 " << x0;
  const auto hi = static_cast<std::int32_t>(d);
  const auto exact = static_cast<std::int32_t>((std::uint64_t{x0} * d) >> 32);
  const auto viaDouble = static_cast<std::int32_t>(std::trunc(x0 / 4294967296.0 * hi));
  ASSERT_EQ(viaDouble, exact + 1) << "the case must be one where a double product rounds up";
  EXPECT_EQ(g.MrngRange(0, hi), exact);
}

}  // namespace
