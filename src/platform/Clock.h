#pragma once

#include <cstdint>

namespace platform {

// Milliseconds of the monotonic clock, wrapping at 2^32 (about 49.7 days).
// Seeds the random generator; never used to measure anything.
std::uint32_t TickCount();

}  // namespace platform
