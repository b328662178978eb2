#include "player/ShufflePass.h"

#include <utility>

void ShufflePass::Reset(std::vector<std::string> ids) {
  cursor_ = 0;
  pool_ = std::move(ids);
  history_.clear();
}

std::optional<std::string> ShufflePass::StepBack() {
  const int count = static_cast<int>(history_.size());
  if (count + cursor_ <= 1) return std::nullopt;
  --cursor_;
  return history_[static_cast<std::size_t>(count - 1 + cursor_)];
}

std::optional<std::string> ShufflePass::StepForward() {
  if (cursor_ >= 0) return std::nullopt;
  const int count = static_cast<int>(history_.size());
  std::string id = history_[static_cast<std::size_t>(count + cursor_)];
  ++cursor_;
  return id;
}

std::string ShufflePass::Pick(Mrng& random) {
  const auto entry =
      static_cast<std::size_t>(random.MrngRange(0, static_cast<std::int32_t>(pool_.size())));
  std::string id = std::move(pool_[entry]);
  pool_.erase(pool_.begin() + static_cast<std::ptrdiff_t>(entry));
  history_.push_back(id);
  return id;
}
