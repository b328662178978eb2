#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <utility>

#include "dialogs/CopyProgressView.h"
#include "tracks/TrackGrid.h"

namespace {

// Records what the core shows and presses Stop when the script says so.
class ScriptedAddItemsView : public AddItemsView {
 public:
  ScriptedAddItemsView(ShownAddItemsView& shown, std::optional<int> stopAt)
      : shown_(shown), stopAt_(stopAt) {}
  ~ScriptedAddItemsView() override { shown_.open = false; }

  void setLabel(AddItemsLabel label, const std::string& text) override {
    switch (label) {
      case AddItemsLabel::Mode:
        shown_.lblMode = text;
        break;
      case AddItemsLabel::Folder:
        shown_.lblFolder = text;
        if (!text.empty()) shown_.folders.push_back(text);
        break;
      case AddItemsLabel::File:
        shown_.lblFile = text;
        if (!text.empty()) shown_.files.push_back(text);
        break;
      case AddItemsLabel::Added:
        shown_.lblAdd2 = text;
        break;
    }
  }
  bool stopRequested() override {
    return stopAt_ && !shown_.lblAdd2.empty() && std::stoi(shown_.lblAdd2) >= *stopAt_;
  }

 private:
  ShownAddItemsView& shown_;
  std::optional<int> stopAt_;
};

// Records what the copy loop shows and sets the cancel mark when the script says so.
class ScriptedCopyView : public CopyProgressView {
 public:
  ScriptedCopyView(ShownCopyProgress& shown, std::optional<int> cancelAfter)
      : shown_(shown), cancelAfter_(cancelAfter) {
    if (cancelAfter_ && *cancelAfter_ <= 0) shown_.cancelled = true;
  }

  void setRange(int count) override { shown_.range = count; }
  void setPosition(int done) override {
    shown_.position = done;
    if (cancelAfter_ && done >= *cancelAfter_) shown_.cancelled = true;
  }
  void setFileLabel(const std::string& name) override { shown_.labels.push_back(name); }
  void fileCopied(const std::string& target) override { shown_.copied.push_back(target); }
  bool cancelRequested() const override { return shown_.cancelled; }

 private:
  ShownCopyProgress& shown_;
  std::optional<int> cancelAfter_;
};

// Records what the scan shows and sets the cancel mark when the script says so.
class ScriptedScanView : public ScanProgressView {
 public:
  ScriptedScanView(ShownScanProgress& shown, std::optional<int> cancelAt)
      : shown_(shown), cancelAt_(cancelAt) {
    if (cancelAt_ && *cancelAt_ <= 0) shown_.cancelled = true;
  }

  void setLabel(ScanLabel label, const std::string& text) override {
    switch (label) {
      case ScanLabel::Drive:
        shown_.lblDrive = text;
        if (shown_.drives.empty() || shown_.drives.back() != text) shown_.drives.push_back(text);
        break;
      case ScanLabel::Folder:
        shown_.lblFolder = text;
        break;
      case ScanLabel::File:
        shown_.lblFile = text;
        break;
      case ScanLabel::Found:
        shown_.lblFnd = text;
        if (cancelAt_ && std::stoi(text) >= *cancelAt_) shown_.cancelled = true;
        break;
    }
  }
  bool cancelRequested() const override { return shown_.cancelled; }

 private:
  ShownScanProgress& shown_;
  std::optional<int> cancelAt_;
};

}  // namespace

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
    case DialogKind::TagEditor:
      return "tag editor";
    case DialogKind::LibraryFolders:
      return "library folders dialog";
    case DialogKind::Columns:
      return "column chooser";
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

ScriptedDialogs& ScriptedDialogs::willChooseSaveFile(const std::string& path, int filter) {
  Answer answer{Slot::File, DialogAnswer::No, path};
  answer.filter = filter;
  script_.push_back(std::move(answer));
  return *this;
}

ScriptedDialogs& ScriptedDialogs::willChooseColumns(std::function<void(ColumnChooser&)> gestures) {
  return willLeaveColumns(std::move(gestures), true);
}

ScriptedDialogs& ScriptedDialogs::willCancelColumns(std::function<void(ColumnChooser&)> gestures) {
  return willLeaveColumns(std::move(gestures), false);
}

