#include "tracks/TrackGrid.h"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace {

// Beyond this many separate runs a removal resets the model instead of reporting each run:
// every run costs a pass over the rows behind it.
constexpr std::size_t kMaxReportedRuns = 32;

std::size_t Index(int i) { return static_cast<std::size_t>(i); }

}  // namespace

TrackGrid::TrackGrid() : rows_(2) {}

void TrackGrid::addObserver(TrackGridObserver* observer) {
  if (observer != nullptr &&
      std::find(observers_.begin(), observers_.end(), observer) == observers_.end()) {
    observers_.push_back(observer);
  }
}

void TrackGrid::removeObserver(TrackGridObserver* observer) {
  observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

bool TrackGrid::isDataRow(int row) const { return row >= 1 && row < rowCount(); }

bool TrackGrid::isCell(int row, int col) const {
  return row >= 0 && row < rowCount() && col >= 0 && col < columnCount();
}

// --- columns ---------------------------------------------------------------------------------

int TrackGrid::columnCount() const { return static_cast<int>(columns_.size()); }

void TrackGrid::setColumnCount(int count) {
  count = std::max(count, 0);
  if (count == columnCount()) return;
  notify([](TrackGridObserver& o) { o.modelAboutToBeReset(); });
  columns_.resize(Index(count));
  std::erase_if(visualOrder_, [count](int col) { return col >= count; });
  for (int col = static_cast<int>(visualOrder_.size()); col < count; ++col) {
    visualOrder_.push_back(col);
  }
  for (Row& row : rows_) {
    row.cells.truncate(count);
    std::erase_if(row.cellBackgrounds, [count](const CellBackground& c) { return c.col >= count; });
  }
  for (int& key : sortKeys_) key = key < count ? key : -1;
  std::erase(sortKeys_, -1);
  if (sortColumn_ >= count) sortColumn_ = kNoSortColumn;
  if (currentColumn_ >= count) currentColumn_ = std::max(count - 1, 0);
  notify([](TrackGridObserver& o) { o.modelReset(); });
}

bool TrackGrid::isColumnHidden(int col) const {
  return col >= 0 && col < columnCount() && columns_[Index(col)].hidden;
}

void TrackGrid::setColumnHidden(int col, bool hidden) {
  if (col < 0 || col >= columnCount() || columns_[Index(col)].hidden == hidden) return;
  columns_[Index(col)].hidden = hidden;
  notify([](TrackGridObserver& o) { o.columnsChanged(); });
}

int TrackGrid::columnWidth(int col) const {
  return col >= 0 && col < columnCount() ? columns_[Index(col)].width : 0;
}

void TrackGrid::setColumnWidth(int col, int width) {
  if (col < 0 || col >= columnCount() || columns_[Index(col)].width == width) return;
  columns_[Index(col)].width = width;
  notify([](TrackGridObserver& o) { o.columnsChanged(); });
}

int TrackGrid::visualIndex(int col) const {
  const auto it = std::find(visualOrder_.begin(), visualOrder_.end(), col);
  return it == visualOrder_.end() ? -1 : static_cast<int>(it - visualOrder_.begin());
}

int TrackGrid::logicalIndex(int visual) const {
  return visual >= 0 && visual < columnCount() ? visualOrder_[Index(visual)] : -1;
}

void TrackGrid::moveColumn(int fromVisual, int toVisual) {
  const int n = columnCount();
  if (fromVisual < 0 || fromVisual >= n || toVisual < 0 || toVisual >= n) return;
  if (fromVisual == toVisual) return;
  const auto first = visualOrder_.begin();
  if (fromVisual < toVisual) {
    std::rotate(first + fromVisual, first + fromVisual + 1, first + toVisual + 1);
  } else {
    std::rotate(first + toVisual, first + fromVisual, first + fromVisual + 1);
  }
  notify([](TrackGridObserver& o) { o.columnsChanged(); });
}

std::vector<int> TrackGrid::visualOrder() const { return visualOrder_; }

// --- header and cells ------------------------------------------------------------------------

int TrackGrid::rowCount() const { return static_cast<int>(rows_.size()); }

int TrackGrid::dataRowCount() const { return rowCount() - 1; }

void TrackGrid::setRowCount(int rows) {
  rows = std::max(rows, 1);
  if (rows > rowCount()) {
    insertRows(rowCount(), rows - rowCount());
  } else if (rows < rowCount()) {
    removeRowRange(rows, rowCount() - rows);
  }
}

std::string_view TrackGrid::header(int col) const { return cellView(0, col); }

void TrackGrid::setHeader(int col, std::string_view text) { setCell(0, col, text); }

int TrackGrid::findColumn(std::string_view name, int limit) const {
  const int n = std::min(limit, columnCount());
  for (int col = 0; col < n; ++col) {
    if (rowCell(rows_[0], col) == name) return col;
  }
  return -1;
}

std::string_view TrackGrid::rowCell(const Row& row, int col) { return row.cells.get(col); }

void TrackGrid::setRowCell(Row& row, int col, std::string_view text) { row.cells.set(col, text); }

std::string_view TrackGrid::cellView(int row, int col) const {
  return isCell(row, col) ? rowCell(rows_[Index(row)], col) : std::string_view();
}

std::string TrackGrid::cell(int row, int col) const { return std::string(cellView(row, col)); }

void TrackGrid::setCell(int row, int col, std::string_view text) {
  if (!isCell(row, col) || rowCell(rows_[Index(row)], col) == text) return;
  setRowCell(rows_[Index(row)], col, text);
  if (row == 0) {
    notify([col](TrackGridObserver& o) { o.headerChanged(col); });
  } else {
    notify([row, col](TrackGridObserver& o) { o.cellChanged(row, col); });
  }
}

int TrackGrid::findRow(int col, std::string_view text) const {
  if (col < 0 || col >= columnCount()) return -1;
  for (int row = 1; row < rowCount(); ++row) {
    if (rowCell(rows_[Index(row)], col) == text) return row;
  }
  return -1;
}

// --- rows ------------------------------------------------------------------------------------

void TrackGrid::insertRows(int at, int count) {
  if (count <= 0 || at < 1 || at > rowCount()) return;
  notify([at, count](TrackGridObserver& o) { o.rowsAboutToBeInserted(at, count); });
  rows_.insert(rows_.begin() + at, Index(count), Row());
  if (currentRow_ >= at) {
    currentRow_ += count;
  } else if (currentRow_ < 1) {
    currentRow_ = at;
  }
  if (editorRow_ >= at) editorRow_ += count;
  notify([at, count](TrackGridObserver& o) { o.rowsInserted(at, count); });
}

int TrackGrid::addRow() {
  const int row = rowCount();
  insertRows(row, 1);
  return row;
}

void TrackGrid::removeRow(int row) { removeRowRange(row, 1); }

bool TrackGrid::eraseRun(int first, int count) {
  bool selectionLost = false;
  for (int row = first; row < first + count; ++row) {
    if (rows_[Index(row)].selected) {
      --selectedCount_;
      selectionLost = true;
    }
  }
  rows_.erase(rows_.begin() + first, rows_.begin() + first + count);
  if (currentRow_ >= first + count) {
    currentRow_ -= count;
  } else if (currentRow_ >= first) {
    currentRow_ = std::min(first, dataRowCount());
  }
  if (currentRow_ < 1) currentRow_ = dataRowCount() > 0 ? 1 : -1;
  if (editorRow_ >= first + count) {
    editorRow_ -= count;
  } else if (editorRow_ >= first) {
    editorRow_ = -1;
    editorColumn_ = -1;
  }
  return selectionLost;
}

void TrackGrid::removeRowRange(int first, int count) {
  if (first < 1) {
    count += first - 1;
    first = 1;
  }
  count = std::min(count, rowCount() - first);
  if (count <= 0) return;
  notify([first, count](TrackGridObserver& o) { o.rowsAboutToBeRemoved(first, count); });
  const bool selectionLost = eraseRun(first, count);
  notify([first, count](TrackGridObserver& o) { o.rowsRemoved(first, count); });
  if (selectionLost) notify([](TrackGridObserver& o) { o.selectionChanged(); });
}

void TrackGrid::removeRows(std::vector<int> rows) {
  std::erase_if(rows, [this](int row) { return !isDataRow(row); });
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  if (rows.empty()) return;
  // Runs of consecutive rows, bottom run first so the numbers above stay valid.
  std::vector<std::pair<int, int>> runs;
  for (int row : rows) {
    if (!runs.empty() && runs.back().first + runs.back().second == row) {
      ++runs.back().second;
    } else {
      runs.emplace_back(row, 1);
    }
  }
  std::reverse(runs.begin(), runs.end());
  if (runs.size() > kMaxReportedRuns) {
    removeManyRuns(runs);
    return;
  }
  bool selectionLost = false;
  for (const auto& run : runs) {
    // Plain variables, not a structured binding: clang 14 cannot capture those in a lambda.
    const int first = run.first;
    const int count = run.second;
    notify([&](TrackGridObserver& o) { o.rowsAboutToBeRemoved(first, count); });
    selectionLost = eraseRun(first, count) || selectionLost;
    notify([&](TrackGridObserver& o) { o.rowsRemoved(first, count); });
  }
  if (selectionLost) notify([](TrackGridObserver& o) { o.selectionChanged(); });
}

void TrackGrid::removeManyRuns(const std::vector<std::pair<int, int>>& runs) {
  notify([](TrackGridObserver& o) { o.modelAboutToBeReset(); });
  std::vector<bool> doomed(rows_.size(), false);
  for (const auto& [first, count] : runs) {
    std::fill(doomed.begin() + first, doomed.begin() + first + count, true);
  }
  // Current and editor rows move to where the kept rows land.
  int kept = 0;
  int newCurrent = -1;
  std::vector<Row> next;
  next.reserve(rows_.size());
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    const int row = static_cast<int>(i);
    if (doomed[i]) {
      if (rows_[i].selected) --selectedCount_;
      if (row == currentRow_) newCurrent = kept;  // the next kept row takes its place
      if (row == editorRow_) editorRow_ = editorColumn_ = -1;
      continue;
    }
    if (row == currentRow_) newCurrent = kept;
    if (row == editorRow_) editorRow_ = kept;
    next.push_back(std::move(rows_[i]));
    ++kept;
  }
  rows_ = std::move(next);
  currentRow_ = std::min(newCurrent, dataRowCount());
  if (currentRow_ < 1) currentRow_ = dataRowCount() > 0 ? 1 : -1;
  notify([](TrackGridObserver& o) { o.modelReset(); });
  notify([](TrackGridObserver& o) { o.selectionChanged(); });
}

