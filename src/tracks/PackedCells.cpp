#include "tracks/PackedCells.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace {

constexpr std::size_t kMaxCells = std::numeric_limits<std::uint16_t>::max();
constexpr std::size_t kMaxText = std::numeric_limits<std::uint32_t>::max();

}  // namespace

std::size_t PackedCells::count() const {
  if (data_.size() < kCountBytes) return 0;
  std::uint16_t count = 0;
  std::memcpy(&count, data_.data(), sizeof count);
  return count;
}

std::uint32_t PackedCells::end(std::size_t col) const {
  std::uint32_t end = 0;
  std::memcpy(&end, data_.data() + kCountBytes + col * kEndBytes, sizeof end);
  return end;
}

std::string_view PackedCells::get(int col) const {
  const auto c = static_cast<std::size_t>(col);
  if (col < 0 || c >= count()) return {};
  const std::uint32_t begin = c == 0 ? 0 : end(c - 1);
  return std::string_view(data_).substr(textStart() + begin, end(c) - begin);
}

void PackedCells::set(int col, std::string_view text) {
  const auto c = static_cast<std::size_t>(col);
  const std::size_t n = count();
  if (col < 0 || c >= kMaxCells || (c >= n && text.empty())) return;
  const std::string_view oldText =
      n == 0 ? std::string_view() : std::string_view(data_).substr(textStart());
  const std::size_t begin = c < n ? (c == 0 ? 0 : end(c - 1)) : oldText.size();
  const std::size_t stop = c < n ? end(c) : oldText.size();
  const std::size_t kept = oldText.size() - (stop - begin);
  text = text.substr(0, std::min(text.size(), kMaxText - std::min(kept, kMaxText)));

  // Rebuilt at its exact size: rows are a few hundred bytes, and no spare capacity is kept.
  const std::size_t newCount = std::max(n, c + 1);
  std::string next(kCountBytes + newCount * kEndBytes + kept + text.size(), '\0');
  char* out = next.data();
  const auto count16 = static_cast<std::uint16_t>(newCount);
  std::memcpy(out, &count16, sizeof count16);
  for (std::size_t i = 0; i < newCount; ++i) {
    const std::size_t oldEnd = i < n ? end(i) : oldText.size();
    const auto newEnd =
        static_cast<std::uint32_t>(i < c ? oldEnd : oldEnd - stop + begin + text.size());
    std::memcpy(out + kCountBytes + i * kEndBytes, &newEnd, sizeof newEnd);
  }
  out += kCountBytes + newCount * kEndBytes;
  oldText.copy(out, begin);
  text.copy(out + begin, text.size());
  oldText.substr(stop).copy(out + begin + text.size(), oldText.size() - stop);
  data_.swap(next);
}

void PackedCells::truncate(int col) {
  const auto c = static_cast<std::size_t>(std::max(col, 0));
  if (c >= count()) return;
  if (c == 0) {
    clear();
    return;
  }
  // The first c ends stay valid; only the count and the text after cell c - 1 change.
  std::string next = data_.substr(0, kCountBytes + c * kEndBytes);
  next.append(data_, textStart(), end(c - 1));
  const auto count16 = static_cast<std::uint16_t>(c);
  std::memcpy(next.data(), &count16, sizeof count16);
  data_.swap(next);
}
