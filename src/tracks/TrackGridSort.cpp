// TrackGrid: sort keys, direction, sort column and the sort itself.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "tracks/SortKey.h"
#include "tracks/TrackGrid.h"

namespace {

std::size_t Index(int i) { return static_cast<std::size_t>(i); }

// One data row while sorting: where its key lies in the key buffer, and the key's first 16
// bytes beside it, which decide most comparisons without leaving this array.
struct SortItem {
  std::uint64_t prefix;
  std::uint64_t prefix2;
  std::uint32_t offset;
  std::uint32_t length;
  int row;
};

constexpr std::uint32_t kPrefixBytes = 16;

using SortItems = std::vector<SortItem>;

SortItem MakeItem(std::string_view buffer, std::size_t offset, std::size_t length, int row) {
  const std::string_view key = buffer.substr(offset, length);
  return {SortKeyPrefix(key), SortKeyPrefix(key, 8), static_cast<std::uint32_t>(offset),
          static_cast<std::uint32_t>(length), row};
}

// How many leading bytes all keys of [first, last) share (paths of one music folder do).
std::size_t CommonPrefix(const SortItems& items, std::size_t first, std::size_t last,
                         std::string_view buffer) {
  const std::string_view head = buffer.substr(items[first].offset, items[first].length);
  std::size_t common = head.size();
  for (std::size_t i = first + 1; i < last && common > 0; ++i) {
    const std::string_view key = buffer.substr(items[i].offset, items[i].length);
    const std::size_t n = std::min(common, key.size());
    std::size_t k = 0;
    while (k < n && key[k] == head[k]) ++k;
    common = k;
  }
  return common;
}

int CompareItems(const SortItem& a, const SortItem& b, const std::string& buffer) {
  if (a.prefix != b.prefix) return a.prefix < b.prefix ? -1 : 1;
  if (a.prefix2 != b.prefix2) return a.prefix2 < b.prefix2 ? -1 : 1;
  // Both keys fit in the prefixes: the shorter is a prefix of the longer.
  if (a.length <= kPrefixBytes && b.length <= kPrefixBytes) {
    return a.length == b.length ? 0 : (a.length < b.length ? -1 : 1);
  }
  return CompareSortKeys(std::string_view(buffer).substr(a.offset, a.length),
                         std::string_view(buffer).substr(b.offset, b.length));
}

// Stable sort of [first, last) on the keys the items point to in buffer.
void SortOnKeys(SortItems::iterator first, SortItems::iterator last, const std::string& buffer,
                bool ascending) {
  std::stable_sort(first, last, [&](const SortItem& a, const SortItem& b) {
    const int r = CompareItems(a, b, buffer);
    return ascending ? r < 0 : r > 0;
  });
}

bool SameKey(const SortItem& a, const SortItem& b, const std::string& buffer) {
  return CompareItems(a, b, buffer) == 0;
}

struct SortPlan {
  std::vector<int> columns;  // compared in this order
  std::vector<CompareKind> kinds;
  bool ascending = true;
};

// Sorts items[first, last), equal on the columns before `level`, on column `level`; then each
// run of equal cells on the next column, and so on. One column at a time keeps the keys of a
// run small and in the cache, and most runs end after a column or two.
// cellOf(row, col) reads a cell; prefetch(row) asks for a row's cells ahead of use, as rows lie
// all over the heap.
template <typename CellOf, typename Prefetch>
void SortRun(SortItems& items, std::size_t first, std::size_t last, const SortPlan& plan,
             std::size_t level, const CellOf& cellOf, const Prefetch& prefetch) {
  constexpr std::size_t kAhead = 8;
  std::string buffer;
  for (std::size_t i = first; i < last; ++i) {
    if (i + kAhead < last) prefetch(items[i + kAhead].row);
    const std::size_t offset = buffer.size();
    AppendSortKey(buffer, plan.kinds[level], cellOf(items[i].row, plan.columns[level]));
    items[i].offset = static_cast<std::uint32_t>(offset);
    items[i].length = static_cast<std::uint32_t>(buffer.size() - offset);
  }
  // Bytes every key shares decide nothing: the prefixes start after them.
  const std::size_t common = CommonPrefix(items, first, last, buffer);
  for (std::size_t i = first; i < last; ++i) {
    items[i] = MakeItem(buffer, items[i].offset + common, items[i].length - common, items[i].row);
  }
  const auto begin = items.begin();
  SortOnKeys(begin + static_cast<std::ptrdiff_t>(first), begin + static_cast<std::ptrdiff_t>(last),
             buffer, plan.ascending);
  if (level + 1 >= plan.columns.size()) return;
  for (std::size_t runFirst = first; runFirst < last;) {
    std::size_t runLast = runFirst + 1;
    while (runLast < last && SameKey(items[runFirst], items[runLast], buffer)) ++runLast;
    if (runLast - runFirst > 1) {
      SortRun(items, runFirst, runLast, plan, level + 1, cellOf, prefetch);
    }
    runFirst = runLast;
  }
}

}  // namespace

void TrackGrid::setCompareKindFn(CompareKindFn fn) { compareKindFn_ = std::move(fn); }

