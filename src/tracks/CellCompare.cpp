#include "tracks/CellCompare.h"

#include <cstddef>
#include <cstdint>
#include <limits>

std::optional<std::int64_t> LeadingNumber(std::string_view text) {
  std::size_t i = 0;
  const bool negative = !text.empty() && text[0] == '-';
  if (negative) i = 1;
  if (i >= text.size() || text[i] < '0' || text[i] > '9') return std::nullopt;
  constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
  std::int64_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    const int digit = text[i] - '0';
    value = value > (kMax - digit) / 10 ? kMax : value * 10 + digit;
  }
  return negative ? -value : value;
}

int CompareText(std::string_view a, std::string_view b) {
  const std::size_t n = a.size() < b.size() ? a.size() : b.size();
  for (std::size_t i = 0; i < n; ++i) {
    const unsigned char x = FoldCase(static_cast<unsigned char>(a[i]));
    const unsigned char y = FoldCase(static_cast<unsigned char>(b[i]));
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

int CompareNumbers(std::string_view a, std::string_view b) {
  const std::optional<std::int64_t> x = LeadingNumber(a);
  const std::optional<std::int64_t> y = LeadingNumber(b);
  if (!x || !y) return (x ? 1 : 0) - (y ? 1 : 0);
  if (*x == *y) return 0;
  return *x < *y ? -1 : 1;
}

int CompareCells(CompareKind kind, std::string_view a, std::string_view b) {
  return kind == CompareKind::Numeric ? CompareNumbers(a, b) : CompareText(a, b);
}
