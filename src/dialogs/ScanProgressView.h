#pragma once

#include <string>

// The labels of the scan dialog: lblDrive (the place being scanned), lblFolder (the folder
// being searched), lblFile (the file found last) and lblFnd (the number found).
enum class ScanLabel { Drive, Folder, File, Found };

// The scan dialog while the core scans the drives, for the library or for an export: modal,
// shown from before the scan starts until it has ended. The core sets its labels and reads its
// cancel mark whenever it lets queued events run.
class ScanProgressView {
 public:
  virtual ~ScanProgressView() = default;
  virtual void setLabel(ScanLabel label, const std::string& text) = 0;
  // The cancel mark: the person pressed Cancel (or Esc, or the close box).
  virtual bool cancelRequested() const = 0;
};
