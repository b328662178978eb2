#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "dialogs/UserDialogs.h"
#include "player/PlaybackService.h"
#include "player/ShufflePass.h"
#include "tracks/MRNG.h"
#include "tracks/TrackTable.h"

// The player without widgets: it plays rows of the track grids, found by their "ID", through a
// playback service, and keeps what the player bar shows (track name, time, the seek slider, the
// volume slider, the Repeat, Shuffle and Mute switches). Each grid remembers its own last
// started row (LastPlayed), painted yellow. All calls come on the user-interface thread,
// the service's events included.
class PlaybackController : private PlaybackEvents {
 public:
  using TickSource = std::function<std::uint32_t()>;

  // The generator is the window's one; ticks seeds it for shuffle picks (the monotonic clock
  // by default). dialogs shows a failure to play on after a seek.
  PlaybackController(TrackTables& tables, Mrng& random, PlaybackService& service,
                     UserDialogs& dialogs, TickSource ticks = nullptr);
  ~PlaybackController() override;
  PlaybackController(const PlaybackController&) = delete;
  PlaybackController& operator=(const PlaybackController&) = delete;

  // --- what the player bar shows ----------------------------------------------------------
  const std::string& lblTrName() const { return lblTrName_; }
  const std::string& lblTrTime() const { return lblTrTime_; }
  int barPlayerPosition() const { return barPlayerPosition_; }
  int barPlayerMax() const { return barPlayerMax_; }
  bool barPlayerEnabled() const { return loaded_; }
  int barVolumePosition() const { return barVolume_; }
  bool repeat() const { return repeat_; }
  bool shuffle() const { return shuffle_; }
  bool mute() const { return mute_; }
  // The track most recently started, "" when the player holds none. The tag editor reads it.
  const std::string& currentFile() const { return currentFile_; }
  // Whether a track is loaded in the service (the seek slider is enabled exactly then).
  bool loaded() const { return loaded_; }
  const TrackGrid* playingGrid() const { return playingGrid_; }
  int storedVolume() const { return storedVolume_; }
  const ShufflePass& shufflePass() const { return pass_; }

  // --- playing ------------------------------------------------------------------------------
  // Starts the track of the row with this ID (which exists).
  void PlayTrack(TrackGrid& grid, const std::string& id);
  // Play: the grid's last started row again from its beginning, else its first playable row.
  void PlayFromGrid(TrackGrid& grid);
  // Stop: halts at position 0; the track stays loaded.
  void StopPlayback();
  void actPauseExecute();
  // Next (+1) and Previous (-1), also the end of a track (+1 on the playing grid).
  void StepTrack(TrackGrid& grid, int step);
  // The next playable row from start in the direction of step, or -1; with Shuffle on the next
  // row of the shuffle pass instead.
  int FindPlayableRow(TrackGrid& grid, int start, int step);
  // The row's path names an existing file with the extension ".mp3", in any case.
  bool IsPlayableRow(const TrackGrid& grid, int row) const;
  void ResetShufflePool(const TrackGrid& grid);
  // Drops the loaded track: nothing plays, the seek slider goes to 0 and is disabled.
  void ResetPlayer();
  // The 500 ms timer: the time label and the seek slider follow the position.
  void tmrPlayerTimer();
  // The end of the track, from the service.
  void fgrPlayerGraphComplete();

  // --- seek slider --------------------------------------------------------------------------
  void barPlayerMouseDown();
  // The person moves the slider (while dragging, the timer leaves it alone).
  void barPlayerChange(int value);
  // Playing goes on from the slider's second, whatever the state was.
  void barPlayerMouseUp();

  // --- volume and switches ------------------------------------------------------------------
  // The volume slider's value changed (by the person or a command).
  void barVolumeChange(int value);
  void actVolUpExecute();
  void actVolDownExecute();
  void actMuteExecute();
  void actRepeatExecute() { repeat_ = !repeat_; }
  void actShuffleExecute();
  // Stores the volume (clamped to 0 … 10000) and hands its attenuation to the service.
  void SetVolume(int volume);

 private:
  void endOfStream() override { fgrPlayerGraphComplete(); }
  void playbackFailed() override;
  void durationKnown(double seconds) override;
  // The loaded track: render, volume, run, duration and name. False when it cannot play.
  bool StartCurrentFile();
  void MarkPlayingRow(TrackGrid& grid, int row);
  int FindPlayableRowInOrder(const TrackGrid& grid, int start, int step) const;
  int FindShuffledRow(TrackGrid& grid, int step);
  void setSeekMaximum(double seconds);

  TrackTables& tables_;
  Mrng& random_;
  PlaybackService& service_;
  UserDialogs& dialogs_;
  TickSource ticks_;
  ShufflePass pass_;
  const TrackGrid* passGrid_ = nullptr;  // the grid the shuffle pass was drawn from
  TrackGrid* playingGrid_ = nullptr;
  std::string currentFile_;
  std::string lblTrName_;
  std::string lblTrTime_;
  bool loaded_ = false;
  bool dragging_ = false;
  bool repeat_ = false;
  bool shuffle_ = false;
  bool mute_ = false;
  int barPlayerPosition_ = 0;
  int barPlayerMax_ = 0;
  int barVolume_ = 10000;
  int storedVolume_ = 10000;
};
