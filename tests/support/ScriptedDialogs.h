#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "browser/LibraryFolders.h"
#include "browser/PlaylistItems.h"
#include "dialogs/UserDialogs.h"
#include "tageditor/TagEditorDialog.h"
#include "tracks/ColumnsDialog.h"

enum class DialogKind {
  YesNo,
  YesNoCancel,
  Inform,
  Error,
  OpenFile,
  SaveFile,
  Folder,
  EnterText,
  TagEditor,
  LibraryFolders,
  Columns,
};

std::string_view DialogKindName(DialogKind kind);

// One dialog as the core showed it.
struct ShownDialog {
  DialogKind kind = DialogKind::Inform;
  std::string text;     // question or message; a file dialog's filter; a text entry's label;
                        // a folder dialog's title
  std::string caption;  // a text entry's caption
  std::string initial;  // proposed file name, start folder, or a text entry's initial text
};

// The add-items progress dialog as the core showed it.
struct ShownAddItemsView {
  std::string caption;
  std::string lblMode, lblFolder, lblFile, lblAdd2;  // as the core last set them
  std::vector<std::string> folders;  // every text lblFolder showed, in order
  std::vector<std::string> files;    // every text lblFile showed, in order
  bool open = true;                  // false once the core let go of it
};

// The copy progress of a compilation as the core showed it.
struct ShownCopyProgress {
  int range = -1;                   // the progress bar's maximum; -1 until set
  int position = 0;                 // the progress bar's last position
  std::vector<std::string> labels;  // every file label, in order
  std::vector<std::string> copied;  // the target of every file reported as copied
  bool cancelled = false;           // the cancel mark when the view closed
};

// The scan dialog as the core showed it.
struct ShownScanProgress {
  std::string caption;
  std::string lblDrive = "Drive", lblFolder, lblFile, lblFnd = "0";  // as the core last set them
  std::vector<std::string> drives;  // every text lblDrive showed, each once, in order
  bool cancelled = false;           // the cancel mark
};

// The playlist items viewer as the core showed it.
struct ShownPlaylistItems {
  std::vector<std::vector<std::string>> cells;  // every row of the grid, the header row first
  std::string totals;
};

// The column chooser as the core showed it, when it opened.
struct ShownColumnChooser {
  std::string lbl1;
  std::vector<ColumnChoice> entries;
  int selected = -1;
  bool btnUp = false, btnDown = false, btnOK = false;
};

// The tag editor as the core showed it, and how the person left it.
struct ShownTagEditor {
  TagEditorView view;
  bool updated = false;  // Update pressed, with `typed` in the fields
  TagTexts typed;
};