ScriptedDialogs& ScriptedDialogs::willLeaveColumns(std::function<void(ColumnChooser&)> gestures,
                                                   bool pressOK) {
  Answer answer{Slot::Columns, DialogAnswer::No, std::nullopt};
  answer.columnGestures = std::move(gestures);
  answer.pressOK = pressOK;
  script_.push_back(std::move(answer));
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

ScriptedDialogs& ScriptedDialogs::willEditLibraryFolders(
    std::optional<std::vector<std::string>> folders) {
  script_.push_back(
      {Slot::LibraryFolders, DialogAnswer::No, std::nullopt, nullptr, std::move(folders)});
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

SaveFileChoice ScriptedDialogs::chooseSaveFileAndFilter(const std::string& filter) {
  const auto answer = take({DialogKind::SaveFile, filter, {}, {}}, Slot::File);
  if (!answer) return {};
  return {answer->text.value_or(""), answer->filter};
}

std::string ScriptedDialogs::chooseFolder(const std::string& title,
                                          const std::string& startFolder) {
  const auto answer = take({DialogKind::Folder, title, {}, startFolder}, Slot::Folder);
  return answer ? answer->text.value_or("") : std::string();
}

std::optional<std::string> ScriptedDialogs::enterText(const std::string& caption,
                                                      const std::string& label,
                                                      const std::string& initialText) {
  const auto answer = take({DialogKind::EnterText, label, caption, initialText}, Slot::Text);
  return answer ? answer->text : std::nullopt;
}

ScriptedDialogs& ScriptedDialogs::willStopAddingAt(int added) {
  stopAddingAt_ = added;
  return *this;
}

ScriptedDialogs& ScriptedDialogs::duringNextEvents(std::function<void()> action) {
  duringEvents_ = std::move(action);
  return *this;
}

void ScriptedDialogs::processEvents() {
  ++processEventsCalls_;
  if (!duringEvents_) return;
  const std::function<void()> action = std::move(duringEvents_);
  duringEvents_ = nullptr;
  action();
}

std::unique_ptr<AddItemsView> ScriptedDialogs::showAddItems(const std::string& caption) {
  ShownAddItemsView& shown = addItemsViews_.emplace_back();
  shown.caption = caption;
  const std::optional<int> stopAt = std::exchange(stopAddingAt_, std::nullopt);
  return std::make_unique<ScriptedAddItemsView>(shown, stopAt);
}

void ScriptedDialogs::showPlaylistItems(TrackGrid& grid, const std::string& totals) {
  ShownPlaylistItems& shown = playlistItems_.emplace_back();
  shown.totals = totals;
  for (int row = 0; row < grid.rowCount(); ++row) {
    std::vector<std::string>& cells = shown.cells.emplace_back();
    for (int col = 0; col < grid.columnCount(); ++col) cells.push_back(grid.cell(row, col));
  }
}

ScriptedDialogs& ScriptedDialogs::willCancelCopyAfter(int files) {
  cancelCopyAfter_ = files;
  return *this;
}

bool ScriptedDialogs::showCopyProgress(const std::function<void(CopyProgressView&)>& copy) {
  ShownCopyProgress& shown = copyProgress_.emplace_back();
  ScriptedCopyView view(shown, std::exchange(cancelCopyAfter_, std::nullopt));
  copy(view);
  return shown.cancelled;
}

ScriptedDialogs& ScriptedDialogs::willUpdateTag(std::function<void(TagTexts&)> edit) {
  script_.push_back({Slot::TagEditor, DialogAnswer::No, std::nullopt, std::move(edit)});
  return *this;
}

ScriptedDialogs& ScriptedDialogs::willCancelTag() {
  script_.push_back({Slot::TagEditor, DialogAnswer::No, std::nullopt, nullptr});
  return *this;
}

std::optional<TagTexts> ScriptedDialogs::showTagEditor(const TagEditorView& view) {
  const auto answer = take({DialogKind::TagEditor, view.edtFile, {}, {}}, Slot::TagEditor);
  ShownTagEditor& shown = tagEditors_.emplace_back();
  shown.view = view;
  if (!answer || !answer->editTag) return std::nullopt;
  shown.typed = view.texts;
  answer->editTag(shown.typed);
  shown.updated = true;
  return shown.typed;
}

ScriptedDialogs& ScriptedDialogs::willCancelScanAt(int found) {
  cancelScanAt_ = found;
  return *this;
}

bool ScriptedDialogs::showScanProgress(const std::string& caption,
                                       const std::function<void(ScanProgressView&)>& scan) {
  ShownScanProgress& shown = scanProgress_.emplace_back();
  shown.caption = caption;
  ScriptedScanView view(shown, std::exchange(cancelScanAt_, std::nullopt));
  scan(view);
  return shown.cancelled;
}

std::optional<std::vector<std::string>> ScriptedDialogs::editLibraryFolders(
    const std::vector<std::string>& folders) {
  std::string listed;
  for (const std::string& folder : folders) listed += folder + "\n";
  const auto answer = take({DialogKind::LibraryFolders, listed, {}, {}}, Slot::LibraryFolders);
  return answer ? answer->folders : std::nullopt;
}

bool ScriptedDialogs::showColumns(ColumnChooser& chooser) {
  columnChoosers_.push_back({chooser.lbl1(), chooser.lstColumns(), chooser.selected(),
                             chooser.btnUpEnabled(), chooser.btnDownEnabled(),
                             chooser.btnOKEnabled()});
  const auto answer = take({DialogKind::Columns, chooser.lbl1(), {}, {}}, Slot::Columns);
  if (!answer) return false;
  if (answer->columnGestures) answer->columnGestures(chooser);
  if (!answer->pressOK) return false;
  if (!chooser.btnOKEnabled()) ADD_FAILURE() << "OK pressed in the column chooser while disabled";
  return chooser.btnOKEnabled();
}
