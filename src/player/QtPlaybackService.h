#pragma once

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QObject>
#include <memory>

#include "player/PlaybackService.h"

// The playback service on Qt Multimedia. Every render gets a QMediaPlayer of its own and reset
// discards it, as the player asks: a QMediaPlayer that is given a new source after playing one
// may report the end of a track it never played, and the signals of a discarded player cannot
// reach anyone. Now and then a new one, too, reports the end at once without playing a thing:
// that track is started once more before its end counts. QMediaPlayer works in the background: a render only names the source, and the
// track's duration, failure and end arrive later, on the user-interface thread. Stop keeps the
// player paused at 0 rather than stopped, since a stopped QMediaPlayer forgets a position set
// before it plays again.
class QtPlaybackService : public QObject, public PlaybackService {
  Q_OBJECT
 public:
  explicit QtPlaybackService(QObject* parent = nullptr);
  ~QtPlaybackService() override;

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

 signals:
  // An event reached the player: what it shows may have changed.
  void eventsDelivered();

 private:
  void mediaStatusChanged(QMediaPlayer::MediaStatus status);
  void errorOccurred(QMediaPlayer::Error error);
  void durationChanged(qint64 milliseconds);
  void deliver(void (PlaybackEvents::*event)());
  // A new QMediaPlayer for the rendered file.
  void createPlayer();
  void discardPlayer();

  std::unique_ptr<QMediaPlayer> player_;
  std::unique_ptr<QAudioOutput> output_;
  PlaybackEvents* events_ = nullptr;
  QString file_;
  float gain_ = 1.0f;
  bool stopped_ = true;
  bool failed_ = false;
  bool restarted_ = false;  // the track was started again after an end at its very start
};
