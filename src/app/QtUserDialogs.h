#pragma once

#include <QString>

#include "browser/LibraryFolders.h"
#include "browser/PlaylistItems.h"
#include "dialogs/UserDialogs.h"
#include "tageditor/TagEditorDialog.h"
#include "tracks/ColumnsDialog.h"

class QWidget;

// The core's questions and messages as Qt dialogs, modal over the main window.
class QtUserDialogs : public UserDialogs,
                      public PlaylistItemsDialog,
                      public TagEditorDialog,
                      public LibraryFoldersDialog,
                      public ColumnsDialog {
 public:
  explicit QtUserDialogs(QWidget* parent = nullptr) : parent_(parent) {}

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
  bool showCopyProgress(const std::function<void(CopyProgressView&)>& copy) override;
  std::unique_ptr<AddItemsView> showAddItems(const std::string& caption) override;
  void showPlaylistItems(TrackGrid& grid, const std::string& totals) override;
  std::optional<TagTexts> showTagEditor(const TagEditorView& view) override;
  bool showScanProgress(const std::string& caption,
                        const std::function<void(ScanProgressView&)>& scan) override;
  std::optional<std::vector<std::string>> editLibraryFolders(
      const std::vector<std::string>& folders) override;
  bool showColumns(ColumnChooser& chooser) override;

 private:
  QWidget* parent_;
};

// "M3U Playlist|*.m3u" → "M3U Playlist (*.m3u)"; pairs of description and
// patterns, patterns separated by ";".
QString QtFileFilter(const std::string& filter);
// Message texts keep the stored "\r\n" line breaks; a box wants "\n".
QString MessageText(const std::string& text);
