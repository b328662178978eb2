#pragma once

#include <string>
#include <string_view>
#include <unordered_map>

#include "tracks/TrackGrid.h"

// The rows of a grid by the text of one column, for lookups by "ID" that stay fast on a library
// of 100,000 rows. Built when first asked after a change of rows or cells (the grid reports
// every one), so a run of lookups between changes reads the grid once. Duplicate texts give
// their first row, as a search from the top would.
class RowIdIndex : private TrackGridObserver {
 public:
  RowIdIndex(TrackGrid& grid, std::string_view columnName);
  ~RowIdIndex() override;
  RowIdIndex(const RowIdIndex&) = delete;
  RowIdIndex& operator=(const RowIdIndex&) = delete;

  // The first data row whose cell in the column equals text, or -1.
  int find(std::string_view text);

 private:
  void rebuild();
  void stale() { valid_ = false; }

  void rowsInserted(int, int) override { stale(); }
  void rowsRemoved(int, int) override { stale(); }
  void rowsMoved(int, int, int) override { stale(); }
  void cellChanged(int, int) override { stale(); }
  void rowChanged(int) override { stale(); }
  void headerChanged(int) override { stale(); }
  void layoutChanged() override { stale(); }
  void modelReset() override { stale(); }

  TrackGrid& grid_;
  std::string columnName_;
  std::unordered_map<std::string, int> rows_;
  bool valid_ = false;
};
