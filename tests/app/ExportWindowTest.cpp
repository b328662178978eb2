#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "app/PlaylistPanel.h"
#include "app/WaitUntil.h"
#include "app/fSongloomMain.h"
#include "support/Mp3Builder.h"
#include "support/ScriptedDialogs.h"
#include "support/ScriptedPlayback.h"
#include "support/TempDir.h"
#include "tracks/TrackColumns.h"
#include "tracks/fColumns.h"
#include "widgets/TrackGridView.h"

namespace {

// The window with two tracks in the playlist; the column chooser scripted, or the real one.
class ExportWindowTest : public ::testing::Test {
 protected:
  void openWindow(bool realColumnsDialog = false) {
    window_ = std::make_unique<TfrmSongloomMain>(
        dir_.file("autosave.m3u"),
        WindowStandIns{.dialogs = &dialogs_,
                       .playlistItems = &dialogs_,
                       .playback = &playback_,
                       .columns = realColumnsDialog ? nullptr : &dialogs_});
    window_->resize(1200, 700);
    window_->show();
    QApplication::setActiveWindow(window_.get());
    std::string m3u = "#EXTM3U\r\n";
    for (const char* name : {"a", "b"})
      m3u += dir_.write(std::string(name) + ".mp3", Mp3Frames(MpegFrame{}, 40)) + "\r\n";
    ASSERT_TRUE(window_->core().document().OpenPlaylist(dir_.write("two.m3u", m3u)));
  }

  TrackGridView* playlistView() { return window_->playlistPanel()->grdPlaylist; }
  TrackGrid& playlist() { return window_->core().tables().grdPlaylist(); }
  int artistColumn() { return window_->core().tables().ColumnByName(playlist(), kColumnArtist); }

  // The header menu a right-click at y on the playlist's header opened; null when none did.
  static QMenu* ColumnsMenu() {
    if (!WaitUntil([] { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }))
      return nullptr;
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
  }

  TempDir dir_;
  ScriptedDialogs dialogs_;
  ScriptedPlayback playback_;
  std::unique_ptr<TfrmSongloomMain> window_;
};

// A right-click on a header row opens "Customize Columns...", which rearranges that grid.
TEST_F(ExportWindowTest, TheHeaderMenuCustomizesTheColumns) {
  openWindow();
  ASSERT_TRUE(playlistView()->isColumnHidden(artistColumn()));
  dialogs_.willChooseColumns([](ColumnChooser& chooser) { chooser.lstColumnsClickCheck(3, true); });
  QTest::mouseClick(playlistView()->horizontalHeader()->viewport(), Qt::RightButton, {},
                    QPoint(30, 5));
  QMenu* menu = ColumnsMenu();
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(menu->objectName(), QStringLiteral("mnuColumns"));
  ASSERT_EQ(menu->actions().size(), 1);
  EXPECT_EQ(menu->actions().front()->text(), QStringLiteral("Customize Columns..."));
  menu->setActiveAction(menu->actions().front());
  QTest::keyClick(menu, Qt::Key_Return);
  ASSERT_TRUE(WaitUntil([this] { return !playlistView()->isColumnHidden(artistColumn()); }));
  EXPECT_EQ(dialogs_.columnChoosers().size(), 1u);
  EXPECT_EQ(dialogs_.columnChoosers().front().lbl1,
            "Select the columns you want to display in MP3 Playlist");
  EXPECT_TRUE(window_->core().playlistSideActive());
}

// Presses below the header rows open no header menu.
TEST_F(ExportWindowTest, ARightClickOnARowOpensNoHeaderMenu) {
  openWindow();
  QTest::mouseClick(playlistView()->viewport(), Qt::RightButton, {}, QPoint(30, 25));
  QApplication::processEvents();
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
  EXPECT_TRUE(dialogs_.columnChoosers().empty());
}

// The real dialog: the person ticks "Artist" and presses OK; the grid shows the column.
TEST_F(ExportWindowTest, TheRealChooserRearrangesTheGrid) {
  openWindow(true);
  window_->core().ActivatePanel(true);
  bool clicked = false;
  QTimer person;
  QObject::connect(&person, &QTimer::timeout, [&] {
    auto* dialog = qobject_cast<TfrmColumns*>(QApplication::activeModalWidget());
    if (!dialog || clicked) return;
    clicked = true;
    dialog->lstColumns->item(3)->setCheckState(Qt::Checked);
    QTest::mouseClick(dialog->btnOK, Qt::LeftButton);
  });
  person.start(10);
  window_->action("mniCColumns1")->trigger();
  person.stop();
  EXPECT_TRUE(clicked);
  EXPECT_FALSE(playlist().isColumnHidden(artistColumn()));
  EXPECT_FALSE(playlistView()->isColumnHidden(artistColumn()));
}

// Ctrl+X with the playlist active exports it; the file is there afterwards.
TEST_F(ExportWindowTest, CtrlXExportsThePlaylist) {
  openWindow();
  window_->core().ActivatePanel(true);
  playlistView()->setFocus();
  dialogs_.willChooseColumns().willChooseSaveFile(dir_.file("list"), 1);
  QTest::keyClick(playlistView(), Qt::Key_X, Qt::ControlModifier);
  ASSERT_TRUE(WaitUntil([this] { return std::filesystem::exists(dir_.file("list.html")); }));
  EXPECT_EQ(dialogs_.columnChoosers().size(), 1u);
  EXPECT_EQ(window_->action("actExport")->text(), QStringLiteral("Export All..."));
}

}  // namespace
