#include "compile/fCopy.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <string>
#include <vector>

#include "app/QtUserDialogs.h"

namespace {

// What the dialog showed while a copy job ran in it.
struct Seen {
  QString caption;
  QSize size;
  bool onTop = false, tool = false, visible = false;
  int barWidth = 0, maximum = -1, value = -1;
  QString label;
  bool bold = false;
  QString cancelText;
  bool cancelAtEnd = false;
};

TEST(TfrmCopyTest, RunsTheCopyOnceAndClosesItself) {
  QtUserDialogs dialogs;
  int runs = 0;
  Seen seen;
  const bool cancelled = dialogs.showCopyProgress([&](CopyProgressView& view) {
    ++runs;
    auto& form = dynamic_cast<TfrmCopy&>(view);
    view.setRange(3);
    for (int i = 1; i <= 3; ++i) {
      view.setFileLabel(std::to_string(i) + " track.mp3");
      view.setPosition(i);
      dialogs.processEvents();  // activation events come again: the started mark holds
    }
    seen.caption = form.windowTitle();
    seen.size = form.size();
    seen.onTop = form.windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    seen.tool = (form.windowFlags() & Qt::WindowType_Mask) == Qt::Tool;
    seen.visible = form.isVisible();
    seen.barWidth = form.barGauge->width();
    seen.maximum = form.barGauge->maximum();
    seen.value = form.barGauge->value();
    seen.label = form.lblFile->text();
    seen.bold = form.lblFile->font().bold();
    seen.cancelText = form.btnCancel->text();
    seen.cancelAtEnd = view.cancelRequested();
  });
  EXPECT_FALSE(cancelled);
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(seen.caption, QStringLiteral("MP3 Compilation Creation ..."));
  EXPECT_EQ(seen.size, QSize(326, 184));
  EXPECT_TRUE(seen.onTop);
  EXPECT_TRUE(seen.tool);
  EXPECT_TRUE(seen.visible);
  EXPECT_EQ(seen.barWidth, 272);
  EXPECT_EQ(seen.maximum, 3);
  EXPECT_EQ(seen.value, 3);
  EXPECT_EQ(seen.label, QStringLiteral("3 track.mp3"));
  EXPECT_TRUE(seen.bold);
  EXPECT_EQ(seen.cancelText, QStringLiteral("Cancel"));
  EXPECT_FALSE(seen.cancelAtEnd);
}

TEST(TfrmCopyTest, CancelIsSeenBetweenFilesAndClosesTheDialog) {
  QtUserDialogs dialogs;
  std::vector<int> copied;
  const bool cancelled = dialogs.showCopyProgress([&](CopyProgressView& view) {
    auto& form = dynamic_cast<TfrmCopy&>(view);
    view.setRange(10);
    for (int row = 1; row <= 10 && !view.cancelRequested(); ++row) {
      copied.push_back(row);
      // The person clicks Cancel while the third file is being copied; the click waits in the
      // queue until the loop lets events run.
      if (row == 3) QTimer::singleShot(0, form.btnCancel, &QPushButton::click);
      view.setPosition(row);
      dialogs.processEvents();
    }
  });
  EXPECT_TRUE(cancelled);
  EXPECT_EQ(copied, (std::vector<int>{1, 2, 3}));
}

TEST(TfrmCopyTest, EscapeCountsAsCancel) {
  QtUserDialogs dialogs;
  const bool cancelled = dialogs.showCopyProgress([&](CopyProgressView& view) {
    QTest::keyClick(&dynamic_cast<TfrmCopy&>(view), Qt::Key_Escape);
    EXPECT_TRUE(view.cancelRequested());
  });
  EXPECT_TRUE(cancelled);
}

}  // namespace
