#include <gtest/gtest.h>

#include <QApplication>
#include <QDropEvent>
#include <QHeaderView>
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
#include "support/ScriptedPlayback.h"
#include "support/TempDir.h"

namespace {

class BrowserWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string audio = Mp3Frames(MpegFrame{}, 20);
    for (const char* name : {"a.mp3", "b.mp3", "c.mp3"}) dir_.write(name, audio);
    dir_.write("mix.m3u", "#EXTM3U\r\na.mp3\r\nb.mp3\r\nmissing.mp3\r\n");
    openWindow();
  }

  // A new window with an empty playlist (each keeps its playlist in a file of its own).
  void openWindow() {
    window_.reset();
    const std::string autosave = dir_.file("autosave" + std::to_string(++windows_) + ".m3u");
    window_ = std::make_unique<TfrmSongloomMain>(
        autosave, WindowStandIns{&dialogs_, &dialogs_, &playback_});
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
    if (tables.grdPlaylist().isEmpty()) return files;
    for (int row = 1; row < tables.grdPlaylist().rowCount(); ++row)
      files.push_back(FileNamePart(tables.RowPath(tables.grdPlaylist(), row)));
    return files;
  }

  // Drags track rows to a point of a widget and drops them there, delivered as the platform
  // delivers a drag: to the widget under the point that takes drops (one transparent for the
  // mouse lets it through to what lies below), with an enter and a move before the drop. True
  // when the drop was accepted; the window acts on it once the drag has ended.
  static bool dropAt(QWidget* over, QPoint point) {
    QWidget* window = over->window();
    const QPoint inWindow = over->mapTo(window, point);
    QWidget* target = window->childAt(inWindow);
    while (target && !target->acceptDrops()) target = target->parentWidget();
    if (!target) return false;
    const QPoint at = target->mapFrom(window, inWindow);
    QMimeData mime;
    mime.setData(QString::fromLatin1(kTrackRowsMimeType), QByteArray());
    QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, {});
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted()) return false;
    QDragMoveEvent move(at, Qt::CopyAction, &mime, Qt::LeftButton, {});
    QApplication::sendEvent(target, &move);
    if (!move.isAccepted()) return false;
    QDropEvent drop(QPointF(at), Qt::CopyAction, &mime, Qt::LeftButton, {});
    QApplication::sendEvent(target, &drop);
    return drop.isAccepted();
  }

  MainWindowCore& core() { return window_->core(); }

  TempDir dir_;
  ScriptedDialogs dialogs_;
  ScriptedPlayback playback_;
  std::unique_ptr<TfrmSongloomMain> window_;
  int windows_ = 0;
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

