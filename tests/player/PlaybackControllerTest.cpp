#include "player/PlaybackController.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "player/Volume.h"
#include "support/ScriptedPlayback.h"
#include "tracks/PlaylistFixture.h"

namespace {

using Strings = std::vector<std::string>;

// The playlist holds tracks "1" … "n"; the player plays them through a scripted service.
class PlaybackControllerTest : public PlaylistFixture {
 protected:
  PlaybackControllerTest() {
    tables.SetUpColumns();
    tables.setActiveGrid(GridId::Playlist);
  }

  void Tracks(int n) {
    std::vector<double> seconds(static_cast<std::size_t>(n), 1.0);
    paths = FillTracks(seconds);
  }
  // The track name of the row painted as playing, or "-" when none is.
  std::string Marked() {
    std::string marked = "-";
    for (int row = 1; row < playlist.rowCount(); ++row)
      if (playlist.rowTextColour(row) == kYellow) marked = playlist.cell(row, 1);
    return marked;
  }
  std::string LastPlayedName() {
    const int row = tables.RowByID(playlist, tables.MP3Size(playlist).LastPlayed);
    return row < 1 ? "-" : playlist.cell(row, 1);
  }
  void PlayRow(int row) { player.PlayTrack(playlist, tables.RowID(playlist, row)); }
  void Next() { player.StepTrack(playlist, +1); }
  void Previous() { player.StepTrack(playlist, -1); }
  void RemoveAllFiles() {
    for (const std::string& path : paths) std::filesystem::remove(path);
  }

