#pragma once

#include <cstdint>

// Marsaglia's multiply-with-carry generator ("the mother of all"): four 32-bit
// lags and a carry, seeded by an xorshift of a 32-bit seed. Used to shuffle the
// playlist and to pick the player's next track; not for anything that needs
// unpredictability.
//
// A value class rather than process-wide variables: the window's core state owns
// one instance, so tests get a fresh, independent generator each and nothing
// global survives between them. Every user seeds before drawing, which is all
// the shared module ever relied on.
class Mrng {
 public:
  struct State {
    std::uint32_t x0 = 0;  // newest lag, the last raw output
    std::uint32_t x1 = 0;
    std::uint32_t x2 = 0;
    std::uint32_t x3 = 0;  // oldest lag
    std::uint32_t c = 0;   // carry
    bool operator==(const State&) const = default;
  };

  // Replaces the whole state; a seed of 0 acts as 0xFFFFFFFF.
  void MrngSeed(std::uint32_t seed);
  // One step; x0 / 2^32, in [0, 1).
  double MrngRandom();
  // One step; for hi > lo a value in [lo, hi - 1], else lo + trunc(r * (hi - lo)).
  std::int32_t MrngRange(std::int32_t lo, std::int32_t hi);

  const State& state() const { return state_; }

 private:
  void Step();

  State state_;  // all zero until seeded: a fixed point that yields only zeros
};
