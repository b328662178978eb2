#include "player/PlaybackController.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "metadata/TrackInfo.h"
#include "platform/Clock.h"
#include "platform/PathParts.h"
#include "player/Volume.h"
#include "tracks/TrackTexts.h"

namespace {

constexpr char kNone[] = "-1";  // LastPlayed of a grid that started no track

int RoundedSeconds(double seconds) { return static_cast<int>(std::lround(seconds)); }

}  // namespace

PlaybackController::PlaybackController(TrackTables& tables, Mrng& random,
                                       PlaybackService& service, UserDialogs& dialogs,
                                       TickSource ticks)
    : tables_(tables),
      random_(random),
      service_(service),
      dialogs_(dialogs),
      ticks_(ticks ? std::move(ticks) : TickSource(platform::TickCount)) {
  service_.setEvents(this);
}

PlaybackController::~PlaybackController() { service_.setEvents(nullptr); }

// --- playing ---------------------------------------------------------------------------------

void PlaybackController::ResetPlayer() {
  service_.reset();
  barPlayerPosition_ = 0;
  loaded_ = false;
  currentFile_.clear();
}

void PlaybackController::PlayTrack(TrackGrid& grid, const std::string& id) {
  ResetPlayer();
  const int row = tables_.RowByID(grid, id);
  if (row < 1) return;  // callers pass a row that exists
  MarkPlayingRow(grid, row);
  tables_.MP3Size(grid).LastPlayed = id;
  playingGrid_ = &grid;
  currentFile_ = tables_.RowPath(grid, row);
  // A track that cannot play leaves no track loaded, without a message; its row stays marked
  // and the path stays the current file, so the tag editor can still open it.
  loaded_ = StartCurrentFile();
}

void PlaybackController::MarkPlayingRow(TrackGrid& grid, int row) {
  const std::string& last = tables_.MP3Size(grid).LastPlayed;
  if (last != kNone) {
    if (const int previous = tables_.RowByID(grid, last); previous >= 1)
      grid.setRowTextColour(previous, kWhite);
  }
  grid.setRowBackground(row, grid.background());
  grid.setRowTextColour(row, kYellow);
}

bool PlaybackController::StartCurrentFile() {
  if (!service_.renderFile(currentFile_)) return false;
  service_.setVolume(AttenuationOfVolume(storedVolume_));
  if (!service_.run()) return false;
  setSeekMaximum(service_.duration().value_or(0.0));
  recMP3Info info;
  ReadTrackInfo(tables_.analyser(), currentFile_, info);
  lblTrName_ = ComposeTrackName(info, FileNamePart(currentFile_));
  return true;
}

void PlaybackController::setSeekMaximum(double seconds) {
  // A track shorter than half a second leaves the old maximum.
  if (const int maximum = RoundedSeconds(seconds); maximum > 0) barPlayerMax_ = maximum;
}

void PlaybackController::PlayFromGrid(TrackGrid& grid) {
  if (&grid != playingGrid_ && shuffle_) ResetShufflePool(grid);
  const std::string last = tables_.MP3Size(grid).LastPlayed;
  if (last != kNone && tables_.RowByID(grid, last) >= 1) {
    PlayTrack(grid, last);
    return;
  }
  if (const int row = FindPlayableRow(grid, 1, +1); row != -1)
    PlayTrack(grid, tables_.RowID(grid, row));
}

void PlaybackController::StopPlayback() {
  if (!loaded_) return;
  service_.stop();
  lblTrTime_ = DurationText(0);
  service_.setPosition(0);
}

void PlaybackController::actPauseExecute() { service_.pause(); }

void PlaybackController::StepTrack(TrackGrid& grid, int step) {
  // The shuffle pass belongs to one grid; stepping through another starts a pass of its own.
  if (shuffle_ && &grid != passGrid_) ResetShufflePool(grid);
  const std::string& last = tables_.MP3Size(grid).LastPlayed;
  const int current = last == kNone ? -1 : tables_.RowByID(grid, last);
  const int next =
      current == -1 ? FindPlayableRow(grid, 1, step) : FindPlayableRow(grid, current + step, step);
  if (next != -1) {
    PlayTrack(grid, tables_.RowID(grid, next));
    return;
  }
  if (!repeat_) {
    StopPlayback();
    return;
  }
  if (grid.rowCount() == 2) {
    service_.setPosition(0);
    PlayFromGrid(tables_.activeGrid());
    return;
  }
  // Around the end: forwards to the first playable row, backwards to the last row.
  const int wrapped = FindPlayableRow(grid, step > 0 ? 1 : grid.rowCount() - 1, +1);
  if (wrapped != -1)
    PlayTrack(grid, tables_.RowID(grid, wrapped));
  else
    StopPlayback();
}

