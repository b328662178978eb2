#include "support/ScriptedPlayback.h"

#include <cmath>
#include <utility>

namespace {

std::string Seconds(double seconds) { return std::to_string(std::lround(seconds)); }

}  // namespace

void ScriptedPlayback::finishTrack() {
  playbackState = PlaybackState::Stopped;
  if (events_) events_->endOfStream();
}

void ScriptedPlayback::failLate() {
  playbackState = PlaybackState::Stopped;
  if (events_) events_->playbackFailed();
}

void ScriptedPlayback::announceDuration(double seconds) {
  if (events_) events_->durationKnown(seconds);
}

std::vector<std::string> ScriptedPlayback::takeCalls() { return std::exchange(calls, {}); }

void ScriptedPlayback::reset() {
  calls.push_back("reset");
  playbackState = PlaybackState::Stopped;
  trackPosition = 0;
}

bool ScriptedPlayback::renderFile(const std::string& path) {
  calls.push_back("render " + path);
  return !failRender;
}

bool ScriptedPlayback::run() {
  calls.push_back("run");
  if (failRun) return false;
  playbackState = PlaybackState::Running;
  return true;
}

bool ScriptedPlayback::pause() {
  calls.push_back("pause");
  playbackState = PlaybackState::Paused;
  return true;
}

bool ScriptedPlayback::stop() {
  calls.push_back("stop");
  playbackState = PlaybackState::Stopped;
  return true;
}

std::optional<double> ScriptedPlayback::duration() {
  if (failDuration) return std::nullopt;
  return trackDuration;
}

std::optional<double> ScriptedPlayback::position() {
  if (failPosition) return std::nullopt;
  return trackPosition;
}

bool ScriptedPlayback::setPosition(double seconds) {
  calls.push_back("position " + Seconds(seconds));
  trackPosition = seconds;
  return true;
}

void ScriptedPlayback::setVolume(int hundredthsOfDecibel) {
  calls.push_back("volume " + std::to_string(hundredthsOfDecibel));
  attenuation = hundredthsOfDecibel;
}
