#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "tracks/TrackGrid.h"

// The two comparisons a grid sorts with; negative, zero or positive like strcmp.
// Text: byte-wise after ASCII case folding, so an empty cell comes first.
int CompareText(std::string_view a, std::string_view b);
// Numeric: the decimal integer at the start of each cell; an empty cell, or one that does not
// start with a number, is smaller than every number.
int CompareNumbers(std::string_view a, std::string_view b);
int CompareCells(CompareKind kind, std::string_view a, std::string_view b);

// The pieces of both, for callers that precompute sort keys.
inline unsigned char FoldCase(unsigned char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c - 'A' + 'a') : c;
}
// The integer a cell starts with, saturated at the int64 range; nothing when it has none.
std::optional<std::int64_t> LeadingNumber(std::string_view text);
