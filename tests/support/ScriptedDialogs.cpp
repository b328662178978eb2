#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <utility>

std::string_view DialogKindName(DialogKind kind) {
  switch (kind) {
    case DialogKind::YesNo:
      return "Yes/No question";
    case DialogKind::YesNoCancel:
      return "Yes/No/Cancel question";
    case DialogKind::Inform:
      return "information";
    case DialogKind::Error:
      return "error";
    case DialogKind::OpenFile:
      return "open-file dialog";
    case DialogKind::SaveFile:
      return "save-file dialog";
    case DialogKind::Folder:
      return "folder dialog";
    case DialogKind::EnterText:
      return "text entry";
  }
  return "dialog";
}

ScriptedDialogs::~ScriptedDialogs() {
  if (!script_.empty())
    ADD_FAILURE() << script_.size() << " scripted answer(s) were never asked for";
}

ScriptedDialogs& ScriptedDialogs::willAnswer(DialogAnswer answer) {
  script_.push_back({Slot::Confirmation, answer, std::nullopt});
  return *this;
}

ScriptedDialogs& ScriptedDialogs::willChooseFile(const std::string& path) {
  script_.push_back({Slot::File, DialogAnswer::No, path});
  return *this;
}

ScriptedDialogs& ScriptedDialogs::willChooseFolder(const std::string& path) {
  script_.push_back({Slot::Folder, DialogAnswer::No, path});
  return *this;
}

ScriptedDialogs& ScriptedDialogs::willEnterText(std::optional<std::string> text) {
  script_.push_back({Slot::Text, DialogAnswer::No, std::move(text)});
  return *this;
}

std::vector<std::string> ScriptedDialogs::texts(DialogKind kind) const {
  std::vector<std::string> result;
  for (const ShownDialog& dialog : shown_)
    if (dialog.kind == kind) result.push_back(dialog.text);
  return result;
}

std::optional<ScriptedDialogs::Answer> ScriptedDialogs::take(const ShownDialog& dialog, Slot slot) {
  shown_.push_back(dialog);
  if (script_.empty()) {
    ADD_FAILURE() << "the script ran dry at the " << DialogKindName(dialog.kind) << " \""
                  << dialog.text << "\"";
    return std::nullopt;
  }
  if (script_.front().slot != slot) {
    ADD_FAILURE() << "unexpected " << DialogKindName(dialog.kind) << " \"" << dialog.text
                  << "\": the next scripted answer is for another kind of dialog";
    return std::nullopt;
  }
  Answer answer = std::move(script_.front());
  script_.pop_front();
  return answer;
}

bool ScriptedDialogs::askYesNo(const std::string& text) {
  const auto answer = take({DialogKind::YesNo, text, {}, {}}, Slot::Confirmation);
  if (!answer) return false;
  if (answer->confirmation == DialogAnswer::Cancel)
    ADD_FAILURE() << "Cancel scripted for the Yes/No question \"" << text << "\"";
  return answer->confirmation == DialogAnswer::Yes;
}

DialogAnswer ScriptedDialogs::askYesNoCancel(const std::string& text) {
  const auto answer = take({DialogKind::YesNoCancel, text, {}, {}}, Slot::Confirmation);
  return answer ? answer->confirmation : DialogAnswer::Cancel;
}

void ScriptedDialogs::inform(const std::string& text) {
  shown_.push_back({DialogKind::Inform, text, {}, {}});
}

void ScriptedDialogs::error(const std::string& text) {
  shown_.push_back({DialogKind::Error, text, {}, {}});
}

std::string ScriptedDialogs::chooseOpenFile(const std::string& filter) {
  const auto answer = take({DialogKind::OpenFile, filter, {}, {}}, Slot::File);
  return answer ? answer->text.value_or("") : std::string();
}

std::string ScriptedDialogs::chooseSaveFile(const std::string& filter,
                                            const std::string& proposedName) {
  const auto answer = take({DialogKind::SaveFile, filter, {}, proposedName}, Slot::File);
  return answer ? answer->text.value_or("") : std::string();
}

std::string ScriptedDialogs::chooseFolder(const std::string& startFolder) {
  const auto answer = take({DialogKind::Folder, {}, {}, startFolder}, Slot::Folder);
  return answer ? answer->text.value_or("") : std::string();
}

std::optional<std::string> ScriptedDialogs::enterText(const std::string& caption,
                                                      const std::string& label,
                                                      const std::string& initialText) {
  const auto answer = take({DialogKind::EnterText, label, caption, initialText}, Slot::Text);
  return answer ? answer->text : std::nullopt;
}
