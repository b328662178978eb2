#include "tracks/RowIdIndex.h"

RowIdIndex::RowIdIndex(TrackGrid& grid, std::string_view columnName)
    : grid_(grid), columnName_(columnName) {
  grid_.addObserver(this);
}

RowIdIndex::~RowIdIndex() { grid_.removeObserver(this); }

int RowIdIndex::find(std::string_view text) {
  if (!valid_) rebuild();
  const auto found = rows_.find(std::string(text));
  return found == rows_.end() ? -1 : found->second;
}

void RowIdIndex::rebuild() {
  rows_.clear();
  const int col = grid_.findColumn(columnName_, grid_.columnCount());
  if (col >= 0) {
    rows_.reserve(static_cast<std::size_t>(grid_.dataRowCount()));
    for (int row = 1; row < grid_.rowCount(); ++row)
      rows_.emplace(std::string(grid_.cellView(row, col)), row);  // the first row stays
  }
  valid_ = true;
}
