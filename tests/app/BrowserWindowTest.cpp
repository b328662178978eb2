#include <gtest/gtest.h>

#include <QApplication>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/BrowserPanel.h"
#include "app/PlaylistPanel.h"
#include "app/WaitUntil.h"
#include "widgets/TrackGridModel.h"
#include "widgets/TrackGridView.h"
#include "app/fSongloomMain.h"
#include "browser/fPLItems.h"
#include "platform/PathParts.h"
#include "support/Mp3Builder.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

namespace {

class BrowserWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string audio = Mp3Frames(MpegFrame{}, 20);
    for (const char* name : {"a.mp3", "b.mp3", "c.mp3"}) dir_.write(name, audio);
    dir_.write("mix.m3u", "#EXTM3U\r\na.mp3\r\nb.mp3\r\nmissing.mp3\r\n");
    window_ = std::make_unique<TfrmSongloomMain>(dir_.file("autosave.m3u"), &dialogs_, &dialogs_);
    window_->resize(1200, 700);
    window_->show();
    QApplication::setActiveWindow(window_.get());
  }

  // Lists the folder as a tree selection does, through the refresh timer; false when the
  // listing did not end in time. The selection starts the timer at once, so the listing is
  // over when the timer is off and the browser idle again.
  [[nodiscard]] bool listFolder() {
    FolderBrowser& browser = core().browser();
    browser.lstFoldersChange(dir_.path());
    window_->refreshLabels();
    return WaitUntil([&] { return !browser.timerEnabled() && browser.listingIdle(); });
  }

  int browserRowOf(const std::string& name) {
    TrackGrid& grid = core().tables().grdBrowser();
    for (int row = 1; row < grid.rowCount(); ++row)
      if (grid.cell(row, 0) == name) return row;
    return -1;
  }

  // A plain click on the browser row of this file name.
  void clickBrowserRow(const std::string& name) {
    TrackGridView* browser = window_->browser()->grdBrowser;
    const int row = browserRowOf(name);
    QTest::mouseClick(browser->viewport(), Qt::LeftButton, {},
                      browser->visualRect(browser->model()->index(row - 1, 0)).center());
  }

  std::vector<std::string> playlistFiles() {
    TrackTables& tables = core().tables();
    std::vector<std::string> files;
    for (int row = 1; row < tables.grdPlaylist().rowCount(); ++row)
      files.push_back(FileNamePart(tables.RowPath(tables.grdPlaylist(), row)));
    return files;
  }

  // Drops dragged track rows on a model row of the view, as the platform's drag does. The
  // window acts on the drop once the drag has ended: wait for its effect.
  static void dropOn(TrackGridView* view, int modelRow) {
    QMimeData mime;
    mime.setData(QString::fromLatin1(kTrackRowsMimeType), QByteArray());
    const QPointF at = view->visualRect(view->model()->index(modelRow, 1)).center();
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &mime, Qt::LeftButton, {});
    QApplication::sendEvent(view->viewport(), &enter);
    QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, {});
    QApplication::sendEvent(view->viewport(), &drop);
  }

  MainWindowCore& core() { return window_->core(); }

  TempDir dir_;
  ScriptedDialogs dialogs_;
  std::unique_ptr<TfrmSongloomMain> window_;
};

TEST_F(BrowserWindowTest, ATreeSelectionListsTheFolderWithItsTotals) {
  ASSERT_TRUE(listFolder());
  TrackGrid& grid = core().tables().grdBrowser();
  ASSERT_EQ(grid.dataRowCount(), 4);
  EXPECT_EQ(grid.cell(1, 0), "a.mp3");
  EXPECT_EQ(grid.cell(4, 0), "mix.m3u");
  EXPECT_TRUE(window_->browser()->lblInfo->text().startsWith("Total: 3 MP3s"));
  const QModelIndex first = window_->browser()->grdBrowser->model()->index(0, 0);
  EXPECT_FALSE(first.data(Qt::DecorationRole).isNull());
}

TEST_F(BrowserWindowTest, BrowserRowsDroppedOnThePlaylistAreAppended) {
  ASSERT_TRUE(listFolder());
  clickBrowserRow("b.mp3");
  ASSERT_TRUE(core().tables().grdBrowser().isSelected(browserRowOf("b.mp3")));

  dropOn(window_->playlistPanel()->grdPlaylist, 0);

  TrackGrid& rows = core().tables().grdPlaylist();
  ASSERT_TRUE(WaitUntil([&] { return !rows.isEmpty(); }));
  ASSERT_EQ(rows.dataRowCount(), 1);
  EXPECT_EQ(core().tables().RowPath(rows, 1), dir_.file("b.mp3"));
  EXPECT_FALSE(window_->playlistPanel()->pnlHelp->isVisible());
}

