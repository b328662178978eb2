#pragma once

#include <optional>
#include <string>
#include <vector>

#include "player/PlaybackService.h"

// A playback service for tests: it plays nothing, records every call as a short text
// ("render /a.mp3", "run", "position 12", "volume -752"), can fail any step, and raises its
// events when the test says so.
class ScriptedPlayback : public PlaybackService {
 public:
  // Failures, switched on by the test.
  bool failRender = false;
  bool failRun = false;
  bool failDuration = false;
  bool failPosition = false;
  // What the reads return while they succeed.
  double trackDuration = 180.0;
  double trackPosition = 0.0;

  std::vector<std::string> calls;
  PlaybackState playbackState = PlaybackState::Stopped;
  int attenuation = 0;  // the last volume set

  // The events, as the real service raises them.
  void finishTrack();
  void failLate();
  void announceDuration(double seconds);
  // The calls made since the last time this was asked.
  std::vector<std::string> takeCalls();

  void setEvents(PlaybackEvents* events) override { events_ = events; }
  void reset() override;
  bool renderFile(const std::string& path) override;
  bool run() override;
  bool pause() override;
  bool stop() override;
  PlaybackState state() override { return playbackState; }
  std::optional<double> duration() override;
  std::optional<double> position() override;
  bool setPosition(double seconds) override;
  void setVolume(int hundredthsOfDecibel) override;

 private:
  PlaybackEvents* events_ = nullptr;
};
