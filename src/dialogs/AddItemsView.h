#pragma once

#include <string>

// The labels of the add-items progress dialog: lblMode (what it does), lblFolder (the folder
// being searched), lblFile (the file being handled) and lblAdd2 (the files added so far).
enum class AddItemsLabel { Mode, Folder, File, Added };

// The add-items progress dialog while the core adds (or exports) items: shown modeless over
// the main window from its creation until the core lets go of it. The core sets its labels;
// queued events reach it through UserDialogs::processEvents.
class AddItemsView {
 public:
  virtual ~AddItemsView() = default;
  virtual void setLabel(AddItemsLabel label, const std::string& text) = 0;
  // Whether the person asked to stop adding; the core asks between files.
  virtual bool stopRequested() = 0;
};