// UserDialogs for tests: answers from a script written before the call, and
// records every dialog shown. A question the script does not expect, a question
// after the script ran dry, and answers left unused at the end fail the test.
class ScriptedDialogs : public UserDialogs,
                        public PlaylistItemsDialog,
                        public TagEditorDialog,
                        public LibraryFoldersDialog,
                        public ColumnsDialog {
 public:
  ScriptedDialogs() = default;
  ScriptedDialogs(const ScriptedDialogs&) = delete;
  ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;
  ~ScriptedDialogs() override;

  // The script, in the order the questions will come.
  ScriptedDialogs& willAnswer(DialogAnswer answer);                 // Yes/No or Yes/No/Cancel box
  ScriptedDialogs& willChooseFile(const std::string& path);         // open or save; "" cancels
  // A save dialog that tells its filter: the path with filter number `filter` (from 0).
  ScriptedDialogs& willChooseSaveFile(const std::string& path, int filter);
  ScriptedDialogs& willChooseFolder(const std::string& path);       // "" cancels
  ScriptedDialogs& willEnterText(std::optional<std::string> text);  // nullopt cancels
  // The library folders dialog: OK with these folders; nullopt cancels.
  ScriptedDialogs& willEditLibraryFolders(std::optional<std::vector<std::string>> folders);

  // The column chooser: the person makes these gestures, then presses OK (a test failure when
  // OK is disabled then) or Cancel.
  ScriptedDialogs& willChooseColumns(std::function<void(ColumnChooser&)> gestures = nullptr);
  ScriptedDialogs& willCancelColumns(std::function<void(ColumnChooser&)> gestures = nullptr);

  // The person presses Stop in the next add-items dialog once it shows `added` files added.
  ScriptedDialogs& willStopAddingAt(int added);
  // The person presses Cancel in the next copy progress view once `files` files are processed.
  ScriptedDialogs& willCancelCopyAfter(int files);
  // The person changes the texts the next tag editor shows with `edit` and presses Update.
  ScriptedDialogs& willUpdateTag(std::function<void(TagTexts&)> edit);
  // The person closes the next tag editor with Cancel (or its close box).
  ScriptedDialogs& willCancelTag();
  // The person presses Cancel in the next scan dialog once it shows `found` files found (0:
  // before the scan starts).
  ScriptedDialogs& willCancelScanAt(int found);
  // Runs action once, at the next processEvents: a gesture of the person while the core works.
  ScriptedDialogs& duringNextEvents(std::function<void()> action);

  const std::vector<ShownDialog>& shown() const { return shown_; }
  const std::deque<ShownAddItemsView>& addItemsViews() const { return addItemsViews_; }
  const std::vector<ShownPlaylistItems>& playlistItems() const { return playlistItems_; }
  const std::deque<ShownCopyProgress>& copyProgress() const { return copyProgress_; }
  const std::vector<ShownTagEditor>& tagEditors() const { return tagEditors_; }
  const std::deque<ShownScanProgress>& scanProgress() const { return scanProgress_; }
  const std::vector<ShownColumnChooser>& columnChoosers() const { return columnChoosers_; }
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
  SaveFileChoice chooseSaveFileAndFilter(const std::string& filter) override;
  std::string chooseFolder(const std::string& title, const std::string& startFolder) override;
  std::optional<std::string> enterText(const std::string& caption, const std::string& label,
                                       const std::string& initialText) override;
  void processEvents() override;
  std::unique_ptr<AddItemsView> showAddItems(const std::string& caption) override;
  void showPlaylistItems(TrackGrid& grid, const std::string& totals) override;
  bool showCopyProgress(const std::function<void(CopyProgressView&)>& copy) override;
  std::optional<TagTexts> showTagEditor(const TagEditorView& view) override;
  bool showScanProgress(const std::string& caption,
                        const std::function<void(ScanProgressView&)>& scan) override;
  std::optional<std::vector<std::string>> editLibraryFolders(
      const std::vector<std::string>& folders) override;
  bool showColumns(ColumnChooser& chooser) override;

 private:
  enum class Slot { Confirmation, File, Folder, Text, TagEditor, LibraryFolders, Columns };
  struct Answer {
    Slot slot = Slot::Confirmation;
    DialogAnswer confirmation = DialogAnswer::No;
    std::optional<std::string> text;
    std::function<void(TagTexts&)> editTag = nullptr;  // null: the tag editor is cancelled
    std::optional<std::vector<std::string>> folders = std::nullopt;
    int filter = 0;
    std::function<void(ColumnChooser&)> columnGestures = nullptr;
    bool pressOK = false;
  };

  ScriptedDialogs& willLeaveColumns(std::function<void(ColumnChooser&)> gestures, bool pressOK);
  // Records the dialog and takes the next answer when it fits; nullopt (and a
  // test failure) otherwise.
  std::optional<Answer> take(const ShownDialog& dialog, Slot slot);

  std::deque<Answer> script_;
  std::vector<ShownDialog> shown_;
  int processEventsCalls_ = 0;
  std::optional<int> stopAddingAt_;
  std::function<void()> duringEvents_;
  std::deque<ShownAddItemsView> addItemsViews_;  // a deque: views keep pointers into it
  std::vector<ShownPlaylistItems> playlistItems_;
  std::optional<int> cancelCopyAfter_;
  std::deque<ShownCopyProgress> copyProgress_;
  std::vector<ShownTagEditor> tagEditors_;
  std::optional<int> cancelScanAt_;
  std::deque<ShownScanProgress> scanProgress_;
  std::vector<ShownColumnChooser> columnChoosers_;
};
