#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "tracks/TrackGrid.h"

// Byte strings that order like the grid's comparisons, so a sort compares whole rows with one
// memcmp over a contiguous buffer instead of visiting every row's cells on every comparison.
// The encoding of one cell is prefix-free, so cells appended one after another compare like
// the tuple of the cells: CompareSortKeys(key(a1)+key(a2), key(b1)+key(b2)) orders like
// (CompareCells(a1, b1), then CompareCells(a2, b2)).

// Appends the encoding of one cell: for Text the case-folded bytes (0x00 and 0x01 escaped) and a
// 0x00 end; for Numeric 0x00 when the cell holds no number, else 0x01 and the value's 8 bytes
// big-endian with the sign bit flipped.
void AppendSortKey(std::string& out, CompareKind kind, std::string_view cell);

// Negative, zero or positive, like memcmp with the shorter key first on a common prefix.
int CompareSortKeys(std::string_view a, std::string_view b);

// Bytes from … from + 7 of a key as a big-endian number, zero-padded: where the bytes before
// are equal, a smaller prefix means a smaller key; equal prefixes need CompareSortKeys.
std::uint64_t SortKeyPrefix(std::string_view key, std::size_t from = 0);