TEST_F(BrowserWindowTest, RowsDraggedInsideThePlaylistMoveToTheDropRow) {
  ASSERT_TRUE(core().document().OpenPlaylist(dir_.file("mix.m3u")));
  window_->refreshLabels();
  TrackGridView* playlist = window_->playlistPanel()->grdPlaylist;
  QTest::mouseClick(playlist->viewport(), Qt::LeftButton, {},
                    playlist->visualRect(playlist->model()->index(1, 1)).center());
  ASSERT_TRUE(core().playlistSideActive());
  dropOn(playlist, 0);
  TrackTables& tables = core().tables();
  ASSERT_TRUE(WaitUntil(
      [&] { return tables.RowPath(tables.grdPlaylist(), 1) == dir_.file("b.mp3"); }));
  EXPECT_EQ(tables.RowPath(tables.grdPlaylist(), 1), dir_.file("b.mp3"));
  EXPECT_EQ(tables.RowPath(tables.grdPlaylist(), 2), dir_.file("a.mp3"));
  EXPECT_EQ(tables.grdPlaylist().cell(1, 0), "1.");
}

TEST_F(BrowserWindowTest, EnterOnAPlaylistFileShowsItsItems) {
  ASSERT_TRUE(listFolder());
  clickBrowserRow("mix.m3u");
  QTest::keyClick(window_->browser()->grdBrowser, Qt::Key_Return);
  ASSERT_EQ(dialogs_.playlistItems().size(), 1u);
  const ShownPlaylistItems& shown = dialogs_.playlistItems().front();
  ASSERT_EQ(shown.cells.size(), 3u);  // the header and the two entries that exist
  EXPECT_TRUE(shown.totals.starts_with("Total: 2 tracks")) << shown.totals;
}

// The keypad's Enter is Enter: with Ctrl it appends the selected rows, with Shift it inserts
// them after the playlist's last selected row, instead of opening the current row.
TEST_F(BrowserWindowTest, CtrlAndShiftWithTheKeypadEnterAddToThePlaylist) {
  ASSERT_TRUE(listFolder());
  TrackGridView* browser = window_->browser()->grdBrowser;
  const Qt::KeyboardModifiers keypad = Qt::KeypadModifier;
  for (const char* name : {"a.mp3", "c.mp3"}) {
    clickBrowserRow(name);
    QTest::keyClick(browser, Qt::Key_Enter, Qt::ControlModifier | keypad);
  }
  EXPECT_EQ(playlistFiles(), (std::vector<std::string>{"a.mp3", "c.mp3"}));

  TrackGrid& playlist = core().tables().grdPlaylist();
  playlist.clearSelection();
  playlist.selectRow(1);
  clickBrowserRow("b.mp3");
  QTest::keyClick(browser, Qt::Key_Enter, Qt::ShiftModifier | keypad);
  EXPECT_EQ(playlistFiles(), (std::vector<std::string>{"a.mp3", "b.mp3", "c.mp3"}));
  EXPECT_TRUE(dialogs_.playlistItems().empty());
}

TEST_F(BrowserWindowTest, TheViewerShowsTheGridItWasGiven) {
  TrackTables& tables = core().tables();
  TrackGrid grid;
  grid.setColumnCount(tables.grdPlaylist().columnCount());
  for (int col = 0; col < grid.columnCount(); ++col)
    grid.setHeader(col, tables.grdPlaylist().header(col));
  tables.FillRowFromItem(grid, 1, "Intro|" + dir_.file("a.mp3"));

  QString shownName;
  QString shownTotals;
  QTimer::singleShot(0, [&] {
    auto* viewer = qobject_cast<TfrmPLItems*>(QApplication::activeModalWidget());
    if (!viewer) return;
    shownName = viewer->grdPLItems->model()->index(0, 1).data().toString();
    shownTotals = viewer->lblInfo->text();
    viewer->btnOK->click();
  });
  QtUserDialogs qt(window_.get());
  qt.showPlaylistItems(grid, "Total: 1 tracks | 00:00 | 8.14 KB");
  EXPECT_EQ(shownName, "Intro");
  EXPECT_EQ(shownTotals, "Total: 1 tracks | 00:00 | 8.14 KB");
}

}  // namespace
