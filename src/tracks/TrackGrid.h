#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "tracks/Colour.h"
#include "tracks/PackedCells.h"


enum class SortDirection { Ascending, Descending };
// How a column's cells compare while sorting.
enum class CompareKind { Text, Numeric };

class TrackGrid;

// What a row adds to its grid's totals, kept as numbers when the row is filled, so that the
// totals of a selection and a copy of the row need no new read of its file.
struct RowTotals {
  bool counted = false;  // an MP3 row: it counts in the totals
  std::int64_t size = 0;
  double duration = 0.0;
};

// What changed in a grid, in the terms a Qt item model needs. Row numbers are grid rows:
// 0 is the header row, data rows start at 1 (a table model shows grid row r as its row r - 1).
// Every "about to" call comes before the change, with the numbering before the change; the
// matching call comes after it. All methods do nothing by default.
class TrackGridObserver {
 public:
  virtual ~TrackGridObserver() = default;

  virtual void rowsAboutToBeInserted(int /*first*/, int /*count*/) {}
  virtual void rowsInserted(int /*first*/, int /*count*/) {}
  // Removing a scattered set of rows reports each contiguous run, bottom run first.
  virtual void rowsAboutToBeRemoved(int /*first*/, int /*count*/) {}
  virtual void rowsRemoved(int /*first*/, int /*count*/) {}
  // A list move: rows from … from + count - 1 end up starting at row `to` (numbered after the
  // move). For QAbstractItemModel::beginMoveRows the destination is to > from ? to + count : to.
  virtual void rowsAboutToBeMoved(int /*from*/, int /*count*/, int /*to*/) {}
  virtual void rowsMoved(int /*from*/, int /*count*/, int /*to*/) {}
  // A data cell's text changed (row >= 1). Header cells report headerChanged.
  virtual void cellChanged(int /*row*/, int /*col*/) {}
  // Several or all cells of a data row changed at once (blanking).
  virtual void rowChanged(int /*row*/) {}
  // A text colour or background of the row or one of its cells changed.
  virtual void rowColourChanged(int /*row*/) {}
  virtual void headerChanged(int /*col*/) {}
  // Rows were reordered in place (a sort); the row count is unchanged.
  virtual void layoutAboutToBeChanged() {}
  virtual void layoutChanged() {}
  // Everything may have changed (the column count).
  virtual void modelAboutToBeReset() {}
  virtual void modelReset() {}
  // Hidden state, width or visual order of columns changed.
  virtual void columnsChanged() {}
  virtual void selectionChanged() {}
  virtual void currentChanged(int /*row*/, int /*col*/) {}
  // Sort column, direction or indicator changed.
  virtual void sortIndicatorChanged() {}
  // Grid colours or the empty mark changed.
  virtual void appearanceChanged() {}
  // Editing allowed, row selection mode, selection highlight or the cell editor changed.
  virtual void editStateChanged() {}
};

// The plain table behind every track grid: row 0 is the header row, rows 1 … rowCount() - 1
// are data rows, every cell is a string. Columns keep their logical index for ever; hiding or
// moving one (in the visual order) never changes where its cells are stored. Out-of-range
// reads give empty values and out-of-range writes are ignored, so a stale index never crashes.
class TrackGrid {
 public:
  // Which comparison a column needs; asked afresh for every sort, so it can read the header.
  using CompareKindFn = std::function<CompareKind(const TrackGrid&, int col)>;

  // One header row and one blank data row, no columns, empty mark -1.
  TrackGrid();
  TrackGrid(const TrackGrid&) = delete;
  TrackGrid& operator=(const TrackGrid&) = delete;

  // Observers are not owned and must outlive the grid or be removed first.
  void addObserver(TrackGridObserver* observer);
  void removeObserver(TrackGridObserver* observer);

  // --- columns -------------------------------------------------------------------------
  int columnCount() const;
  // New columns are empty, visible, 64 pixels wide and appended to the visual order.
  void setColumnCount(int count);
  bool isColumnHidden(int col) const;
  void setColumnHidden(int col, bool hidden);
  int columnWidth(int col) const;
  void setColumnWidth(int col, int width);
  // Visual order: position 0 is shown leftmost. A new grid shows columns in logical order.
  int visualIndex(int col) const;      // logical -> visual, -1 when out of range
  int logicalIndex(int visual) const;  // visual -> logical, -1 when out of range
  // Moves the column shown at visual position `from` to visual position `to` (a list move).
  void moveColumn(int fromVisual, int toVisual);
  // The logical columns in visual order.
  std::vector<int> visualOrder() const;

