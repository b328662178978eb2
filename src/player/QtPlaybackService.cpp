#include "player/QtPlaybackService.h"

#include <QFileInfo>
#include <cmath>

#include "player/Volume.h"

QtPlaybackService::QtPlaybackService(QObject* parent) : QObject(parent) {
  player_.setAudioOutput(&output_);
  connect(&player_, &QMediaPlayer::mediaStatusChanged, this,
          &QtPlaybackService::mediaStatusChanged);
  connect(&player_, &QMediaPlayer::errorOccurred, this, &QtPlaybackService::errorOccurred);
  connect(&player_, &QMediaPlayer::durationChanged, this, &QtPlaybackService::durationChanged);
}

bool QtPlaybackService::isCurrent() const {
  return !source_.isEmpty() && player_.source() == source_;
}

void QtPlaybackService::reset() {
  source_.clear();
  stopped_ = true;
  player_.stop();
  player_.setSource(QUrl());
}

bool QtPlaybackService::renderFile(const std::string& path) {
  const QString file = QString::fromStdString(path);
  if (!QFileInfo(file).isFile()) return false;
  source_ = QUrl::fromLocalFile(file);
  player_.setSource(source_);
  return player_.error() == QMediaPlayer::NoError;
}

bool QtPlaybackService::run() {
  if (source_.isEmpty() || player_.error() != QMediaPlayer::NoError) return false;
  stopped_ = false;
  player_.play();
  return true;
}

bool QtPlaybackService::pause() {
  if (source_.isEmpty()) return false;
  player_.pause();
  return true;
}

bool QtPlaybackService::stop() {
  if (source_.isEmpty()) return false;
  stopped_ = true;
  player_.pause();
  player_.setPosition(0);
  return true;
}

PlaybackState QtPlaybackService::state() {
  if (stopped_) return PlaybackState::Stopped;
  switch (player_.playbackState()) {
    case QMediaPlayer::PlayingState: return PlaybackState::Running;
    case QMediaPlayer::PausedState: return PlaybackState::Paused;
    case QMediaPlayer::StoppedState: return PlaybackState::Stopped;
  }
  return PlaybackState::Stopped;
}

std::optional<double> QtPlaybackService::duration() {
  if (source_.isEmpty()) return std::nullopt;
  return player_.duration() / 1000.0;
}

std::optional<double> QtPlaybackService::position() {
  if (source_.isEmpty()) return std::nullopt;
  return player_.position() / 1000.0;
}

bool QtPlaybackService::setPosition(double seconds) {
  if (source_.isEmpty()) return false;
  player_.setPosition(static_cast<qint64>(std::llround(seconds * 1000.0)));
  return true;
}

void QtPlaybackService::setVolume(int hundredthsOfDecibel) {
  output_.setVolume(static_cast<float>(LinearGainOfAttenuation(hundredthsOfDecibel)));
}

void QtPlaybackService::mediaStatusChanged(QMediaPlayer::MediaStatus status) {
  if (!isCurrent() || !events_) return;
  if (status == QMediaPlayer::EndOfMedia) {
    stopped_ = true;
    events_->endOfStream();
  } else if (status == QMediaPlayer::InvalidMedia) {
    events_->playbackFailed();
  }
}

void QtPlaybackService::errorOccurred(QMediaPlayer::Error error) {
  if (error == QMediaPlayer::NoError || !isCurrent()) return;
  stopped_ = true;
  if (events_) events_->playbackFailed();
}

void QtPlaybackService::durationChanged(qint64 milliseconds) {
  if (milliseconds > 0 && isCurrent() && events_) events_->durationKnown(milliseconds / 1000.0);
}