  Strings paths;
  ScriptedPlayback service;
  PlaybackController player{tables, random, service, dialogs, [this] { return ticks; }};
};

TEST_F(PlaybackControllerTest, PlayTrackRendersRunsAndMarksTheRow) {
  Tracks(3);
  PlayRow(2);
  EXPECT_EQ(service.takeCalls(), (Strings{"reset", "render " + paths[1], "volume 0", "run"}));
  EXPECT_TRUE(player.loaded());
  EXPECT_TRUE(player.barPlayerEnabled());
  EXPECT_EQ(player.barPlayerMax(), 180);
  EXPECT_EQ(player.currentFile(), paths[1]);
  EXPECT_EQ(player.lblTrName(), "2");
  EXPECT_EQ(Marked(), "2");
  EXPECT_EQ(playlist.rowBackground(2), playlist.background());
  // The next track gives the row back its white text.
  PlayRow(3);
  EXPECT_EQ(playlist.rowTextColour(2), kWhite);
  EXPECT_EQ(Marked(), "3");
  EXPECT_EQ(player.playingGrid(), &playlist);
}

TEST_F(PlaybackControllerTest, PlayStartsTheLastStartedRowElseTheFirstPlayableOne) {
  struct Case {
    std::string what;
    std::function<void()> before;
    std::string played;  // "-": nothing
  };
  const std::vector<Case> cases = {
      {"never played", [] {}, "1"},
      {"again from the start after a pause",
       [this] {
         PlayRow(2);
         player.actPauseExecute();
       },
       "2"},
      {"first file missing", [this] { std::filesystem::remove(paths[0]); }, "2"},
      {"last started row removed",
       [this] {
         PlayRow(3);
         Select({3});
         editor.actRemoveSelExecute();
       },
       "1"},
      {"no playable row", [this] { RemoveAllFiles(); }, "-"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    tables.ClearGrid(playlist);
    Tracks(3);
    c.before();
    service.takeCalls();
    player.PlayFromGrid(playlist);
    const Strings calls = service.takeCalls();
    if (c.played == "-") {
      EXPECT_TRUE(calls.empty());
    } else {
      ASSERT_FALSE(calls.empty());
      EXPECT_EQ(calls.front(), "reset");
      EXPECT_EQ(LastPlayedName(), c.played);
      EXPECT_EQ(Marked(), c.played);
    }
  }
}

TEST_F(PlaybackControllerTest, NextAndPreviousPastTheEnds) {
  struct Case {
    std::string what;
    bool repeat;
    int from;
    int step;
    bool lastPlayable;
    std::string played;  // "stop" when playing stops
  };
  const std::vector<Case> cases = {
      {"next", false, 1, +1, true, "2"},
      {"previous", false, 2, -1, true, "1"},
      {"next on the last", false, 3, +1, true, "stop"},
      {"next on the last, repeat", true, 3, +1, true, "1"},
      {"previous on the first", false, 1, -1, true, "stop"},
      {"previous on the first, repeat", true, 1, -1, true, "3"},
      {"previous on the first, repeat, last unplayable", true, 1, -1, false, "stop"},
      {"next skips an unplayable row", false, 2, +1, false, "stop"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    tables.ClearGrid(playlist);
    Tracks(3);
    if (!c.lastPlayable) std::filesystem::remove(paths[2]);
    if (player.repeat() != c.repeat) player.actRepeatExecute();
    PlayRow(c.from);
    service.takeCalls();
    player.StepTrack(playlist, c.step);
    if (c.played == "stop") {
      EXPECT_EQ(service.takeCalls(), (Strings{"stop", "position 0"}));
      EXPECT_EQ(player.lblTrTime(), "00:00");
      EXPECT_TRUE(player.loaded());  // the track stays loaded
    } else {
      EXPECT_EQ(Marked(), c.played);
    }
  }
}

TEST_F(PlaybackControllerTest, TheEndOfATrackPlaysTheNextOne) {
  Tracks(2);
  PlayRow(1);
  service.finishTrack();
  EXPECT_EQ(Marked(), "2");
  service.takeCalls();
  service.finishTrack();
  EXPECT_EQ(service.takeCalls(), (Strings{"stop", "position 0"}));
  // A cleared grid ends playing too.
  player.actRepeatExecute();
  PlayRow(1);
  tables.ClearGrid(playlist);
  service.takeCalls();
  service.finishTrack();
  EXPECT_EQ(service.takeCalls(), (Strings{"stop", "position 0"}));
}

TEST_F(PlaybackControllerTest, TheOnlyTrackRepeatsFromTheActiveGrid) {
  Tracks(1);
  player.actRepeatExecute();
  PlayRow(1);
  service.takeCalls();
  service.finishTrack();
  EXPECT_EQ(service.takeCalls(),
            (Strings{"position 0", "reset", "render " + paths[0], "volume 0", "run"}));
}

TEST_F(PlaybackControllerTest, RowsAreFollowedByTheirIdsWhenMovedOrRemoved) {
  Tracks(4);
  PlayRow(2);
  Select({2});
  editor.actMoveBottomExecute();  // "2" is row 4 now
  service.takeCalls();
  Next();
  EXPECT_EQ(service.takeCalls(), (Strings{"stop", "position 0"}));  // past the end
  Previous();
  EXPECT_EQ(Marked(), "4");
  Select({3});  // "4" itself
  editor.actRemoveSelExecute();
  Next();
  EXPECT_EQ(Marked(), "1");
}

TEST_F(PlaybackControllerTest, ATrackThatCannotPlayLeavesNoTrackLoaded) {
  struct Case {
    std::string what;
    bool failRender;
    bool failRun;
    bool failLate;
  };
  for (const Case& c : {Case{"render", true, false, false}, Case{"run", false, true, false},
                        Case{"late", false, false, true}}) {
    SCOPED_TRACE(c.what);
    tables.ClearGrid(playlist);
    Tracks(2);
    service.failRender = service.failRun = false;
    PlayRow(1);
    service.failRender = c.failRender;
    service.failRun = c.failRun;
    PlayRow(2);
    if (c.failLate) service.failLate();
    EXPECT_FALSE(player.loaded());
    EXPECT_FALSE(player.barPlayerEnabled());
    EXPECT_EQ(player.barPlayerPosition(), 0);
    // The row is marked and remembered, and its file stays the current one.
    EXPECT_EQ(Marked(), "2");
    EXPECT_EQ(LastPlayedName(), "2");
    EXPECT_EQ(player.currentFile(), paths[1]);
    EXPECT_EQ(player.lblTrName(), c.failLate ? "2" : "1");
    // Stop and the timer do nothing; no message was shown.
    service.takeCalls();
    player.StopPlayback();
    player.tmrPlayerTimer();
    EXPECT_TRUE(service.takeCalls().empty());
    EXPECT_TRUE(dialogs.shown().empty());
  }
}

TEST_F(PlaybackControllerTest, TheTimerShowsThePositionAndStopsAtZero) {
  Tracks(1);
  player.tmrPlayerTimer();
  EXPECT_EQ(player.lblTrTime(), "");  // nothing loaded
  PlayRow(1);
  service.trackPosition = 61.6;
  player.tmrPlayerTimer();
  EXPECT_EQ(player.lblTrTime(), "01:01");
  EXPECT_EQ(player.barPlayerPosition(), 62);
  player.StopPlayback();
  EXPECT_EQ(player.lblTrTime(), "00:00");
  player.tmrPlayerTimer();  // back to 0 within one tick
  EXPECT_EQ(player.barPlayerPosition(), 0);
  EXPECT_EQ(player.lblTrTime(), "00:00");
  service.failPosition = true;  // a position that cannot be read counts as 0
  service.playbackState = PlaybackState::Running;
  player.tmrPlayerTimer();
  EXPECT_EQ(player.lblTrTime(), "00:00");
}

TEST_F(PlaybackControllerTest, ASeekWaitsForTheReleaseAndPlaysOnFromThere) {
  Tracks(1);
  PlayRow(1);
  player.actPauseExecute();
  player.barPlayerMouseDown();
  player.barPlayerChange(100);
  service.trackPosition = 5;
  player.tmrPlayerTimer();  // the timer does not fight the drag
  EXPECT_EQ(player.barPlayerPosition(), 100);
  service.takeCalls();
  player.barPlayerMouseUp();
  EXPECT_EQ(service.takeCalls(), (Strings{"stop", "position 100", "run"}));
  EXPECT_TRUE(dialogs.shown().empty());
  // Playing on that fails is said.
  service.failRun = true;
  player.barPlayerMouseDown();
  player.barPlayerMouseUp();
  EXPECT_EQ(dialogs.texts(DialogKind::Error), Strings{"Cannot play file \"" + paths[0] + "\"."});
  player.barPlayerMouseUp();  // a release without a press does nothing
  EXPECT_EQ(dialogs.texts(DialogKind::Error).size(), 1u);
}

TEST_F(PlaybackControllerTest, TheSeekRangeComesFromTheDuration) {
  Tracks(2);
  service.trackDuration = 90.4;
  PlayRow(1);
  EXPECT_EQ(player.barPlayerMax(), 90);
  service.trackDuration = 0.4;  // shorter than half a second: the maximum stays
  PlayRow(2);
  EXPECT_EQ(player.barPlayerMax(), 90);
  service.announceDuration(240.6);  // known only later
  EXPECT_EQ(player.barPlayerMax(), 241);
  service.failDuration = true;
  PlayRow(1);
  EXPECT_EQ(player.barPlayerMax(), 241);
  EXPECT_TRUE(player.loaded());
}

TEST(VolumeTest, AttenuationAndGainOfTheSlider) {
  struct Case {
    int volume;
    int attenuation;
  };
  for (const Case& c : {Case{0, -10000}, Case{100, -4989}, Case{1000, -2499}, Case{5000, -752},
                        Case{10000, 0}, Case{-5, -10000}, Case{12000, 0}})
    EXPECT_EQ(AttenuationOfVolume(c.volume), c.attenuation) << c.volume;
  EXPECT_DOUBLE_EQ(LinearGainOfAttenuation(0), 1.0);
  EXPECT_DOUBLE_EQ(LinearGainOfAttenuation(-2000), 0.1);
  EXPECT_NEAR(LinearGainOfAttenuation(-10000), 1e-5, 1e-12);
}

TEST_F(PlaybackControllerTest, VolumeStepsAndMute) {
  Tracks(1);
  player.barVolumeChange(9950);
  player.actVolUpExecute();
  EXPECT_EQ(player.barVolumePosition(), 10000);
  EXPECT_EQ(player.storedVolume(), 10000);
  player.barVolumeChange(50);
  player.actVolDownExecute();
  EXPECT_EQ(player.barVolumePosition(), 0);
  EXPECT_EQ(service.attenuation, -10000);
  player.barVolumeChange(5000);
  service.takeCalls();
  player.actMuteExecute();
  EXPECT_TRUE(player.mute());
  EXPECT_EQ(service.takeCalls(), Strings{"volume -10000"});
  player.actVolUpExecute();  // the slider moves, the sound does not
  EXPECT_EQ(player.barVolumePosition(), 5100);
  EXPECT_TRUE(service.takeCalls().empty());
  PlayRow(1);  // a new track plays at the stored (muted) volume
  EXPECT_EQ(service.takeCalls(),
            (Strings{"reset", "render " + paths[0], "volume -10000", "run"}));
  player.actMuteExecute();
  EXPECT_EQ(service.takeCalls(), Strings{"volume " + std::to_string(AttenuationOfVolume(5100))});
  EXPECT_EQ(player.storedVolume(), 5100);
}

TEST_F(PlaybackControllerTest, EachGridKeepsItsOwnYellowRow) {
  Tracks(2);
  TrackGrid& browser = tables.grdBrowser();
  ASSERT_TRUE(tables.FillRowFromItem(browser, 1, FileItem(paths[0])));
  player.PlayTrack(browser, tables.RowID(browser, 1));
  PlayRow(2);
  EXPECT_EQ(browser.rowTextColour(1), kYellow);
  EXPECT_EQ(Marked(), "2");
}

// --- shuffle ---------------------------------------------------------------------------------

class ShuffleTest : public PlaybackControllerTest {
 protected:
  // Follows the ends of tracks from the one playing: the track names in playing order, "stop"
  // where playing stopped.
  Strings PlayThrough(int ends) {
    Strings order{Marked()};
    for (int i = 0; i < ends; ++i) {
      ++ticks;
      service.takeCalls();
      service.finishTrack();
      order.push_back(service.calls.front() == "stop" ? "stop" : Marked());
    }
    return order;
  }
};

TEST_F(ShuffleTest, APassPlaysEveryPlayableRowOnceThenStopsOrStartsAnew) {
  for (bool repeat : {false, true}) {
    SCOPED_TRACE(repeat ? "repeat" : "no repeat");
    tables.ClearGrid(playlist);
    Tracks(5);
    std::filesystem::remove(paths[3]);  // "4" cannot play
    if (player.repeat() != repeat) player.actRepeatExecute();
    if (!player.shuffle()) player.actShuffleExecute();
    player.ResetShufflePool(playlist);
    Next();
    const Strings order = PlayThrough(repeat ? 7 : 4);
    const std::set<std::string> firstPass(order.begin(), order.begin() + 4);
    EXPECT_EQ(firstPass, (std::set<std::string>{"1", "2", "3", "5"})) << order[0];
    if (repeat) {
      const std::set<std::string> secondPass(order.begin() + 4, order.end());
      EXPECT_EQ(secondPass, (std::set<std::string>{"1", "2", "3", "5"}));
    } else {
      EXPECT_EQ(order.back(), "stop");
    }
  }
}

TEST_F(ShuffleTest, TheSameTicksGiveTheSameOrder) {
  Strings orders[2];
  for (Strings& order : orders) {
    tables.ClearGrid(playlist);
    Tracks(6);
    ticks = 7;
    if (!player.shuffle()) player.actShuffleExecute();
    player.ResetShufflePool(playlist);
    Next();
    order = PlayThrough(5);
  }
  EXPECT_EQ(orders[0], orders[1]);
  // The first pick is entry MrngRange(0, 6) of the pool, seeded by the tick count.
  Mrng mrng;
  mrng.MrngSeed(7);
  EXPECT_EQ(orders[0][0], std::to_string(mrng.MrngRange(0, 6) + 1));
}

TEST_F(ShuffleTest, PreviousWalksBackThroughThePassAndNextForwardAgain) {
  Tracks(5);
  player.actShuffleExecute();
  Next();
  const Strings played = PlayThrough(2);  // three tracks of the pass
  Previous();
  EXPECT_EQ(Marked(), played[1]);
  Previous();
  EXPECT_EQ(Marked(), played[0]);
  service.takeCalls();
  Previous();  // the first of the pass, Repeat off: stop
  EXPECT_EQ(service.takeCalls(), (Strings{"stop", "position 0"}));
  Next();
  EXPECT_EQ(Marked(), played[1]);
  Next();
  EXPECT_EQ(Marked(), played[2]);
  Next();  // a new pick
  EXPECT_EQ(player.shufflePass().history().size(), 4u);
}

TEST_F(ShuffleTest, AGridWithoutPlayableRowsEndsWithNothingPlayed) {
  Tracks(3);
  RemoveAllFiles();
  player.actRepeatExecute();
  player.actShuffleExecute();
  service.takeCalls();
  Next();
  EXPECT_TRUE(service.takeCalls().empty());
}

}  // namespace
