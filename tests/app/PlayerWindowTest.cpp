#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMediaPlayer>
#include <QSlider>
#include <QTest>
#include <QToolButton>
#include <memory>
#include <string>
#include <vector>

#include "app/PlayerBar.h"
#include "app/PlaylistPanel.h"
#include "app/WaitUntil.h"
#include "app/fSongloomMain.h"
#include "player/Volume.h"
#include "support/Mp3Builder.h"
#include "support/ScriptedDialogs.h"
#include "support/ScriptedPlayback.h"
#include "support/TempDir.h"
#include "widgets/TrackGridView.h"

namespace {

using Strings = std::vector<std::string>;

// The window with a playlist of the given tracks (name and bytes), its rows "1." … in order.
class PlayerWindowTest : public ::testing::Test {
 protected:
  void Open(const std::vector<std::pair<std::string, std::string>>& tracks, bool realPlayback) {
    std::string m3u = "#EXTM3U\r\n";
    for (const auto& [name, bytes] : tracks) {
      paths_.push_back(dir_.write(name + ".mp3", bytes));
      m3u += paths_.back() + "\r\n";
    }
    WindowStandIns standIns{&dialogs_, &dialogs_, realPlayback ? nullptr : &playback_};
    window_ = std::make_unique<TfrmSongloomMain>(dir_.file("autosave.m3u"), standIns);
    window_->resize(1200, 700);
    window_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
    ASSERT_TRUE(window_->core().document().OpenPlaylist(dir_.write("list.m3u", m3u)));
    window_->core().ActivatePanel(true);
    window_->refreshLabels();
  }

  PlayerBar* bar() { return window_->playerBar(); }
  PlaybackController& player() { return window_->core().player(); }
  // The track name of the playlist row the player marked last.
  std::string LastPlayed() {
    TrackTables& tables = window_->core().tables();
    TrackGrid& grid = tables.grdPlaylist();
    const int row = tables.RowByID(grid, tables.MP3Size(grid).LastPlayed);
    return row < 1 ? "-" : grid.cell(row, 1);
  }
  // Enter on a playlist row, as the person presses it.
  void EnterOnRow(int row) {
    window_->core().tables().grdPlaylist().setCurrentRow(row);
    QTest::keyClick(window_->playlistPanel()->grdPlaylist, Qt::Key_Return);
  }

  TempDir dir_;
  ScriptedDialogs dialogs_;
  ScriptedPlayback playback_;
  Strings paths_;
  std::unique_ptr<TfrmSongloomMain> window_;
};

TEST_F(PlayerWindowTest, TheBarAndTheKeysDriveThePlayer) {
  const std::string audio = Mp3Frames(MpegFrame{}, 40);
  Open({{"a", audio}, {"b", audio}, {"c", audio}}, false);
  EnterOnRow(2);
  EXPECT_EQ(playback_.takeCalls(), (Strings{"reset", "render " + paths_[1], "volume 0", "run"}));
  EXPECT_EQ(bar()->lblTrName->text(), QStringLiteral("b"));
  EXPECT_TRUE(bar()->barPlayer->isEnabled());
  EXPECT_EQ(bar()->barPlayer->maximum(), 180);

  bar()->btnNext->click();
  EXPECT_EQ(LastPlayed(), "c");
  bar()->btnStop->click();
  EXPECT_EQ(bar()->lblTrTime->text(), QStringLiteral("00:00"));
  bar()->btnPrev->click();
  EXPECT_EQ(LastPlayed(), "b");
  playback_.takeCalls();
  bar()->btnPlay->click();  // the last started row again
  EXPECT_EQ(playback_.takeCalls(), (Strings{"reset", "render " + paths_[1], "volume 0", "run"}));

  // The timer shows the position.
  playback_.trackPosition = 61;
  ASSERT_TRUE(WaitUntil([&] { return bar()->lblTrTime->text() == QStringLiteral("01:01"); }));
  EXPECT_EQ(bar()->barPlayer->value(), 61);

  // Switches: buttons, keys and the actions' check marks agree with the player.
  bar()->btnR->click();
  EXPECT_TRUE(player().repeat());
  EXPECT_TRUE(bar()->btnR->isChecked());
  EXPECT_TRUE(window_->action("actRepeat")->isChecked());
  QTest::keyClick(window_.get(), Qt::Key_S, Qt::AltModifier);
  EXPECT_TRUE(player().shuffle());
  EXPECT_TRUE(bar()->btnS->isChecked());
  QTest::keyClick(window_.get(), Qt::Key_M, Qt::ControlModifier);
  EXPECT_TRUE(player().mute());
  EXPECT_TRUE(bar()->btnMute->isChecked());
  EXPECT_EQ(playback_.attenuation, -10000);
  bar()->btnMute->click();
  EXPECT_FALSE(player().mute());

  // Volume: the slider and Ctrl+Down.
  bar()->barVolume->setValue(5000);
  EXPECT_EQ(playback_.attenuation, -752);
  QTest::keyClick(window_.get(), Qt::Key_Down, Qt::ControlModifier);
  EXPECT_EQ(bar()->barVolume->value(), 4900);
  EXPECT_EQ(playback_.attenuation, AttenuationOfVolume(4900));
}

TEST_F(PlayerWindowTest, APressedSeekSliderIsNotMovedByTheTimer) {
  const std::string audio = Mp3Frames(MpegFrame{}, 40);
  Open({{"a", audio}}, false);
  EnterOnRow(1);
  QSlider* seek = bar()->barPlayer;
  seek->setSliderDown(true);  // pressed: the drag begins
  seek->setSliderPosition(100);
  playback_.trackPosition = 5;
  ASSERT_TRUE(WaitUntil([&] { return bar()->lblTrTime->text() == QStringLiteral("00:05"); }));
  EXPECT_EQ(seek->value(), 100);
  playback_.takeCalls();
  seek->setSliderDown(false);  // released
  EXPECT_EQ(playback_.takeCalls(), (Strings{"stop", "position 100", "run"}));
}

// Real playback through Qt Multimedia: on the offscreen platform, and silently where the
// machine has no sound device.
TEST_F(PlayerWindowTest, RealFilesPlayOnAndABrokenOneLeavesThePlayerClean) {
  QMediaPlayer probe;
  if (!probe.isAvailable()) GTEST_SKIP() << "no media backend on this machine";
  const std::string audio = Mp3Frames(MpegFrame{}, 60);  // 1.6 s
  Open({{"first", audio}, {"second", audio}, {"broken", "not audio at all"}}, true);
  EnterOnRow(1);
  ASSERT_TRUE(WaitUntil([&] { return bar()->lblTrTime->text() == QStringLiteral("00:01"); }))
      << "the position never advanced";
  ASSERT_TRUE(WaitUntil([&] { return LastPlayed() == "second"; })) << "no step at the end";
  ASSERT_TRUE(WaitUntil([&] { return LastPlayed() == "broken"; }));
  ASSERT_TRUE(WaitUntil([&] { return !player().loaded(); }));
  EXPECT_FALSE(bar()->barPlayer->isEnabled());
  EXPECT_EQ(player().currentFile(), paths_[2]);
  EXPECT_TRUE(dialogs_.shown().empty());
}

}  // namespace
