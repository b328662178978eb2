#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QSignalSpy>

#include "widgets/TrackGridModel.h"
#include "tracks/TrackGrid.h"

namespace {

// Rows named by their first cell, three columns.
void Fill(TrackGrid& grid, const std::vector<std::string>& names) {
  grid.setRowCount(static_cast<int>(names.size()) + 1);
  for (std::size_t i = 0; i < names.size(); ++i)
    grid.setCell(static_cast<int>(i) + 1, 0, names[i]);
}

std::vector<std::string> ModelColumn(const TrackGridModel& model) {
  std::vector<std::string> cells;
  for (int row = 0; row < model.rowCount(); ++row)
    cells.push_back(model.index(row, 0).data().toString().toStdString());
  return cells;
}

using Names = std::vector<std::string>;

// Every change of the grid goes through Qt's model checker, and the model then
// shows exactly what the grid holds.
TEST(TrackGridModelTest, EveryGridChangeKeepsTheModelConsistent) {
  struct Step {
    const char* what;
    void (*change)(TrackGrid&);
    Names expected;
  };
  const std::vector<Step> steps = {
      {"insert", [](TrackGrid& g) { g.insertRows(2, 2); }, {"a", "", "", "b", "c", "d"}},
      {"remove scattered", [](TrackGrid& g) { g.removeRows({2, 3}); }, {"a", "b", "c", "d"}},
      {"move down", [](TrackGrid& g) { g.moveRow(1, 3); }, {"b", "c", "a", "d"}},
      {"move up", [](TrackGrid& g) { g.moveRow(4, 1); }, {"d", "b", "c", "a"}},
      {"move to the next row", [](TrackGrid& g) { g.moveRow(2, 3); }, {"d", "c", "b", "a"}},
      {"sort", [](TrackGrid& g) { g.sortOnColumn(0); }, {"a", "b", "c", "d"}},
      {"permute", [](TrackGrid& g) { g.permuteRows({4, 3, 2, 1}); }, {"d", "c", "b", "a"}},
      {"add at the end", [](TrackGrid& g) { g.setCell(g.addRow(), 0, "e"); },
       {"d", "c", "b", "a", "e"}},
      {"fewer columns", [](TrackGrid& g) { g.setColumnCount(2); }, {"d", "c", "b", "a", "e"}},
      {"trim", [](TrackGrid& g) { g.setRowCount(2); }, {"d"}},
  };
  TrackGrid grid;
  grid.setColumnCount(3);
  Fill(grid, {"a", "b", "c", "d"});
  TrackGridModel model(grid);
  QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
  for (const Step& step : steps) {
    SCOPED_TRACE(step.what);
    step.change(grid);
    EXPECT_EQ(ModelColumn(model), step.expected);
    EXPECT_EQ(model.columnCount(), grid.columnCount());
  }
}

TEST(TrackGridModelTest, HeaderCellsAndColoursComeFromTheGrid) {
  TrackGrid grid;
  grid.setColumnCount(2);
  grid.setHeader(0, "Track Name");
  Fill(grid, {"Intro", "Outro"});
  grid.setBackground(10905916);
  grid.setSelectionColour(15387318);
  grid.setCellBackground(2, 0, 255);
  TrackGridModel model(grid);
  QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
  grid.setCell(2, 1, "x");
  ASSERT_EQ(changed.count(), 1);
  EXPECT_EQ(changed.front().at(0).toModelIndex(), model.index(1, 1));

  EXPECT_EQ(model.headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), "Track Name");
  EXPECT_EQ(model.index(0, 0).data(Qt::BackgroundRole).value<QColor>(), QColor(60, 105, 166));
  grid.selectRow(1);
  EXPECT_EQ(model.index(0, 0).data(Qt::BackgroundRole).value<QColor>(), QColor(182, 202, 234));
  grid.setSelectionShown(false);
  EXPECT_EQ(model.index(0, 0).data(Qt::BackgroundRole).value<QColor>(), QColor(60, 105, 166));
  EXPECT_EQ(model.index(1, 0).data(Qt::BackgroundRole).value<QColor>(), QColor(255, 0, 0));
  EXPECT_FALSE(model.flags(model.index(1, 0)) & Qt::ItemIsEditable);
  grid.setEditingAllowed(true);
  grid.openEditor(2, 0);
  EXPECT_TRUE(model.flags(model.index(1, 0)) & Qt::ItemIsEditable);
  EXPECT_FALSE(model.flags(model.index(0, 0)) & Qt::ItemIsEditable);
}

}  // namespace
