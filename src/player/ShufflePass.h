#pragma once

#include <optional>
#include <string>
#include <vector>

#include "tracks/MRNG.h"

// One shuffle pass over a grid's rows, by their IDs: the pool of IDs not picked yet, the
// history of those picked (oldest first), and a cursor telling how many entries the person
// stepped back (0 at the newest, -k after k steps back).
class ShufflePass {
 public:
  // A new pass over these IDs: all in the pool, none picked.
  void Reset(std::vector<std::string> ids);

  // A step back through the history: the entry before the current one; nullopt when the
  // current one is the first of the pass.
  std::optional<std::string> StepBack();
  // A step forward through entries stepped back over; nullopt when at the newest entry.
  std::optional<std::string> StepForward();
  bool PoolEmpty() const { return pool_.empty(); }
  // A new pick: the pool entry MrngRange(0, pool size) moves to the end of the history.
  // The pool must not be empty.
  std::string Pick(Mrng& random);

  const std::vector<std::string>& pool() const { return pool_; }
  const std::vector<std::string>& history() const { return history_; }
  int cursor() const { return cursor_; }

 private:
  std::vector<std::string> pool_;
  std::vector<std::string> history_;
  int cursor_ = 0;
};
