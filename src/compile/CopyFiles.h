#pragma once

#include <string>
#include <vector>

#include "dialogs/CopyProgressView.h"
#include "platform/FileSystem.h"
#include "dialogs/UserDialogs.h"

struct CopyOutcome {
  int processed = 0;                   // files handled before the loop ended
  std::vector<std::string> notCopied;  // sources whose copy failed, in order
  std::vector<std::string> leftBehind;  // partial targets that could not be removed, in order
};

// Copies sources[0 … N-1] into destFolder (which has no trailing "/") as "<row> <file name>",
// the row zero-padded to the digits of N, in order. The view shows the range, each target
// name and the position; queued events run after each file. The cancel mark is read before
// each file, so Cancel lets the current file finish and keeps every file copied so far. A copy
// that fails is noted and its partial target removed (noted too when that fails); the loop goes
// on with the next file.
CopyOutcome CopyFiles(const std::vector<std::string>& sources, const std::string& destFolder,
                      CopyProgressView& view, UserDialogs& dialogs, platform::FileSystem& fs);
