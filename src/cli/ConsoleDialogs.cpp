#include "cli/ConsoleDialogs.h"

#include <utility>

#include "dialogs/CopyProgressView.h"

namespace {

// Names every file that arrived; there is nobody to press Cancel.
class ConsoleCopyView : public CopyProgressView {
 public:
  explicit ConsoleCopyView(std::ostream& out) : out_(out) {}
  void setRange(int) override {}
  void setPosition(int) override {}
  void setFileLabel(const std::string&) override {}
  void fileCopied(const std::string& target) override { out_ << target << "\n"; }
  bool cancelRequested() const override { return false; }

 private:
  std::ostream& out_;
};

// Nothing to show and nobody to press Stop.
class ConsoleAddItemsView : public AddItemsView {
 public:
  void setLabel(AddItemsLabel, const std::string&) override {}
  bool stopRequested() override { return false; }
};

// The scan's labels as one line on a terminal, rewritten each time the scan shows them; nobody
// presses Cancel.
class ConsoleScanView : public ScanProgressView {
 public:
  ConsoleScanView(std::ostream& out, bool show) : out_(out), show_(show) {}
  ~ConsoleScanView() override {
    if (show_ && shown_) out_ << "\n";
  }
  ConsoleScanView(const ConsoleScanView&) = delete;
  ConsoleScanView& operator=(const ConsoleScanView&) = delete;

  void setLabel(ScanLabel label, const std::string& text) override {
    if (label == ScanLabel::Drive) drive_ = text;
    if (label != ScanLabel::Found || !show_) return;
    // Erases the rest of the line: a shorter text leaves nothing of the one before.
    out_ << "\r\x1b[K" << "Files found: " << text << "  " << drive_ << std::flush;
    shown_ = true;
  }
  bool cancelRequested() const override { return false; }

 private:
  std::ostream& out_;
  bool show_;
  bool shown_ = false;
  std::string drive_;
};

}  // namespace

ConsoleDialogs::ConsoleDialogs(std::string destination, std::ostream& messages)
    : destination_(std::move(destination)), messages_(messages) {}

bool ConsoleDialogs::askYesNo(const std::string& text) {
  print(text);
  return false;
}

DialogAnswer ConsoleDialogs::askYesNoCancel(const std::string& text) {
  print(text);
  return DialogAnswer::Cancel;
}

void ConsoleDialogs::inform(const std::string& text) { print(text); }

void ConsoleDialogs::error(const std::string& text) { print(text); }

std::string ConsoleDialogs::chooseOpenFile(const std::string&) { return {}; }

std::string ConsoleDialogs::chooseSaveFile(const std::string&, const std::string&) { return {}; }

SaveFileChoice ConsoleDialogs::chooseSaveFileAndFilter(const std::string&) { return {}; }

std::string ConsoleDialogs::chooseFolder(const std::string&, const std::string&) {
  return destination_;
}

std::optional<std::string> ConsoleDialogs::enterText(const std::string&, const std::string&,
                                                     const std::string&) {
  return std::nullopt;
}

bool ConsoleDialogs::showCopyProgress(const std::function<void(CopyProgressView&)>& copy) {
  ConsoleCopyView view(messages_);
  copy(view);
  return false;
}

std::unique_ptr<AddItemsView> ConsoleDialogs::showAddItems(const std::string&) {
  return std::make_unique<ConsoleAddItemsView>();
}

bool ConsoleDialogs::showScanProgress(const std::string&,
                                      const std::function<void(ScanProgressView&)>& scan) {
  ConsoleScanView view(messages_, showScanProgress_);
  scan(view);
  return false;
}

void ConsoleDialogs::print(const std::string& text) {
  std::string line;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text.compare(i, 2, "\r\n") == 0) {
      messages_ << line << "\n";
      line.clear();
      ++i;
    } else {
      line += text[i];
    }
  }
  messages_ << line << "\n";
}
