#pragma once

#include <string>

// What the copy loop of a compilation shows while it runs: the copy dialog in the window,
// lines on the console, a recording in tests. The loop itself lives in the core (CopyFiles).
class CopyProgressView {
 public:
  virtual ~CopyProgressView() = default;

  // The progress bar's range: 0 … count files.
  virtual void setRange(int count) = 0;
  // The progress bar's position: the number of files processed so far.
  virtual void setPosition(int done) = 0;
  // The target name of the file being copied now.
  virtual void setFileLabel(const std::string& name) = 0;
  // A file arrived in the compilation folder under this full path.
  virtual void fileCopied(const std::string& target) = 0;
  // The cancel mark: the person asked to stop after the current file.
  virtual bool cancelRequested() const = 0;
};