bool PlaybackController::IsPlayableRow(const TrackGrid& grid, int row) const {
  const std::string path = tables_.RowPath(grid, row);
  return UpperExtension(path) == kTypeMp3 && tables_.fileSystem().fileExists(path);
}

int PlaybackController::FindPlayableRow(TrackGrid& grid, int start, int step) {
  return shuffle_ ? FindShuffledRow(grid, step) : FindPlayableRowInOrder(grid, start, step);
}

int PlaybackController::FindPlayableRowInOrder(const TrackGrid& grid, int start, int step) const {
  const int stop = step > 0 ? grid.rowCount() : 0;
  for (int row = start; row != stop && row >= 0 && row <= grid.rowCount(); row += step) {
    if (IsPlayableRow(grid, row)) return row;
  }
  return -1;
}

int PlaybackController::FindShuffledRow(TrackGrid& grid, int step) {
  random_.MrngSeed(ticks_());
  bool refilled = false;
  while (true) {
    std::optional<std::string> id = step < 1 ? pass_.StepBack() : pass_.StepForward();
    if (step < 1 && !id) return -1;
    if (!id) {
      if (pass_.PoolEmpty()) {
        // One new pass at most per search: a grid without a playable row ends the search.
        if (!repeat_ || grid.isEmpty() || refilled) return -1;
        ResetShufflePool(grid);
        refilled = true;
      }
      id = pass_.Pick(random_);
    }
    const int row = tables_.RowByID(grid, *id);
    if (row != -1 && IsPlayableRow(grid, row)) return row;
  }
}

void PlaybackController::ResetShufflePool(const TrackGrid& grid) {
  std::vector<std::string> ids;
  for (int row = 1; row < grid.rowCount(); ++row) ids.push_back(tables_.RowID(grid, row));
  pass_.Reset(std::move(ids));
  passGrid_ = &grid;
}

void PlaybackController::tmrPlayerTimer() {
  if (!loaded_) return;
  const double position = service_.position().value_or(0.0);
  // After Stop the label keeps "00:00" until playing goes on.
  if (service_.state() == PlaybackState::Stopped && barPlayerPosition_ == 0) return;
  lblTrTime_ = DurationText(position);
  if (!dragging_) barPlayerPosition_ = std::clamp(RoundedSeconds(position), 0, barPlayerMax_);
}

void PlaybackController::fgrPlayerGraphComplete() {
  if (playingGrid_ != nullptr && !playingGrid_->isEmpty() &&
      tables_.MP3Size(*playingGrid_).LastPlayed != kNone) {
    StepTrack(*playingGrid_, +1);
  } else {
    StopPlayback();
  }
}

void PlaybackController::playbackFailed() {
  loaded_ = false;
  barPlayerPosition_ = 0;
}

void PlaybackController::durationKnown(double seconds) {
  if (loaded_) setSeekMaximum(seconds);
}

// --- seek slider -----------------------------------------------------------------------------

void PlaybackController::barPlayerMouseDown() { dragging_ = true; }

void PlaybackController::barPlayerChange(int value) {
  barPlayerPosition_ = std::clamp(value, 0, barPlayerMax_);
}

void PlaybackController::barPlayerMouseUp() {
  if (!dragging_) return;
  dragging_ = false;
  service_.stop();
  service_.setPosition(barPlayerPosition_);
  if (!service_.run()) dialogs_.error("Cannot play file \"" + currentFile_ + "\".");
}

// --- volume and switches ---------------------------------------------------------------------

void PlaybackController::SetVolume(int volume) {
  storedVolume_ = std::clamp(volume, 0, kMaxVolume);
  service_.setVolume(AttenuationOfVolume(storedVolume_));
}

void PlaybackController::barVolumeChange(int value) {
  barVolume_ = std::clamp(value, 0, kMaxVolume);
  if (!mute_) SetVolume(barVolume_);
}

void PlaybackController::actVolUpExecute() {
  const int louder = std::min(barVolume_ + kVolumeStep, kMaxVolume);
  if (louder != barVolume_) barVolumeChange(louder);
}

void PlaybackController::actVolDownExecute() {
  const int softer = std::max(barVolume_ - kVolumeStep, 0);
  if (softer != barVolume_) barVolumeChange(softer);
}

void PlaybackController::actMuteExecute() {
  mute_ = !mute_;
  SetVolume(mute_ ? 0 : barVolume_);
}

void PlaybackController::actShuffleExecute() {
  shuffle_ = !shuffle_;
  if (shuffle_) ResetShufflePool(playingGrid_ != nullptr ? *playingGrid_ : tables_.activeGrid());
}
