#pragma once

#include <optional>
#include <string>

// What a playback service reports on its own, on the user-interface thread.
class PlaybackEvents {
 public:
  virtual ~PlaybackEvents() = default;
  // The track has played to its end: raised once per track.
  virtual void endOfStream() = 0;
  // The rendered file cannot be played after all (a service that renders in the background
  // finds out late).
  virtual void playbackFailed() = 0;
  // The track's duration became known after the render returned (seconds, above 0).
  virtual void durationKnown(double seconds) = 0;
};

enum class PlaybackState { Stopped, Paused, Running };

// The platform's media playback: the operations the player asks of it, nothing more. One track
// at a time; positions and durations in seconds; the volume as an attenuation in hundredths of
// a decibel, -10000 (silence) … 0 (full). Reads that fail give nullopt.
class PlaybackService {
 public:
  virtual ~PlaybackService() = default;

  // Where the events go; null for nowhere. Not owned.
  virtual void setEvents(PlaybackEvents* events) = 0;

  // Drops the loaded track: nothing plays, nothing is loaded.
  virtual void reset() = 0;
  // Loads a file for playing; false when it cannot be played.
  virtual bool renderFile(const std::string& path) = 0;
  // Plays from the current position; false when that is impossible.
  virtual bool run() = 0;
  // Halts, keeping the position.
  virtual bool pause() = 0;
  // Halts.
  virtual bool stop() = 0;
  virtual PlaybackState state() = 0;
  virtual std::optional<double> duration() = 0;
  virtual std::optional<double> position() = 0;
  virtual bool setPosition(double seconds) = 0;
  virtual void setVolume(int hundredthsOfDecibel) = 0;
};