// Browser rows dropped anywhere over the playlist are appended, its help panel and the space
// below its last row included; playlist rows move to the drop row, or to the end from below the
// last row. The header takes no drops.
TEST_F(BrowserWindowTest, DropsOnThePlaylist) {
  enum class Where { FirstRow, Help, BelowTheRows, Header };
  struct Case {
    const char* what;
    bool mixInPlaylist;       // the playlist holds a.mp3 and b.mp3 from mix.m3u; else empty
    const char* browserFile;  // the browser row dragged; null: a playlist row
    int playlistRow;          // the playlist's model row dragged
    Where where;
    bool accepted;
    std::vector<std::string> files;  // the playlist afterwards
  };
  const std::vector<Case> cases = {
      {"browser row on a row", false, "b.mp3", 0, Where::FirstRow, true, {"b.mp3"}},
      {"browser row on the help", false, "b.mp3", 0, Where::Help, true, {"b.mp3"}},
      {"browser row below the rows", true, "c.mp3", 0, Where::BelowTheRows, true,
       {"a.mp3", "b.mp3", "c.mp3"}},
      {"browser row on the header", false, "b.mp3", 0, Where::Header, false, {}},
      {"playlist row on a row", true, nullptr, 1, Where::FirstRow, true, {"b.mp3", "a.mp3"}},
      {"playlist row below the rows", true, nullptr, 0, Where::BelowTheRows, true,
       {"b.mp3", "a.mp3"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    openWindow();
    TrackGridView* playlist = window_->playlistPanel()->grdPlaylist;
    if (c.mixInPlaylist) {
      ASSERT_TRUE(core().document().OpenPlaylist(dir_.file("mix.m3u")));
      window_->refreshLabels();
    }
    if (c.browserFile) {
      ASSERT_TRUE(listFolder());
      clickBrowserRow(c.browserFile);
    } else {
      QTest::mouseClick(playlist->viewport(), Qt::LeftButton, {},
                        playlist->visualRect(playlist->model()->index(c.playlistRow, 1)).center());
      ASSERT_TRUE(core().playlistSideActive());
    }
    QWidget* help = window_->playlistPanel()->pnlHelp;
    ASSERT_EQ(help->isVisible(), !c.mixInPlaylist);
    QWidget* rows = playlist->viewport();
    QWidget* header = playlist->horizontalHeader()->viewport();
    const std::pair<QWidget*, QPoint> places[] = {
        {rows, playlist->visualRect(playlist->model()->index(0, 1)).center()},
        {help, help->rect().center()},
        {rows, QPoint(40, rows->height() - 5)},
        {header, QPoint(40, header->height() / 2)},
    };
    const auto& [over, point] = places[static_cast<int>(c.where)];
    EXPECT_EQ(dropAt(over, point), c.accepted);
    if (c.accepted) {
      EXPECT_TRUE(WaitUntil([&] { return playlistFiles() == c.files; }));
    }
    QApplication::processEvents();  // nothing more happens
    EXPECT_EQ(playlistFiles(), c.files);
    EXPECT_EQ(window_->playlistPanel()->pnlHelp->isVisible(), c.files.empty());
  }
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

// A plain click on a row of a multi-row selection narrows the selection to that row when the
// button goes up; the totals line then describes the grid again, not the old selection.
TEST_F(BrowserWindowTest, AClickThatNarrowsASelectionRefreshesTheTotals) {
  ASSERT_TRUE(listFolder());
  ASSERT_TRUE(core().document().OpenPlaylist(dir_.file("mix.m3u")));
  window_->refreshLabels();
  struct Side {
    const char* what;
    TrackGridView* view;
    QLabel* totals;
    const char* selected;  // the line for the whole grid selected
    const char* total;     // the line for one selected row
  };
  const Side sides[] = {
      {"browser", window_->browser()->grdBrowser, window_->browser()->lblInfo,
       "Selected: 3 MP3s", "Total: 3 MP3s"},
      {"playlist", window_->playlistPanel()->grdPlaylist, window_->playlistPanel()->lblInfo2,
       "Selected: 2 tracks", "Total: 2 tracks"},
  };
  for (const Side& side : sides) {
    SCOPED_TRACE(side.what);
    const QPoint firstRow = side.view->visualRect(side.view->model()->index(0, 1)).center();
    QTest::mouseClick(side.view->viewport(), Qt::LeftButton, {}, firstRow);  // the side active
    QTest::keyClick(side.view, Qt::Key_A, Qt::ControlModifier);
    EXPECT_TRUE(side.totals->text().startsWith(QLatin1String(side.selected)))
        << side.totals->text().toStdString();

    QTest::mouseClick(side.view->viewport(), Qt::LeftButton, {}, firstRow);
    EXPECT_EQ(side.view->grid().selectedRows(), std::vector<int>{1});
    EXPECT_TRUE(side.totals->text().startsWith(QLatin1String(side.total)))
        << side.totals->text().toStdString();
  }
}

TEST_F(BrowserWindowTest, TheViewerShowsTheGridItWasGiven) {
  TrackTables& tables = core().tables();
  TrackGrid grid;
  grid.setColumnCount(tables.grdPlaylist().columnCount());
  for (int col = 0; col < grid.columnCount(); ++col)
    grid.setHeader(col, tables.grdPlaylist().header(col));
  tables.FillRowFromItem(grid, 1, EntryItem("Intro|" + dir_.file("a.mp3")));

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
