#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <string>
#include <vector>

#include "tracks/fColumns.h"

namespace {

using Names = std::vector<std::string>;

ColumnChooser Chooser(FirstEntry first) {
  return ColumnChooser("Select the columns you want to display in MP3 Playlist",
                       {{"Track Name", true}, {"Size", true}, {"Artist", false}}, first);
}

Names Shown(const QListWidget* list) {
  Names names;
  for (int i = 0; i < list->count(); ++i) {
    const QListWidgetItem* item = list->item(i);
    const std::string name = item->text().toStdString();
    names.push_back(item->checkState() == Qt::Checked ? name : "(" + name + ")");
  }
  return names;
}

// The dialog shows the chooser: its label, its ticked entries, the first one fixed, and the
// buttons of the first entry selected.
TEST(TfrmColumnsTest, ShowsTheChooser) {
  ColumnChooser chooser = Chooser(FirstEntry::Fixed);
  TfrmColumns dialog(chooser);
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Customize Columns"));
  EXPECT_EQ(dialog.lbl1->text(),
            QStringLiteral("Select the columns you want to display in MP3 Playlist"));
  EXPECT_EQ(dialog.lbl2->text(), QStringLiteral("Columns:"));
  EXPECT_EQ(Shown(dialog.lstColumns), (Names{"Track Name", "Size", "(Artist)"}));
  EXPECT_FALSE(dialog.lstColumns->item(0)->flags() & Qt::ItemIsUserCheckable);
  EXPECT_TRUE(dialog.lstColumns->item(1)->flags() & Qt::ItemIsUserCheckable);
  EXPECT_EQ(dialog.lstColumns->currentRow(), 0);
  EXPECT_FALSE(dialog.btnUp->isEnabled());
  EXPECT_FALSE(dialog.btnDown->isEnabled());
  EXPECT_FALSE(dialog.btnOK->isEnabled());
  EXPECT_EQ(dialog.btnUp->text(), QStringLiteral("Move Up"));
  EXPECT_EQ(dialog.btnDown->text(), QStringLiteral("Move Down"));
}

// Clicks reach the chooser and the dialog shows its answer.
TEST(TfrmColumnsTest, GesturesGoToTheChooser) {
  ColumnChooser chooser = Chooser(FirstEntry::Fixed);
  TfrmColumns dialog(chooser);
  dialog.lstColumns->setCurrentRow(2);
  EXPECT_TRUE(dialog.btnUp->isEnabled());
  EXPECT_FALSE(dialog.btnDown->isEnabled());
  QTest::mouseClick(dialog.btnUp, Qt::LeftButton);
  EXPECT_EQ(Shown(dialog.lstColumns), (Names{"Track Name", "(Artist)", "Size"}));
  EXPECT_EQ(dialog.lstColumns->currentRow(), 1);
  EXPECT_TRUE(dialog.btnOK->isEnabled());
  dialog.lstColumns->item(1)->setCheckState(Qt::Checked);
  dialog.lstColumns->item(0)->setCheckState(Qt::Unchecked);  // fixed: stays ticked
  EXPECT_EQ(Shown(dialog.lstColumns), (Names{"Track Name", "Artist", "Size"}));
  EXPECT_EQ(chooser.checkedNames(), (Names{"Track Name", "Artist", "Size"}));
  QTest::mouseClick(dialog.btnOK, Qt::LeftButton);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(TfrmColumnsTest, OkNeedsAChangeUnlessEnabledAndCancelLeaves) {
  ColumnChooser grid = Chooser(FirstEntry::Fixed);
  TfrmColumns unchanged(grid);
  QTest::mouseClick(unchanged.btnOK, Qt::LeftButton);  // disabled
  EXPECT_NE(unchanged.result(), QDialog::Accepted);
  QTest::mouseClick(unchanged.btnCancel, Qt::LeftButton);
  EXPECT_EQ(unchanged.result(), QDialog::Rejected);

  ColumnChooser exported = Chooser(FirstEntry::Tickable);
  exported.enableOK();
  TfrmColumns dialog(exported);
  EXPECT_TRUE(dialog.btnOK->isEnabled());
  EXPECT_TRUE(dialog.lstColumns->item(0)->flags() & Qt::ItemIsUserCheckable);
  dialog.lstColumns->item(0)->setCheckState(Qt::Unchecked);
  EXPECT_EQ(exported.checkedNames(), Names{"Size"});
}

}  // namespace
