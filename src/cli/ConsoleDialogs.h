#pragma once

#include <ostream>
#include <string>

#include "dialogs/UserDialogs.h"

// UserDialogs for a run without a window and without a person to ask: the folder dialog
// answers with a destination given in advance, questions get the answer that changes nothing
// (No, Cancel, no file, no text), and messages are written to a stream, one line per line of
// the message. The copy progress lists every file copied, one line each.
class ConsoleDialogs : public UserDialogs {
 public:
  ConsoleDialogs(std::string destination, std::ostream& messages);
  ConsoleDialogs(const ConsoleDialogs&) = delete;
  ConsoleDialogs& operator=(const ConsoleDialogs&) = delete;

  bool askYesNo(const std::string& text) override;
  DialogAnswer askYesNoCancel(const std::string& text) override;
  void inform(const std::string& text) override;
  void error(const std::string& text) override;
  std::string chooseOpenFile(const std::string& filter) override;
  std::string chooseSaveFile(const std::string& filter, const std::string& proposedName) override;
  SaveFileChoice chooseSaveFileAndFilter(const std::string& filter) override;
  std::string chooseFolder(const std::string& title, const std::string& startFolder) override;
  std::optional<std::string> enterText(const std::string& caption, const std::string& label,
                                       const std::string& initialText) override;
  void processEvents() override {}
  bool showCopyProgress(const std::function<void(CopyProgressView&)>& copy) override;
  std::unique_ptr<AddItemsView> showAddItems(const std::string& caption) override;
  // The scan's progress goes to the message stream as one line rewritten in place, when
  // showScanProgress(true) asked for it (a person watches a terminal); else nothing is shown.
  bool showScanProgress(const std::string& caption,
                        const std::function<void(ScanProgressView&)>& scan) override;
  void showScanProgress(bool show) { showScanProgress_ = show; }

 private:
  void print(const std::string& text);

  std::string destination_;
  std::ostream& messages_;
  bool showScanProgress_ = false;
};
