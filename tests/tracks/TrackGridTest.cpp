#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tracks/TrackGrid.h"

namespace {

// Records every notification as one short line, in order.
class RecordingObserver : public TrackGridObserver {
 public:
  std::vector<std::string> calls;

  void rowsAboutToBeInserted(int first, int count) override { add("aboutInsert", first, count); }
  void rowsInserted(int first, int count) override { add("inserted", first, count); }
  void rowsAboutToBeRemoved(int first, int count) override { add("aboutRemove", first, count); }
  void rowsRemoved(int first, int count) override { add("removed", first, count); }
  void rowsAboutToBeMoved(int from, int count, int to) override {
    add("aboutMove", from, count, to);
  }
  void rowsMoved(int from, int count, int to) override { add("moved", from, count, to); }
  void cellChanged(int row, int col) override { add("cell", row, col); }
  void rowChanged(int row) override { add("row", row); }
  void rowColourChanged(int row) override { add("colour", row); }
  void headerChanged(int col) override { add("header", col); }
  void layoutAboutToBeChanged() override { calls.push_back("aboutLayout"); }
  void layoutChanged() override { calls.push_back("layout"); }
  void modelAboutToBeReset() override { calls.push_back("aboutReset"); }
  void modelReset() override { calls.push_back("reset"); }
  void columnsChanged() override { calls.push_back("columns"); }
  void selectionChanged() override { calls.push_back("selection"); }
  void currentChanged(int row, int col) override { add("current", row, col); }
  void sortIndicatorChanged() override { calls.push_back("sortIndicator"); }
  void appearanceChanged() override { calls.push_back("appearance"); }
  void editStateChanged() override { calls.push_back("edit"); }

 private:
  template <typename... Ints>
  void add(const char* name, Ints... values) {
    std::string line = name;
    ((line += " " + std::to_string(values)), ...);
    calls.push_back(line);
  }
};

// A grid of `rows` data rows and `cols` columns whose cell (r, c) holds its text from `texts`,
// one string per row with the cells separated by ','.
void Fill(TrackGrid& grid, const std::vector<std::string>& rows) {
  grid.setRowCount(static_cast<int>(rows.size()) + 1);
  for (std::size_t r = 0; r < rows.size(); ++r) {
    int col = 0;
    std::string cell;
    for (char ch : rows[r] + ",") {
      if (ch == ',') {
        grid.setCell(static_cast<int>(r) + 1, col++, cell);
        cell.clear();
      } else {
        cell += ch;
      }
    }
  }
}

// Column col of every data row, top to bottom.
std::vector<std::string> Column(const TrackGrid& grid, int col) {
  std::vector<std::string> cells;
  for (int row = 1; row < grid.rowCount(); ++row) cells.push_back(grid.cell(row, col));
  return cells;
}

using Strings = std::vector<std::string>;

class TrackGridTest : public testing::Test {
 protected:
  TrackGridTest() { grid.setColumnCount(3); }

  // Rows named a, b, c, … in column 0.
  void Letters(int count) {
    grid.setRowCount(count + 1);
    for (int row = 1; row <= count; ++row) grid.setCell(row, 0, std::string(1, 'a' + row - 1));
  }