  // --- header and cells ----------------------------------------------------------------
  int rowCount() const;      // header row included
  int dataRowCount() const;  // rowCount() - 1
  // Grows with blank rows at the end or trims from the end; never below the header row.
  void setRowCount(int rows);

  std::string_view header(int col) const;  // cell (0, col)
  void setHeader(int col, std::string_view text);
  // The first column among 0 … limit - 1 whose header equals name exactly, or -1.
  int findColumn(std::string_view name, int limit) const;

  // Valid until the next change of that row; copy it to keep it.
  std::string_view cellView(int row, int col) const;
  std::string cell(int row, int col) const;
  void setCell(int row, int col, std::string_view text);
  // The first data row whose cell in col equals text, or -1.
  int findRow(int col, std::string_view text) const;

  // --- rows ------------------------------------------------------------------------------
  // Inserts count blank, unselected rows before row `at` (1 … rowCount()).
  void insertRows(int at, int count);
  // Appends one blank row and returns its index.
  int addRow();
  void removeRow(int row);
  void removeRowRange(int first, int count);
  // Removes the given data rows (any order, duplicates and the header ignored).
  void removeRows(std::vector<int> rows);
  // List move of one data row: it is taken out at `from` and put back so that it is at `to`.
  void moveRow(int from, int to);
  // Puts the data rows in a new order at once: order[i] is the row that becomes row i + 1.
  // Ignored unless order holds every data row exactly once. One layout change is reported.
  void permuteRows(const std::vector<int>& order);
  // Empties every cell, colour and total of a data row; its selection stays.
  void blankRow(int row);
  // A data row's totals; nothing counted for any other row.
  RowTotals rowTotals(int row) const;
  void setRowTotals(int row, RowTotals totals);
  // Gives data row `row` the cells and totals of a data row of another grid with the same
  // columns, in one step; its colours and selection stay.
  void copyRowFrom(const TrackGrid& source, int sourceRow, int row);

  // --- selection (whole rows; the header is never selected) ------------------------------
  bool isSelected(int row) const;
  void setRowSelected(int row, bool selected);
  void selectRow(int row) { setRowSelected(row, true); }
  void deselectRow(int row) { setRowSelected(row, false); }
  // Adds rows first … last (either order) to the selection.
  void selectRange(int first, int last);
  void clearSelection();
  void selectAll();
  void invertSelection();
  std::vector<int> selectedRows() const;  // ascending
  int selectedCount() const;

  // --- current cell ------------------------------------------------------------------------
  // A data row while the grid has any (1 after construction), else -1. It follows its row
  // through inserts and moves; when its row is removed the row that takes its place (or the
  // new last row) becomes current.
  int currentRow() const;
  int currentColumn() const;
  void setCurrentRow(int row);
  void setCurrent(int row, int col);

  // --- colours -----------------------------------------------------------------------------
  Colour background() const;
  void setBackground(Colour colour);
  Colour headerColour() const;
  void setHeaderColour(Colour colour);
  Colour selectionColour() const;
  void setSelectionColour(Colour colour);
  Colour textColour() const;  // white by default
  void setTextColour(Colour colour);
  Colour gridLineColour() const;  // kNoColour: the widget's default
  void setGridLineColour(Colour colour);

  // Row colours and cell backgrounds; kNoColour means "not set".
  Colour rowTextColour(int row) const;
  void setRowTextColour(int row, Colour colour);
  Colour rowBackground(int row) const;
  void setRowBackground(int row, Colour colour);
  Colour cellBackground(int row, int col) const;
  void setCellBackground(int row, int col, Colour colour);
  // The colours without the selection: the row's text colour, else the grid's; the cell's
  // background, else the row's, else the grid's.
  Colour effectiveTextColour(int row) const;
  Colour effectiveBackground(int row, int col) const;

  // --- empty mark --------------------------------------------------------------------------
  static constexpr int kEmptyMark = -1;
  int tag() const;  // -1: empty (the one data row means nothing); 0: holds items
  void setTag(int tag);
  bool isEmpty() const { return tag() == kEmptyMark; }

