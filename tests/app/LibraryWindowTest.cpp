#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTest>

#include "app/BrowserPanel.h"
#include "app/WaitUntil.h"
#include "app/fSongloomMain.h"
#include "support/FakeMountTable.h"
#include "support/Mp3Builder.h"
#include "support/ScriptedDialogs.h"
#include "support/ScriptedPlayback.h"
#include "support/TempDir.h"
#include "widgets/TrackGridView.h"

namespace {

class LibraryWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_.write(
        "lib/ABBA/Gold/Dancing Queen.mp3",
        Id3v23TextTag({.title = "Dancing Queen", .artist = "ABBA"}) + Mp3Frames(MpegFrame{}, 10));
    dir_.write("lib/Blur/Parklife.mp3",
               Id3v23TextTag({.title = "Parklife", .artist = "Blur"}) + Mp3Frames(MpegFrame{}, 10));
  }

  // A window whose library folder is lib; the real dialogs when asked for, else the scripted.
  void openWindow(bool realDialogs = false) {
    window_ = std::make_unique<TfrmSongloomMain>(
        dir_.file("autosave.m3u"),
        WindowStandIns{.dialogs = realDialogs ? nullptr : &dialogs_,
                       .playlistItems = &dialogs_,
                       .playback = &playback_,
                       .libraryFolders = &dialogs_,
                       .mounts = &mounts_},
        dir_.file("data/library-folders.txt"));
    window_->core().library().setLibraryFolders({dir_.file("lib")});
    window_->resize(1200, 700);
    window_->show();
    QApplication::setActiveWindow(window_.get());
  }

  BrowserPanel& browser() { return *window_->browser(); }
  TrackTables& tables() { return window_->core().tables(); }
  int rowsOf(GridId id) {
    const TrackGrid& grid = tables().grid(id);
    return grid.isEmpty() ? 0 : grid.dataRowCount();
  }
  void clickLibrary() { QTest::mouseClick(browser().rbtLibrary, Qt::LeftButton); }

  TempDir dir_;
  ScriptedDialogs dialogs_;
  ScriptedPlayback playback_;
  FakeMountTable mounts_;
  std::unique_ptr<TfrmSongloomMain> window_;
};

// The real scan dialog opens, scans and closes by itself; the view then shows the library.
TEST_F(LibraryWindowTest, TheLibraryButtonScansAndShowsTheLibrary) {
  openWindow(true);
  clickLibrary();
  EXPECT_EQ(rowsOf(GridId::Library), 2);
  EXPECT_EQ(browser().pgcMain->currentIndex(), 1);
  EXPECT_TRUE(browser().rbtLibrary->isChecked());
  EXPECT_TRUE(browser().grdLibrary->isVisible());
  EXPECT_FALSE(browser().grdSearch->isVisible());
  EXPECT_TRUE(browser().lblInfo->text().startsWith(QStringLiteral("Total: 2 MP3s")));
  EXPECT_TRUE(dialogs_.scanProgress().empty());            // the real dialog scanned
  EXPECT_EQ(window_->findChildren<QDialog*>().size(), 0);  // and is gone

  QTest::mouseClick(browser().pnlFolder, Qt::LeftButton);
  EXPECT_EQ(browser().pgcMain->currentIndex(), 0);
  EXPECT_EQ(browser().lblInfo->text(), QStringLiteral("Total: 0 MP3s | 00:00 | 0"));
  QTest::mouseClick(browser().pnlLibrary, Qt::LeftButton);
  EXPECT_EQ(browser().pgcMain->currentIndex(), 1);
  EXPECT_TRUE(browser().lblInfo->text().startsWith(QStringLiteral("Total: 2 MP3s")));
}

