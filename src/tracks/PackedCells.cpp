#include "tracks/PackedCells.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <vector>

namespace {

constexpr std::size_t kMaxCells = std::numeric_limits<std::uint16_t>::max();
constexpr std::size_t kMaxText = std::numeric_limits<std::uint32_t>::max();

// Writes a block from its cell texts.
std::string Pack(const std::vector<std::string_view>& cells) {
  std::size_t textBytes = 0;
  for (std::string_view cell : cells) textBytes += cell.size();
  std::string data;
  data.reserve(2 + 4 * cells.size() + textBytes);
  const auto count = static_cast<std::uint16_t>(cells.size());
  data.append(reinterpret_cast<const char*>(&count), sizeof count);
  std::uint32_t end = 0;
  for (std::string_view cell : cells) {
    end += static_cast<std::uint32_t>(cell.size());
    data.append(reinterpret_cast<const char*>(&end), sizeof end);
  }
  for (std::string_view cell : cells) data.append(cell);
  return data;
}

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
  if (col < 0 || c >= kMaxCells) return;
  if (c >= count() && text.empty()) return;
  // Rebuilt whole: rows are a few hundred bytes, and an exact-size block wastes nothing.
  std::vector<std::string_view> cells(std::max(count(), c + 1));
  std::size_t others = 0;
  for (std::size_t i = 0; i < count(); ++i) {
    cells[i] = get(static_cast<int>(i));
    if (i != c) others += cells[i].size();
  }
  cells[c] = text.substr(0, std::min(text.size(), kMaxText - std::min(others, kMaxText)));
  data_ = Pack(cells);
}

void PackedCells::truncate(int col) {
  const auto c = static_cast<std::size_t>(std::max(col, 0));
  if (c >= count()) return;
  std::vector<std::string_view> cells(c);
  for (std::size_t i = 0; i < c; ++i) cells[i] = get(static_cast<int>(i));
  data_ = c == 0 ? std::string() : Pack(cells);
}
