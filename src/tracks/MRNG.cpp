#include "tracks/MRNG.h"

namespace {

constexpr std::uint64_t kA3 = 2111111111;
constexpr std::uint64_t kA2 = 1492;
constexpr std::uint64_t kA1 = 1776;
constexpr std::uint64_t kA0 = 5115;
constexpr double kScale = 1.0 / 4294967296.0;  // 2^-32
constexpr int kWarmUpSteps = 19;

std::uint32_t XorShift(std::uint32_t s) {
  s ^= s << 13;
  s ^= s >> 17;
  s ^= s << 5;
  return s;
}

}  // namespace

void Mrng::Step() {
  // Each product fits 64 bits and so does their sum with the carry.
  const std::uint64_t sum =
      kA3 * state_.x3 + kA2 * state_.x2 + kA1 * state_.x1 + kA0 * state_.x0 + state_.c;
  state_.x3 = state_.x2;
  state_.x2 = state_.x1;
  state_.x1 = state_.x0;
  state_.x0 = static_cast<std::uint32_t>(sum);
  state_.c = static_cast<std::uint32_t>(sum >> 32);
}

void Mrng::MrngSeed(std::uint32_t seed) {
  std::uint32_t s = seed == 0 ? 0xFFFFFFFFu : seed;  // xorshift would stay at 0
  std::uint32_t* words[] = {&state_.x0, &state_.x1, &state_.x2, &state_.x3, &state_.c};
  for (std::uint32_t* word : words) {
    s = XorShift(s);
    *word = s;
  }
  for (int i = 0; i < kWarmUpSteps; ++i) Step();
}

double Mrng::MrngRandom() {
  Step();
  return static_cast<double>(state_.x0) * kScale;
}

std::int32_t Mrng::MrngRange(std::int32_t lo, std::int32_t hi) {
  Step();
  // hi - lo wraps like 32-bit arithmetic; the scaled product is formed exactly in
  // 64 bits, because a double product can round up to the next integer.
  const auto d =
      static_cast<std::int32_t>(static_cast<std::uint32_t>(hi) - static_cast<std::uint32_t>(lo));
  const std::uint64_t magnitude =
      d < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(static_cast<std::int64_t>(d))
            : static_cast<std::uint64_t>(d);
  const auto offset = static_cast<std::int64_t>((state_.x0 * magnitude) >> 32);
  const std::int64_t result = lo + (d < 0 ? -offset : offset);  // truncation toward zero
  return static_cast<std::int32_t>(result);
}