void TrackGrid::moveRow(int from, int to) {
  if (!isDataRow(from) || !isDataRow(to) || from == to) return;
  notify([from, to](TrackGridObserver& o) { o.rowsAboutToBeMoved(from, 1, to); });
  const auto first = rows_.begin();
  if (from < to) {
    std::rotate(first + from, first + from + 1, first + to + 1);
  } else {
    std::rotate(first + to, first + from, first + from + 1);
  }
  const auto follow = [from, to](int row) {
    if (row == from) return to;
    if (from < to && row > from && row <= to) return row - 1;
    if (to < from && row >= to && row < from) return row + 1;
    return row;
  };
  currentRow_ = follow(currentRow_);
  if (editorRow_ >= 1) editorRow_ = follow(editorRow_);
  notify([from, to](TrackGridObserver& o) { o.rowsMoved(from, 1, to); });
}

void TrackGrid::blankRow(int row) {
  if (!isDataRow(row)) return;
  Row& r = rows_[Index(row)];
  const bool coloured =
      r.textColour != kNoColour || r.background != kNoColour || !r.cellBackgrounds.empty();
  r.cells.clear();
  r.totals = RowTotals();
  r.textColour = kNoColour;
  r.background = kNoColour;
  r.cellBackgrounds.clear();
  notify([row](TrackGridObserver& o) { o.rowChanged(row); });
  if (coloured) notify([row](TrackGridObserver& o) { o.rowColourChanged(row); });
}

RowTotals TrackGrid::rowTotals(int row) const {
  return isDataRow(row) ? rows_[Index(row)].totals : RowTotals();
}

void TrackGrid::setRowTotals(int row, RowTotals totals) {
  if (isDataRow(row)) rows_[Index(row)].totals = totals;
}

void TrackGrid::copyRowFrom(const TrackGrid& source, int sourceRow, int row) {
  if (!isDataRow(row) || !source.isDataRow(sourceRow)) return;
  const Row& from = source.rows_[Index(sourceRow)];
  Row& to = rows_[Index(row)];
  to.cells = from.cells;
  to.cells.truncate(columnCount());
  to.totals = from.totals;
  notify([row](TrackGridObserver& o) { o.rowChanged(row); });
}
