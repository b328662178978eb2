#include <gtest/gtest.h>

#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <string>
#include <vector>

#include "browser/fLibraryFolders.h"

namespace {

using Strings = std::vector<std::string>;

TEST(TfrmLibraryFoldersTest, FoldersAreAddedOnceAndRemovedBySelection) {
  TfrmLibraryFolders dialog({"/music", "/audio"});
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Library Folders"));
  dialog.addFolder(QStringLiteral("/music"));  // there already
  dialog.addFolder(QString());                 // the folder dialog was cancelled
  dialog.addFolder(QStringLiteral("/podcasts"));
  EXPECT_EQ(dialog.folders(), (Strings{"/music", "/audio", "/podcasts"}));
  dialog.lstFolders->item(0)->setSelected(true);
  dialog.lstFolders->item(2)->setSelected(true);
  QTest::mouseClick(dialog.btnRemove, Qt::LeftButton);
  EXPECT_EQ(dialog.folders(), Strings{"/audio"});
}

TEST(TfrmLibraryFoldersTest, OkTakesTheListCancelLeavesIt) {
  TfrmLibraryFolders ok({"/music"});
  QTest::mouseClick(ok.btnOK, Qt::LeftButton);
  EXPECT_EQ(ok.result(), QDialog::Accepted);
  TfrmLibraryFolders cancel({"/music"});
  QTest::mouseClick(cancel.btnCancel, Qt::LeftButton);
  EXPECT_EQ(cancel.result(), QDialog::Rejected);
}

}  // namespace
