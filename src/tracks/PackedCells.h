#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The cells of one grid row in a single block: a 16-bit cell count, then the 32-bit end offset
// of each cell, then the cell texts back to back. One allocation per row, no spare capacity, and
// a cell read touches one place in memory: what a 100 000-row grid needs to stay small and to
// sort fast. Cells past the count are empty; an all-empty row allocates nothing.
class PackedCells {
 public:
  std::string_view get(int col) const;
  // Ignored for a negative col or one beyond 65534. A text that would push the row past 4 GiB
  // is cut short.
  void set(int col, std::string_view text);
  // Drops the cells from col on.
  void truncate(int col);
  void clear() { data_ = std::string(); }
  // Where the block lies, for a prefetch before a pass over many rows.
  const char* data() const { return data_.data(); }

 private:
  static constexpr std::size_t kCountBytes = 2;
  static constexpr std::size_t kEndBytes = 4;

  std::size_t count() const;
  std::uint32_t end(std::size_t col) const;
  std::size_t textStart() const { return kCountBytes + count() * kEndBytes; }

  std::string data_;
};
