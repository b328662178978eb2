#pragma once

#include <string>
#include <string_view>

#include "tracks/TrackGrid.h"

// The text a library search looks for: the search box's text without leading and trailing
// blanks and control characters, upper-cased.
std::string SearchText(std::string_view boxText);

// Whether a row matches a search: "\r\n" followed by the search text occurs in "\r\n" followed
// by the upper-cased text of each of the row's cells, in column order and hidden ones included,
// each followed by "\r\n". So a row matches when one of its cells begins with the search text,
// whatever the letter case; never in the middle of a cell.
class RowMatcher {
 public:
  explicit RowMatcher(std::string_view searchText);
  bool matches(const TrackGrid& grid, int row);

 private:
  std::string key_;
  std::string rowText_;  // kept from row to row, so its memory is allocated once
};
