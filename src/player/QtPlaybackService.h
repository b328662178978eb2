#pragma once

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QObject>
#include <QUrl>

#include "player/PlaybackService.h"

// The playback service on Qt Multimedia. QMediaPlayer works in the background: a render only
// names the source, and its duration, failure and end arrive later as events, on the
// user-interface thread. Stop keeps the player paused at 0 rather than stopped, since a
// stopped QMediaPlayer forgets a position set before it plays again.
class QtPlaybackService : public QObject, public PlaybackService {
  Q_OBJECT
 public:
  explicit QtPlaybackService(QObject* parent = nullptr);

  void setEvents(PlaybackEvents* events) override { events_ = events; }
  void reset() override;
  bool renderFile(const std::string& path) override;
  bool run() override;
  bool pause() override;
  bool stop() override;
  PlaybackState state() override;
  std::optional<double> duration() override;
  std::optional<double> position() override;
  bool setPosition(double seconds) override;
  void setVolume(int hundredthsOfDecibel) override;

 private:
  void mediaStatusChanged(QMediaPlayer::MediaStatus status);
  void errorOccurred(QMediaPlayer::Error error);
  void durationChanged(qint64 milliseconds);
  // Whether a signal is about the track rendered last, not one replaced since.
  bool isCurrent() const;

  QMediaPlayer player_;
  QAudioOutput output_;
  PlaybackEvents* events_ = nullptr;
  QUrl source_;
  bool stopped_ = true;
};
