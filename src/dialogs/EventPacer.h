#pragma once

#include <chrono>

// How often a long loop of the core lets window events run and repaints its labels: often
// enough that Stop and Cancel answer within 100 ms, seldom enough that a walk of a million
// entries does not spend its time in the event loop.
inline constexpr std::chrono::milliseconds kEventInterval{30};

// Tells a long loop, which asks after every step it takes, when the time has come to show its
// labels and let queued events run: at the first ask, then once interval has passed since the
// last time. An interval of 0 makes every ask due.
class EventPacer {
 public:
  explicit EventPacer(std::chrono::milliseconds interval = kEventInterval) : interval_(interval) {}

  bool due();

 private:
  std::chrono::milliseconds interval_;
  std::chrono::steady_clock::time_point last_{};
  bool started_ = false;
};