TEST_F(LibraryWindowTest, EnterInTheSearchBoxSearchesAndClearShowsTheLibrary) {
  openWindow();
  clickLibrary();
  QLineEdit* search = browser().edtSearch;
  for (const Qt::Key enter : {Qt::Key_Return, Qt::Key_Enter}) {
    search->clear();
    search->setFocus();
    QTest::keyClicks(search, QStringLiteral("abba"));
    QTest::keyClick(search, enter);
    EXPECT_EQ(search->text(), QStringLiteral("abba"));  // Enter inserts nothing
    EXPECT_TRUE(browser().grdSearch->isVisible());
    EXPECT_FALSE(browser().grdLibrary->isVisible());
    EXPECT_EQ(rowsOf(GridId::Search), 1);
    EXPECT_TRUE(browser().lblInfo->text().startsWith(QStringLiteral("Total: 1 MP3s")));
  }
  QTest::keyClicks(search, QStringLiteral("x"));
  QTest::mouseClick(browser().btnSearch, Qt::LeftButton);
  EXPECT_EQ(rowsOf(GridId::Search), 0);
  QTest::mouseClick(browser().btnClear, Qt::LeftButton);
  EXPECT_EQ(search->text(), QString());
  EXPECT_TRUE(browser().grdLibrary->isVisible());
  EXPECT_FALSE(browser().grdSearch->isVisible());
  EXPECT_TRUE(browser().lblInfo->text().startsWith(QStringLiteral("Total: 2 MP3s")));
}

// A typo fixed in the search box never reaches the grids: Del, Ctrl+A and the other editing
// keys stay with the text.
TEST_F(LibraryWindowTest, TheSearchBoxKeepsItsEditingKeys) {
  openWindow();
  clickLibrary();
  const std::string a = dir_.file("lib/ABBA/Gold/Dancing Queen.mp3");
  const std::string b = dir_.file("lib/Blur/Parklife.mp3");
  ASSERT_TRUE(window_->core().document().OpenPlaylist(
      dir_.write("two.m3u", "#EXTM3U\r\n" + a + "\r\n" + b + "\r\n")));
  TrackGrid& playlist = tables().grdPlaylist();
  playlist.selectRow(1);
  TrackGrid& library = tables().grdLibrary();
  library.selectRow(1);
  QLineEdit* search = browser().edtSearch;
  search->setFocus();
  QTest::keyClicks(search, QStringLiteral("abbax"));
  QTest::keyClick(search, Qt::Key_Left);
  QTest::keyClick(search, Qt::Key_Delete);
  EXPECT_EQ(search->text(), QStringLiteral("abba"));
  QTest::keyClick(search, Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(search->selectedText(), QStringLiteral("abba"));
  QTest::keyClick(search, Qt::Key_C, Qt::ControlModifier);
  QTest::keyClick(search, Qt::Key_X, Qt::ControlModifier);
  QTest::keyClick(search, Qt::Key_V, Qt::ControlModifier);
  QTest::keyClick(search, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(search->text(), QStringLiteral("abbaabba"));
  EXPECT_EQ(library.selectedCount(), 1);
  EXPECT_EQ(playlist.dataRowCount(), 2);        // nothing removed
  EXPECT_EQ(tables().RowPath(playlist, 1), a);  // nor reversed
  EXPECT_TRUE(dialogs_.shown().empty());        // nor a compilation begun
}

TEST_F(LibraryWindowTest, TheFoldersButtonChangesWhereTheLibraryComesFrom) {
  openWindow();
  clickLibrary();
  dialogs_.willEditLibraryFolders(std::vector<std::string>{dir_.file("lib/Blur")});
  QTest::mouseClick(browser().btnFolders, Qt::LeftButton);
  EXPECT_EQ(rowsOf(GridId::Library), 1);
  EXPECT_EQ(dialogs_.scanProgress().size(), 2u);
  EXPECT_TRUE(browser().lblInfo->text().startsWith(QStringLiteral("Total: 1 MP3s")));
  // Kept for the next start.
  openWindow();
  EXPECT_EQ(window_->core().library().libraryFolders(), std::vector<std::string>{dir_.file("lib")});
}

}  // namespace
