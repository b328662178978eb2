#include "tracks/SortKey.h"

#include <algorithm>
#include <cstring>
#include <optional>

#include "tracks/CellCompare.h"

namespace {

void AppendEscapedText(std::string& out, std::string_view cell) {
  for (char ch : cell) {
    const unsigned char c = FoldCase(static_cast<unsigned char>(ch));
    if (c <= 1) {
      out += '\x01';
      out += static_cast<char>(c + 1);
    } else {
      out += static_cast<char>(c);
    }
  }
  out += '\0';
}

}  // namespace

void AppendSortKey(std::string& out, CompareKind kind, std::string_view cell) {
  if (kind == CompareKind::Numeric) {
    const std::optional<std::int64_t> value = LeadingNumber(cell);
    if (!value) {
      out += '\0';
      return;
    }
    out += '\x01';
    const std::uint64_t biased = static_cast<std::uint64_t>(*value) ^ (std::uint64_t{1} << 63);
    for (int shift = 56; shift >= 0; shift -= 8) {
      out += static_cast<char>((biased >> shift) & 0xFF);
    }
    return;
  }
  // Most cells need no escape: write them straight into place, and start over only if a byte
  // 0x00 or 0x01 turns up.
  const std::size_t start = out.size();
  out.resize(start + cell.size() + 1);
  char* p = out.data() + start;
  for (char ch : cell) {
    const unsigned char c = FoldCase(static_cast<unsigned char>(ch));
    if (c <= 1) {
      out.resize(start);
      AppendEscapedText(out, cell);
      return;
    }
    *p++ = static_cast<char>(c);
  }
  *p = '\0';
}

int CompareSortKeys(std::string_view a, std::string_view b) {
  const std::size_t n = std::min(a.size(), b.size());
  if (n > 0) {
    if (const int r = std::memcmp(a.data(), b.data(), n); r != 0) return r;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

std::uint64_t SortKeyPrefix(std::string_view key, std::size_t from) {
  std::uint64_t prefix = 0;
  for (std::size_t i = from; i < from + 8; ++i) {
    const unsigned char c = i < key.size() ? static_cast<unsigned char>(key[i]) : 0;
    prefix = (prefix << 8) | c;
  }
  return prefix;
}