  TrackGrid grid;
  RecordingObserver log;
};

TEST_F(TrackGridTest, NewGridIsEmptyWithOneBlankDataRow) {
  TrackGrid fresh;
  EXPECT_EQ(fresh.rowCount(), 2);
  EXPECT_EQ(fresh.dataRowCount(), 1);
  EXPECT_EQ(fresh.tag(), TrackGrid::kEmptyMark);
  EXPECT_TRUE(fresh.isEmpty());
  EXPECT_EQ(fresh.currentRow(), 1);
  EXPECT_EQ(fresh.sortColumn(), TrackGrid::kNoSortColumn);
  EXPECT_EQ(fresh.selectedCount(), 0);
}

TEST_F(TrackGridTest, CellsKeepTheirTextsWhenNeighboursChangeLength) {
  grid.setCell(1, 2, "third");
  grid.setCell(1, 0, "first");
  grid.setCell(1, 1, "a much longer second cell");
  grid.setCell(1, 0, "");
  grid.setCell(1, 1, "2");
  EXPECT_EQ(grid.cell(1, 0), "");
  EXPECT_EQ(grid.cell(1, 1), "2");
  EXPECT_EQ(grid.cell(1, 2), "third");
}

TEST_F(TrackGridTest, OutOfRangeReadsAreEmptyAndWritesIgnored) {
  grid.setCell(5, 0, "x");
  grid.setCell(1, 3, "x");
  grid.setCell(-1, 0, "x");
  EXPECT_EQ(grid.cell(5, 0), "");
  EXPECT_EQ(grid.cell(1, 3), "");
  EXPECT_EQ(grid.cell(1, -1), "");
  EXPECT_EQ(grid.rowCount(), 2);
}

TEST_F(TrackGridTest, FewerColumnsDropTheCellsBeyond) {
  Fill(grid, {"a,b,c"});
  grid.setColumnCount(2);
  grid.setColumnCount(3);
  EXPECT_EQ(Column(grid, 1), Strings{"b"});
  EXPECT_EQ(Column(grid, 2), Strings{""});
}

TEST_F(TrackGridTest, FindColumnLooksOnlyBelowTheLimit) {
  grid.setHeader(0, "Size");
  grid.setHeader(2, "Path");
  EXPECT_EQ(grid.header(2), "Path");
  EXPECT_EQ(grid.findColumn("Path", 3), 2);
  EXPECT_EQ(grid.findColumn("Path", 2), -1);
  EXPECT_EQ(grid.findColumn("size", 3), -1);  // exact, case-sensitive
  EXPECT_EQ(grid.findColumn("Size", 99), 0);
}

TEST_F(TrackGridTest, HiddenAndMovedColumnsKeepTheirLogicalIndex) {
  Fill(grid, {"a,b,c"});
  grid.setColumnHidden(1, true);
  grid.moveColumn(2, 0);
  EXPECT_TRUE(grid.isColumnHidden(1));
  EXPECT_EQ(grid.visualOrder(), (std::vector<int>{2, 0, 1}));
  EXPECT_EQ(grid.visualIndex(2), 0);
  EXPECT_EQ(grid.logicalIndex(2), 1);
  EXPECT_EQ(grid.cell(1, 2), "c");
  grid.moveColumn(0, 2);
  EXPECT_EQ(grid.visualOrder(), (std::vector<int>{0, 1, 2}));
}

TEST_F(TrackGridTest, RowOperationsKeepTheCellsOfEachRow) {
  struct Case {
    const char* what;
    void (*apply)(TrackGrid&);
    Strings expected;
  };
  const std::vector<Case> cases = {
      {"insert two before row 2",
       [](TrackGrid& g) { g.insertRows(2, 2); },
       {"a", "", "", "b", "c", "d", "e"}},
      {"insert at the end",
       [](TrackGrid& g) { g.insertRows(6, 1); },
       {"a", "b", "c", "d", "e", ""}},
      {"add a row",
       [](TrackGrid& g) { g.setCell(g.addRow(), 0, "f"); },
       {"a", "b", "c", "d", "e", "f"}},
      {"remove a set",
       [](TrackGrid& g) {
         g.removeRows({4, 1, 4, 0, 9, 2});
       },
       {"c", "e"}},
      {"remove a range", [](TrackGrid& g) { g.removeRowRange(2, 3); }, {"a", "e"}},
      {"move down", [](TrackGrid& g) { g.moveRow(2, 4); }, {"a", "c", "d", "b", "e"}},
      {"move up", [](TrackGrid& g) { g.moveRow(5, 1); }, {"e", "a", "b", "c", "d"}},
      {"move onto the header", [](TrackGrid& g) { g.moveRow(2, 0); }, {"a", "b", "c", "d", "e"}},
      {"blank", [](TrackGrid& g) { g.blankRow(3); }, {"a", "b", "", "d", "e"}},
      {"trim", [](TrackGrid& g) { g.setRowCount(3); }, {"a", "b"}},
      {"never below the header", [](TrackGrid& g) { g.setRowCount(0); }, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TrackGrid g;
    g.setColumnCount(1);
    Fill(g, {"a", "b", "c", "d", "e"});
    c.apply(g);
    EXPECT_EQ(Column(g, 0), c.expected);
  }
}

TEST_F(TrackGridTest, SelectionCommands) {
  Letters(5);
  grid.selectRow(4);
  grid.selectRange(3, 1);
  grid.deselectRow(2);
  EXPECT_EQ(grid.selectedRows(), (std::vector<int>{1, 3, 4}));
  EXPECT_EQ(grid.selectedCount(), 3);
  grid.invertSelection();
  EXPECT_EQ(grid.selectedRows(), (std::vector<int>{2, 5}));
  grid.selectAll();
  EXPECT_EQ(grid.selectedCount(), 5);
  grid.clearSelection();
  EXPECT_EQ(grid.selectedCount(), 0);
  grid.selectRow(0);  // the header is never selected
  grid.selectRange(-3, 0);
  EXPECT_EQ(grid.selectedCount(), 0);
}

TEST_F(TrackGridTest, SelectedRowsTravelWithTheirRows) {
  struct Case {
    const char* what;
    void (*apply)(TrackGrid&);
    Strings selected;  // column 0 of the selected rows, ascending
  };
  const std::vector<Case> cases = {
      {"insert above", [](TrackGrid& g) { g.insertRows(1, 2); }, {"b", "d"}},
      {"remove one selected", [](TrackGrid& g) { g.removeRow(2); }, {"d"}},
      {"remove others",
       [](TrackGrid& g) {
         g.removeRows({1, 3, 5});
       },
       {"b", "d"}},
      {"move a selected row", [](TrackGrid& g) { g.moveRow(4, 1); }, {"d", "b"}},
      {"move across", [](TrackGrid& g) { g.moveRow(1, 5); }, {"b", "d"}},
      {"permute", [](TrackGrid& g) { g.permuteRows({5, 4, 3, 2, 1}); }, {"d", "b"}},
      {"sort descending",
       [](TrackGrid& g) {
         g.setSortDirection(SortDirection::Descending);
         g.sortOnColumn(0);
       },
       {"d", "b"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TrackGrid g;
    g.setColumnCount(1);
    Fill(g, {"a", "b", "c", "d", "e"});
    g.selectRow(2);
    g.selectRow(4);
    c.apply(g);
    Strings selected;
    for (int row : g.selectedRows()) selected.push_back(g.cell(row, 0));
    EXPECT_EQ(selected, c.selected);
    EXPECT_EQ(g.selectedCount(), static_cast<int>(c.selected.size()));
  }
}

TEST_F(TrackGridTest, CurrentRowFollowsItsRowAndFallsBackWhenRemoved) {
  struct Case {
    const char* what;
    int current;
    void (*apply)(TrackGrid&);
    int expected;
  };
  const std::vector<Case> cases = {
      {"insert above", 3, [](TrackGrid& g) { g.insertRows(2, 2); }, 5},
      {"insert below", 3, [](TrackGrid& g) { g.insertRows(4, 2); }, 3},
      {"remove above", 3,
       [](TrackGrid& g) {
         g.removeRows({1, 2});
       },
       1},
      {"remove it: the next row takes its place", 3, [](TrackGrid& g) { g.removeRow(3); }, 3},
      {"remove it last: the new last row", 5,
       [](TrackGrid& g) {
         g.removeRows({4, 5});
       },
       3},
      {"remove all", 2, [](TrackGrid& g) { g.removeRowRange(1, 5); }, -1},
      {"add to a grid without rows", 2,
       [](TrackGrid& g) {
         g.removeRowRange(1, 5);
         g.addRow();
       },
       1},
      {"moved itself", 2, [](TrackGrid& g) { g.moveRow(2, 5); }, 5},
      {"a row moved past it", 3, [](TrackGrid& g) { g.moveRow(1, 4); }, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TrackGrid g;
    g.setColumnCount(1);
    g.setRowCount(6);
    g.setCurrentRow(c.current);
    c.apply(g);
    EXPECT_EQ(g.currentRow(), c.expected);
  }
}

TEST_F(TrackGridTest, ColoursFallBackFromCellToRowToGrid) {
  Letters(2);
  grid.setBackground(6513507);
  grid.setHeaderColour(7634301);
  grid.setRowTextColour(1, kRed);
  grid.setCellBackground(2, 1, kRed);
  EXPECT_EQ(grid.effectiveTextColour(1), kRed);
  EXPECT_EQ(grid.effectiveTextColour(2), kWhite);
  EXPECT_EQ(grid.effectiveBackground(2, 1), kRed);
  EXPECT_EQ(grid.effectiveBackground(2, 0), 6513507);
  EXPECT_EQ(grid.effectiveBackground(0, 1), 7634301);
  grid.setCellBackground(2, 1, kNoColour);
  EXPECT_EQ(grid.effectiveBackground(2, 1), 6513507);
  grid.blankRow(1);
  EXPECT_EQ(grid.rowTextColour(1), kNoColour);
}

TEST_F(TrackGridTest, EditStateIsRecordedAndTheEditorFollowsItsRow) {
  Letters(3);
  grid.setEditingAllowed(true);
  grid.setRowSelect(false);
  grid.setSelectionShown(false);
  grid.openEditor(2, 1);
  EXPECT_TRUE(grid.editingAllowed());
  EXPECT_FALSE(grid.rowSelect());
  EXPECT_FALSE(grid.selectionShown());
  grid.insertRows(1, 1);
  EXPECT_EQ(grid.editorRow(), 3);
  EXPECT_EQ(grid.editorColumn(), 1);
  grid.removeRow(3);
  EXPECT_FALSE(grid.editorOpen());
  grid.openEditor(0, 0);  // never on the header
  EXPECT_FALSE(grid.editorOpen());
}

// --- sorting ---------------------------------------------------------------------------------

class TrackGridSortTest : public TrackGridTest {
 protected:
  TrackGridSortTest() {
    grid.setCompareKindFn([](const TrackGrid&, int col) {
      return col == 1 ? CompareKind::Numeric : CompareKind::Text;
    });
  }
};

TEST_F(TrackGridSortTest, TextIgnoresCaseAndNumbersCompareAsNumbers) {
  Fill(grid, {"beta,100000,", "Alpha,9,", "alpha2,,", "BETA0,10,"});
  grid.sortOnColumn(0);
  EXPECT_EQ(Column(grid, 0), (Strings{"Alpha", "alpha2", "beta", "BETA0"}));
  grid.sortOnColumn(1);
  EXPECT_EQ(Column(grid, 1), (Strings{"", "9", "10", "100000"}));
  grid.setSortDirection(SortDirection::Descending);
  grid.sortOnColumn(1);
  EXPECT_EQ(Column(grid, 1), (Strings{"100000", "10", "9", ""}));
}

TEST_F(TrackGridSortTest, EqualKeysCompareOnTheFollowingColumnsThenKeepTheirOrder) {
  Fill(grid, {"x,2,b", "y,1,a", "z,2,a", "w,2,a"});
  grid.sortOnColumn(1);
  // 1 first; among the 2s column 2 decides; z and w tie on everything after column 1.
  EXPECT_EQ(Column(grid, 0), (Strings{"y", "z", "w", "x"}));
  grid.setSortDirection(SortDirection::Descending);
  grid.sortOnColumn(1);
  EXPECT_EQ(Column(grid, 0), (Strings{"x", "z", "w", "y"}));
}

TEST_F(TrackGridSortTest, KeyListSortsOnEveryKeyInTurn) {
  Fill(grid, {"b,1,", "a,2,", "c,1,", "a,1,"});
  grid.addSortKey(1);
  grid.addSortKey(0);
  grid.sortOnKeys();
  EXPECT_EQ(Column(grid, 0), (Strings{"a", "b", "c", "a"}));
  EXPECT_EQ(Column(grid, 1), (Strings{"1", "1", "1", "2"}));
  grid.clearSortKeys();
  EXPECT_TRUE(grid.sortKeys().empty());
}

TEST_F(TrackGridSortTest, ClickSortTogglesOnlyOnTheSortColumn) {
  Fill(grid, {"b,,", "a,,", "c,,"});
  grid.clickSort(0);
  EXPECT_EQ(Column(grid, 0), (Strings{"a", "b", "c"}));
  grid.clickSort(0);
  EXPECT_EQ(Column(grid, 0), (Strings{"c", "b", "a"}));
  EXPECT_EQ(grid.sortDirection(), SortDirection::Descending);
  grid.clickSort(2);
  EXPECT_EQ(grid.sortDirection(), SortDirection::Ascending);
  EXPECT_EQ(grid.sortColumn(), 2);
}

TEST_F(TrackGridSortTest, CurrentRowFollowsTheSort) {
  Fill(grid, {"b,,", "a,,", "c,,"});
  grid.setCurrentRow(1);
  grid.sortOnColumn(0);
  EXPECT_EQ(grid.currentRow(), 2);
  EXPECT_EQ(grid.cell(grid.currentRow(), 0), "b");
}

TEST_F(TrackGridSortTest, OneRowIsNeverSorted) {
  Fill(grid, {"a,,"});
  grid.addObserver(&log);
  grid.clickSort(0);
  grid.sortOnColumn(0);
  EXPECT_TRUE(log.calls.empty());
  EXPECT_EQ(grid.sortColumn(), TrackGrid::kNoSortColumn);
}

// --- notifications ---------------------------------------------------------------------------

TEST_F(TrackGridTest, ObserverSeesEachChangeBracketed) {
  struct Case {
    const char* what;
    void (*apply)(TrackGrid&);
    Strings calls;
  };
  const std::vector<Case> cases = {
      {"insert", [](TrackGrid& g) { g.insertRows(2, 3); }, {"aboutInsert 2 3", "inserted 2 3"}},
      {"add", [](TrackGrid& g) { g.addRow(); }, {"aboutInsert 5 1", "inserted 5 1"}},
      {"remove runs bottom first",
       [](TrackGrid& g) {
         g.removeRows({1, 3, 4});
       },
       {"aboutRemove 3 2", "removed 3 2", "aboutRemove 1 1", "removed 1 1"}},
      {"remove a selected row",
       [](TrackGrid& g) {
         g.selectRow(2);
         g.removeRow(2);
       },
       {"selection", "aboutRemove 2 1", "removed 2 1", "selection"}},
      {"move down", [](TrackGrid& g) { g.moveRow(1, 3); }, {"aboutMove 1 1 3", "moved 1 1 3"}},
      {"move up", [](TrackGrid& g) { g.moveRow(4, 2); }, {"aboutMove 4 1 2", "moved 4 1 2"}},
      {"cell and header",
       [](TrackGrid& g) {
         g.setCell(2, 1, "x");
         g.setCell(2, 1, "x");  // unchanged: silent
         g.setHeader(1, "Name");
       },
       {"cell 2 1", "header 1"}},
      {"sort",
       [](TrackGrid& g) {
         g.setSortDirection(SortDirection::Descending);
         g.sortOnColumn(0);
       },
       {"sortIndicator", "aboutLayout", "layout"}},
      {"column count", [](TrackGrid& g) { g.setColumnCount(5); }, {"aboutReset", "reset"}},
      {"hide and move columns",
       [](TrackGrid& g) {
         g.setColumnHidden(0, true);
         g.moveColumn(0, 1);
       },
       {"columns", "columns"}},
      {"colours and mark",
       [](TrackGrid& g) {
         g.setRowTextColour(3, kRed);
         g.setSelectionColour(15387318);
         g.setTag(0);
       },
       {"colour 3", "appearance", "appearance"}},
      {"editing",
       [](TrackGrid& g) {
         g.setEditingAllowed(true);
         g.openEditor(1, 1);
         g.closeEditor();
       },
       {"edit", "edit", "edit"}},
      {"current", [](TrackGrid& g) { g.setCurrent(3, 1); }, {"current 3 1"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TrackGrid g;
    g.setColumnCount(3);
    Fill(g, {"a", "b", "c", "d"});
    RecordingObserver observer;
    g.addObserver(&observer);
    c.apply(g);
    EXPECT_EQ(observer.calls, c.calls);
  }
}

TEST_F(TrackGridTest, ObserverSeesTheOldNumberingBeforeAndTheNewAfter) {
  // What a table model relies on between beginRemoveRows and endRemoveRows.
  struct CountingObserver : TrackGridObserver {
    const TrackGrid* grid = nullptr;
    std::vector<int> counts;
    void rowsAboutToBeRemoved(int, int) override { counts.push_back(grid->rowCount()); }
    void rowsRemoved(int, int) override { counts.push_back(grid->rowCount()); }
  } observer;
  Letters(6);
  observer.grid = &grid;
  grid.addObserver(&observer);
  grid.removeRows({2, 5, 6});
  EXPECT_EQ(observer.counts, (std::vector<int>{7, 5, 5, 4}));
}

TEST_F(TrackGridTest, ManyScatteredRemovalsResetTheModel) {
  Letters(200);
  grid.addObserver(&log);
  std::vector<int> odd;
  for (int row = 1; row <= 200; row += 2) odd.push_back(row);
  grid.selectRow(2);
  log.calls.clear();
  grid.removeRows(odd);
  EXPECT_EQ(log.calls, (Strings{"aboutReset", "reset", "selection"}));
  EXPECT_EQ(grid.dataRowCount(), 100);
  EXPECT_EQ(grid.cell(1, 0), "b");
  EXPECT_EQ(grid.selectedRows(), std::vector<int>{1});
}

TEST_F(TrackGridTest, RemovedObserverHearsNothing) {
  grid.addObserver(&log);
  grid.removeObserver(&log);
  grid.addRow();
  EXPECT_TRUE(log.calls.empty());
}

TEST_F(TrackGridTest, PermuteRowsTakesOnlyAWholePermutationInOneLayoutChange) {
  Letters(4);
  RecordingObserver observer;
  grid.addObserver(&observer);
  for (const std::vector<int>& bad : {std::vector<int>{1, 2, 3}, {1, 2, 2, 4}, {0, 1, 2, 3},
                                      {1, 2, 3, 5}}) {
    grid.permuteRows(bad);
  }
  EXPECT_TRUE(observer.calls.empty());
  EXPECT_EQ(Column(grid, 0), (Strings{"a", "b", "c", "d"}));
  grid.permuteRows({3, 1, 4, 2});
  EXPECT_EQ(Column(grid, 0), (Strings{"c", "a", "d", "b"}));
  EXPECT_EQ(observer.calls, (Strings{"aboutLayout", "layout"}));
  grid.removeObserver(&observer);
}

}  // namespace
