#include "dialogs/EventPacer.h"

bool EventPacer::due() {
  if (interval_.count() <= 0) return true;
  const auto now = std::chrono::steady_clock::now();
  if (started_ && now - last_ < interval_) return false;
  started_ = true;
  last_ = now;
  return true;
}