  // --- sorting -----------------------------------------------------------------------------
  // Rows compare on each key in turn; rows equal on all keys compare on the columns that follow
  // the first key column in logical order (keys skipped), each in the sort direction; rows
  // equal on all of those keep their order (stable). Text compares byte-wise after ASCII case
  // folding; Numeric compares the decimal integer at the start of the cell. An empty cell is the
  // smallest value of either kind: first when ascending, last when descending (a cell that is
  // not a number counts as empty).
  void setCompareKindFn(CompareKindFn fn);
  CompareKind compareKind(int col) const;  // Text when no function is set

  const std::vector<int>& sortKeys() const;
  void clearSortKeys();
  void addSortKey(int col);
  SortDirection sortDirection() const;
  void setSortDirection(SortDirection direction);
  void reverseSortDirection();
  int sortColumn() const;  // kNoSortColumn when none
  static constexpr int kNoSortColumn = -1;
  void setSortColumn(int col);
  bool sortIndicatorShown() const;  // the indicator marks sortColumn() in sortDirection()
  void setSortIndicatorShown(bool shown);

  // Sorts the data rows on sortKeys() in sortDirection(); nothing with fewer than two rows.
  void sortOnKeys();
  // Sorts the data rows on one column in sortDirection(); the key list is not touched.
  void sortOnColumn(int col);
  // A header click of a self-sorting grid: the sort column again reverses the direction,
  // another column sorts ascending; col becomes the sort column.
  void clickSort(int col);

  // --- in-place editing --------------------------------------------------------------------
  bool editingAllowed() const;
  void setEditingAllowed(bool allowed);
  // Whole-row and range selection (on by default); off while a cell is edited.
  bool rowSelect() const;
  void setRowSelect(bool on);
  bool selectionShown() const;  // the selection highlight (on by default)
  void setSelectionShown(bool shown);
  bool editorOpen() const;
  int editorRow() const;  // -1 when closed
  int editorColumn() const;
  void openEditor(int row, int col);
  void closeEditor();

 private:
  struct CellBackground {
    int col = 0;
    Colour colour = kNoColour;
  };
  struct Row {
    PackedCells cells;
    Colour textColour = kNoColour;
    Colour background = kNoColour;
    bool selected = false;
    std::vector<CellBackground> cellBackgrounds;  // rare: only cells painted on their own
    RowTotals totals;
  };
  struct Column {
    bool hidden = false;
    int width = 64;
  };

  bool isDataRow(int row) const;
  bool isCell(int row, int col) const;
  static std::string_view rowCell(const Row& row, int col);
  static void setRowCell(Row& row, int col, std::string_view text);
  const CellBackground* findCellBackground(int row, int col) const;
  void sortRows(const std::vector<int>& keys);
  std::vector<int> comparisonColumns(const std::vector<int>& keys) const;
  void applyOrder(const std::vector<int>& order);
  void setSelectedFlag(Row& row, bool selected);
  bool eraseRun(int first, int count);  // true when a selected row went
  void removeManyRuns(const std::vector<std::pair<int, int>>& runs);
  void setEditFlag(bool& flag, bool value);
  void notifyAppearance();

  template <typename F>
  void notify(F&& call) {
    for (std::size_t i = 0; i < observers_.size(); ++i) call(*observers_[i]);
  }

  std::vector<Row> rows_;
  std::vector<Column> columns_;
  std::vector<int> visualOrder_;  // visual position -> logical column
  std::vector<TrackGridObserver*> observers_;
  int selectedCount_ = 0;
  int currentRow_ = 1;
  int currentColumn_ = 0;
  Colour background_ = kWhite;
  Colour headerColour_ = kWhite;
  Colour selectionColour_ = kWhite;
  Colour textColour_ = kWhite;
  Colour gridLineColour_ = kNoColour;
  int tag_ = kEmptyMark;
  CompareKindFn compareKindFn_;
  std::vector<int> sortKeys_;
  SortDirection sortDirection_ = SortDirection::Ascending;
  int sortColumn_ = kNoSortColumn;
  bool sortIndicatorShown_ = true;
  bool editingAllowed_ = false;
  bool rowSelect_ = true;
  bool selectionShown_ = true;
  int editorRow_ = -1;
  int editorColumn_ = -1;
};
