#pragma once

#include <memory>
#include <functional>
#include <optional>
#include <string>

class CopyProgressView;

// The answer to a confirmation box.
enum class DialogAnswer { Yes, No, Cancel };

class TrackGrid;

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

// Everything the core asks of the person in front of the screen. The Qt shell
// implements it with real dialogs, tests with a scripted one. Calls are modal:
// each returns once the person has answered. New kinds of dialog (progress
// views, the column chooser) are added here as further virtual functions.
class UserDialogs {
 public:
  virtual ~UserDialogs() = default;

  // Confirmation box with Yes and No; true for Yes.
  virtual bool askYesNo(const std::string& text) = 0;
  // Confirmation box with Yes, No and Cancel.
  virtual DialogAnswer askYesNoCancel(const std::string& text) = 0;
  // Information box with OK. The text may hold "\r\n" line breaks.
  virtual void inform(const std::string& text) = 0;
  // Error box for a failed file operation.
  virtual void error(const std::string& text) = 0;

  // filter: pairs of description and patterns, "M3U Playlist|*.m3u".
  // Each returns the chosen path, or an empty string when cancelled.
  virtual std::string chooseOpenFile(const std::string& filter) = 0;
  virtual std::string chooseSaveFile(const std::string& filter,
                                     const std::string& proposedName) = 0;
  // title: the instruction over the folder tree; startFolder: the folder shown first ("" none).
  virtual std::string chooseFolder(const std::string& title, const std::string& startFolder) = 0;

  // A one-line text entry with OK and Cancel; nothing on Cancel.
  virtual std::optional<std::string> enterText(const std::string& caption, const std::string& label,
                                               const std::string& initialText) = 0;

  // Lets queued window events run (repaint, Cancel buttons, timers) from inside
  // a long loop of the core.
  virtual void processEvents() = 0;

  // The modal progress view of copying a compilation's files. Runs copy once, with the view,
  // while the view is shown; returns once the view has closed: true when the person cancelled.
  virtual bool showCopyProgress(const std::function<void(CopyProgressView&)>& copy) = 0;

  // Shows the add-items progress dialog with its caption ("Adding Items...").
  virtual std::unique_ptr<AddItemsView> showAddItems(const std::string& caption) = 0;
  // The playlist items viewer, modal: the grid of a playlist file's entries (read-only) and
  // its totals line. Returns when the person closes it.
  virtual void showPlaylistItems(TrackGrid& grid, const std::string& totals) = 0;
};
