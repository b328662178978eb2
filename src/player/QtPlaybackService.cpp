#include "player/QtPlaybackService.h"

#include <QFileInfo>
#include <QUrl>
#include <cmath>

#include "player/Volume.h"

QtPlaybackService::QtPlaybackService(QObject* parent) : QObject(parent) {}

QtPlaybackService::~QtPlaybackService() { reset(); }

void QtPlaybackService::reset() {
  stopped_ = true;
  failed_ = false;
  restarted_ = false;
  file_.clear();
  discardPlayer();
}

void QtPlaybackService::discardPlayer() {
  if (!player_) return;
  // Silenced at once, deleted when the event loop comes round: stopping a player whose stream
  // failed waits on the backend, and one deleted at once can upset the next one's start.
  player_->disconnect(this);
  output_->setMuted(true);
  player_.release()->deleteLater();
  output_.release()->deleteLater();
}

void QtPlaybackService::createPlayer() {
  discardPlayer();
  player_ = std::make_unique<QMediaPlayer>();
  output_ = std::make_unique<QAudioOutput>();
  output_->setVolume(gain_);
  player_->setAudioOutput(output_.get());
  connect(player_.get(), &QMediaPlayer::mediaStatusChanged, this,
          &QtPlaybackService::mediaStatusChanged);
  connect(player_.get(), &QMediaPlayer::errorOccurred, this, &QtPlaybackService::errorOccurred);
  connect(player_.get(), &QMediaPlayer::durationChanged, this,
          &QtPlaybackService::durationChanged);
  player_->setSource(QUrl::fromLocalFile(file_));
}

bool QtPlaybackService::renderFile(const std::string& path) {
  reset();
  const QString file = QString::fromStdString(path);
  if (!QFileInfo(file).isFile()) return false;
  file_ = file;
  createPlayer();
  return !failed_ && player_->error() == QMediaPlayer::NoError;
}

bool QtPlaybackService::run() {
  if (!player_ || failed_) return false;
  stopped_ = false;
  player_->play();
  return true;
}

bool QtPlaybackService::pause() {
  if (!player_) return false;
  player_->pause();
  return true;
}

bool QtPlaybackService::stop() {
  if (!player_) return false;
  stopped_ = true;
  player_->pause();
  player_->setPosition(0);
  return true;
}

PlaybackState QtPlaybackService::state() {
  if (!player_ || stopped_) return PlaybackState::Stopped;
  switch (player_->playbackState()) {
    case QMediaPlayer::PlayingState: return PlaybackState::Running;
    case QMediaPlayer::PausedState: return PlaybackState::Paused;
    case QMediaPlayer::StoppedState: return PlaybackState::Stopped;
  }
  return PlaybackState::Stopped;
}

std::optional<double> QtPlaybackService::duration() {
  if (!player_) return std::nullopt;
  return player_->duration() / 1000.0;
}

std::optional<double> QtPlaybackService::position() {
  if (!player_) return std::nullopt;
  return player_->position() / 1000.0;
}

bool QtPlaybackService::setPosition(double seconds) {
  if (!player_) return false;
  player_->setPosition(static_cast<qint64>(std::llround(seconds * 1000.0)));
  return true;
}

void QtPlaybackService::setVolume(int hundredthsOfDecibel) {
  gain_ = static_cast<float>(LinearGainOfAttenuation(hundredthsOfDecibel));
  if (output_) output_->setVolume(gain_);
}

void QtPlaybackService::deliver(void (PlaybackEvents::*event)()) {
  if (!events_) return;
  (events_->*event)();
  emit eventsDelivered();
}

void QtPlaybackService::mediaStatusChanged(QMediaPlayer::MediaStatus status) {
  if (status == QMediaPlayer::EndOfMedia && !failed_) {
    if (!restarted_ && player_->position() == 0) {
      restarted_ = true;
      createPlayer();
      player_->play();
      return;
    }
    stopped_ = true;
    deliver(&PlaybackEvents::endOfStream);
  } else if (status == QMediaPlayer::InvalidMedia) {
    errorOccurred(QMediaPlayer::FormatError);
  }
}

void QtPlaybackService::errorOccurred(QMediaPlayer::Error error) {
  // One failure is told once, however many ways the backend says it.
  if (error == QMediaPlayer::NoError || failed_) return;
  failed_ = true;
  stopped_ = true;
  deliver(&PlaybackEvents::playbackFailed);
}

void QtPlaybackService::durationChanged(qint64 milliseconds) {
  if (milliseconds <= 0 || !events_) return;
  events_->durationKnown(milliseconds / 1000.0);
  emit eventsDelivered();
}
