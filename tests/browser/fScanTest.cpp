#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/QtUserDialogs.h"
#include "browser/fScan.h"

namespace {

// What the dialog showed while a scan ran in it.
struct Seen {
  QString caption;
  QSize size;
  bool visible = false, closeButton = true;
  QString drive, folder, file, found;
};

TEST(TfrmScanTest, RunsTheScanOnceOnScreenAndClosesItself) {
  QtUserDialogs dialogs;
  int runs = 0;
  Seen seen;
  TfrmScan* shown = nullptr;
  const bool cancelled = dialogs.showScanProgress("Scanning...", [&](ScanProgressView& view) {
    ++runs;
    auto& form = dynamic_cast<TfrmScan&>(view);
    shown = &form;
    seen.drive = form.lblDrive->text();  // before the scan sets it
    view.setLabel(ScanLabel::Drive, "/home");
    view.setLabel(ScanLabel::Folder, "/home/u/Music/");
    view.setLabel(ScanLabel::File, "01 Intro.mp3");
    view.setLabel(ScanLabel::Found, "1");
    dialogs.processEvents();
    seen.caption = form.windowTitle();
    seen.size = form.size();
    seen.visible = form.isVisible();
    seen.closeButton = form.windowFlags().testFlag(Qt::WindowCloseButtonHint) ||
                       form.windowFlags().testFlag(Qt::WindowSystemMenuHint);
    seen.folder = form.lblFolder->text();
    seen.file = form.lblFile->text();
    seen.found = form.lblFnd->text();
    EXPECT_EQ(form.lblDrive->text(), QStringLiteral("/home"));
  });
  EXPECT_FALSE(cancelled);
  EXPECT_EQ(runs, 1);
  EXPECT_NE(shown, nullptr);
  EXPECT_EQ(seen.caption, QStringLiteral("Scanning..."));
  EXPECT_EQ(seen.size, QSize(340, 139));
  EXPECT_TRUE(seen.visible);
  EXPECT_FALSE(seen.closeButton);
  EXPECT_EQ(seen.drive, QStringLiteral("Drive"));
  EXPECT_EQ(seen.folder, QStringLiteral("/home/u/Music/"));
  EXPECT_EQ(seen.file, QStringLiteral("01 Intro.mp3"));
  EXPECT_EQ(seen.found, QStringLiteral("1"));
}

// Cancel is a mark the scan reads when it lets events run; the dialog stays until the scan is
// over, so nothing else runs in the middle of it.
TEST(TfrmScanTest, CancelIsSeenWhenEventsRunAndTheDialogWaitsForTheScan) {
  QtUserDialogs dialogs;
  int steps = 0;
  bool visibleAfterCancel = false;
  const bool cancelled = dialogs.showScanProgress("Scanning...", [&](ScanProgressView& view) {
    auto& form = dynamic_cast<TfrmScan&>(view);
    for (; steps < 1000 && !view.cancelRequested(); ++steps) {
      if (steps == 2) QTimer::singleShot(0, form.btnCancel, &QPushButton::click);
      dialogs.processEvents();
    }
    dialogs.processEvents();
    visibleAfterCancel = form.isVisible();
  });
  EXPECT_TRUE(cancelled);
  EXPECT_EQ(steps, 3);
  EXPECT_TRUE(visibleAfterCancel);
}

TEST(TfrmScanTest, EscapeAndTheCloseBoxCancelWithoutClosing) {
  QtUserDialogs dialogs;
  const bool cancelled =
      dialogs.showScanProgress("Export in process...", [&](ScanProgressView& view) {
        auto& form = dynamic_cast<TfrmScan&>(view);
        EXPECT_EQ(form.windowTitle(), QStringLiteral("Export in process..."));
        QTest::keyClick(&form, Qt::Key_Escape);
        EXPECT_TRUE(view.cancelRequested());
        EXPECT_TRUE(form.isVisible());
        form.close();
        EXPECT_TRUE(form.isVisible());
      });
  EXPECT_TRUE(cancelled);
}

}  // namespace
