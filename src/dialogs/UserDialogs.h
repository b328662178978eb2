#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "dialogs/AddItemsView.h"
#include "dialogs/CopyProgressView.h"
#include "dialogs/ScanProgressView.h"

// The answer to a confirmation box.
enum class DialogAnswer { Yes, No, Cancel };

// A save dialog's answer: the chosen path (empty when cancelled) and the filter chosen with it,
// counted from 0.
struct SaveFileChoice {
  std::string path;
  int filter = 0;
};

// Everything the core asks of the person in front of the screen that every core folder may
// need. The Qt shell implements it with real dialogs, tests with a scripted one. Calls are
// modal: each returns once the person has answered. A dialog that shows the types of a higher
// folder (a track grid, a tag) is an interface of that folder instead, so this one stays on
// the bottom floor.
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
  // A save dialog without a proposed name that also tells which filter was chosen; the first
  // is chosen when it opens.
  virtual SaveFileChoice chooseSaveFileAndFilter(const std::string& filter) = 0;
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

  // The modal scan dialog with its caption ("Scanning..."): runs scan once, with the view, once
  // the dialog is on screen, and returns after scan has returned: true when the person
  // cancelled. Esc and the close box cancel as the Cancel button does; the dialog closes only
  // when scan has returned, so no other command runs in the middle of a scan.
  virtual bool showScanProgress(const std::string& caption,
                                const std::function<void(ScanProgressView&)>& scan) = 0;
};
