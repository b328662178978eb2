#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tracks/UserDialogs.h"

enum class DialogKind { YesNo, YesNoCancel, Inform, Error, OpenFile, SaveFile, Folder, EnterText };

std::string_view DialogKindName(DialogKind kind);

// One dialog as the core showed it.
struct ShownDialog {
  DialogKind kind = DialogKind::Inform;
  std::string text;     // question or message; a file dialog's filter; a text entry's label
  std::string caption;  // a text entry's caption
  std::string initial;  // proposed file name, start folder, or a text entry's initial text
};

// UserDialogs for tests: answers from a script written before the call, and
// records every dialog shown. A question the script does not expect, a question
// after the script ran dry, and answers left unused at the end fail the test.
class ScriptedDialogs : public UserDialogs {
 public:
  ScriptedDialogs() = default;
  ScriptedDialogs(const ScriptedDialogs&) = delete;
  ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;
  ~ScriptedDialogs() override;

  // The script, in the order the questions will come.
  ScriptedDialogs& willAnswer(DialogAnswer answer);                 // Yes/No or Yes/No/Cancel box
  ScriptedDialogs& willChooseFile(const std::string& path);         // open or save; "" cancels
  ScriptedDialogs& willChooseFolder(const std::string& path);       // "" cancels
  ScriptedDialogs& willEnterText(std::optional<std::string> text);  // nullopt cancels

  const std::vector<ShownDialog>& shown() const { return shown_; }
  // The texts of the dialogs of one kind, in order.
  std::vector<std::string> texts(DialogKind kind) const;
  std::size_t unusedAnswers() const { return script_.size(); }
  int processEventsCalls() const { return processEventsCalls_; }

  bool askYesNo(const std::string& text) override;
  DialogAnswer askYesNoCancel(const std::string& text) override;
  void inform(const std::string& text) override;
  void error(const std::string& text) override;
  std::string chooseOpenFile(const std::string& filter) override;
  std::string chooseSaveFile(const std::string& filter, const std::string& proposedName) override;
  std::string chooseFolder(const std::string& startFolder) override;
  std::optional<std::string> enterText(const std::string& caption, const std::string& label,
                                       const std::string& initialText) override;
  void processEvents() override { ++processEventsCalls_; }

 private:
  enum class Slot { Confirmation, File, Folder, Text };
  struct Answer {
    Slot slot = Slot::Confirmation;
    DialogAnswer confirmation = DialogAnswer::No;
    std::optional<std::string> text;
  };

  // Records the dialog and takes the next answer when it fits; nullopt (and a
  // test failure) otherwise.
  std::optional<Answer> take(const ShownDialog& dialog, Slot slot);

  std::deque<Answer> script_;
  std::vector<ShownDialog> shown_;
  int processEventsCalls_ = 0;
};