CompareKind TrackGrid::compareKind(int col) const {
  return compareKindFn_ ? compareKindFn_(*this, col) : CompareKind::Text;
}

const std::vector<int>& TrackGrid::sortKeys() const { return sortKeys_; }

void TrackGrid::clearSortKeys() { sortKeys_.clear(); }

void TrackGrid::addSortKey(int col) {
  if (col >= 0 && col < columnCount()) sortKeys_.push_back(col);
}

SortDirection TrackGrid::sortDirection() const { return sortDirection_; }

void TrackGrid::setSortDirection(SortDirection direction) {
  if (sortDirection_ == direction) return;
  sortDirection_ = direction;
  notify([](TrackGridObserver& o) { o.sortIndicatorChanged(); });
}

void TrackGrid::reverseSortDirection() {
  setSortDirection(sortDirection_ == SortDirection::Ascending ? SortDirection::Descending
                                                              : SortDirection::Ascending);
}

int TrackGrid::sortColumn() const { return sortColumn_; }

void TrackGrid::setSortColumn(int col) {
  if (col < 0 || col >= columnCount()) col = kNoSortColumn;
  if (sortColumn_ == col) return;
  sortColumn_ = col;
  notify([](TrackGridObserver& o) { o.sortIndicatorChanged(); });
}

bool TrackGrid::sortIndicatorShown() const { return sortIndicatorShown_; }

void TrackGrid::setSortIndicatorShown(bool shown) {
  if (sortIndicatorShown_ == shown) return;
  sortIndicatorShown_ = shown;
  notify([](TrackGridObserver& o) { o.sortIndicatorChanged(); });
}

void TrackGrid::sortOnKeys() { sortRows(sortKeys_); }

void TrackGrid::sortOnColumn(int col) { sortRows({col}); }

void TrackGrid::clickSort(int col) {
  if (col < 0 || col >= columnCount() || dataRowCount() < 2) return;
  if (col == sortColumn_) {
    reverseSortDirection();
  } else {
    setSortDirection(SortDirection::Ascending);
  }
  setSortColumn(col);
  sortOnColumn(col);
}

// The keys (valid, each once), then the columns after the first key in logical order, so that
// equal keys still give one order whatever the order before (the "ID" column is among them).
std::vector<int> TrackGrid::comparisonColumns(const std::vector<int>& keys) const {
  std::vector<int> columns;
  for (int key : keys) {
    if (key >= 0 && key < columnCount() &&
        std::find(columns.begin(), columns.end(), key) == columns.end()) {
      columns.push_back(key);
    }
  }
  if (columns.empty()) return columns;
  for (int col = columns.front() + 1; col < columnCount(); ++col) {
    if (std::find(columns.begin(), columns.end(), col) == columns.end()) columns.push_back(col);
  }
  return columns;
}

void TrackGrid::sortRows(const std::vector<int>& keys) {
  if (dataRowCount() < 2) return;
  SortPlan plan;
  plan.columns = comparisonColumns(keys);
  if (plan.columns.empty()) return;
  for (int col : plan.columns) plan.kinds.push_back(compareKind(col));
  plan.ascending = sortDirection_ == SortDirection::Ascending;

  SortItems items;
  items.reserve(Index(dataRowCount()));
  for (int row = 1; row < rowCount(); ++row) items.push_back({0, 0, 0, 0, row});
  SortRun(
      items, 0, items.size(), plan, 0,
      [this](int row, int col) { return rowCell(rows_[Index(row)], col); },
      [this](int row) { __builtin_prefetch(rows_[Index(row)].cells.data()); });

  std::vector<int> order;
  order.reserve(items.size());
  for (const SortItem& item : items) order.push_back(item.row);
  applyOrder(order);
}

void TrackGrid::permuteRows(const std::vector<int>& order) {
  if (static_cast<int>(order.size()) != dataRowCount()) return;
  std::vector<bool> seen(rows_.size(), false);
  for (int row : order) {
    if (!isDataRow(row) || seen[Index(row)]) return;
    seen[Index(row)] = true;
  }
  applyOrder(order);
}

// order[i] is the old row that becomes row i + 1.
void TrackGrid::applyOrder(const std::vector<int>& order) {
  bool unchanged = true;
  for (std::size_t i = 0; i < order.size() && unchanged; ++i) {
    unchanged = order[i] == static_cast<int>(i + 1);
  }
  if (unchanged) return;
  notify([](TrackGridObserver& o) { o.layoutAboutToBeChanged(); });
  std::vector<int> newIndex(rows_.size(), 0);
  std::vector<Row> next;
  next.reserve(rows_.size());
  next.push_back(std::move(rows_[0]));
  for (int old : order) {
    newIndex[Index(old)] = static_cast<int>(next.size());
    next.push_back(std::move(rows_[Index(old)]));
  }
  rows_ = std::move(next);
  if (currentRow_ >= 1) currentRow_ = newIndex[Index(currentRow_)];
  if (editorRow_ >= 1) editorRow_ = newIndex[Index(editorRow_)];
  notify([](TrackGridObserver& o) { o.layoutChanged(); });
}
