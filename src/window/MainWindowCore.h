#pragma once

#include <string>

#include "browser/FolderBrowser.h"
#include "browser/LibraryView.h"
#include "browser/PlaylistItems.h"
#include "compile/CompilationBuilder.h"
#include "compile/TrackExporter.h"
#include "metadata/MPEGaudio.h"
#include "platform/FileSystem.h"
#include "platform/MountTable.h"
#include "player/PlaybackController.h"
#include "tageditor/TagEditor.h"
#include "tracks/AddItems.h"
#include "tracks/ColumnsDialog.h"
#include "tracks/MRNG.h"
#include "tracks/PlaylistDocument.h"
#include "tracks/PlaylistEditor.h"
#include "tracks/TrackTable.h"
#include "dialogs/UserDialogs.h"
#include "window/MainActionList.h"

// Stored caption colours of the two sides: the active one is yellow.
inline constexpr Colour kActiveCaptionColour = kYellow;
inline constexpr Colour kInactiveCaptionColour = kWhite;

// The state of the main window without any widget: the analyser, the four
// grids and their state, the playlist's editing and document sides, the
// active side and the start-up and shut-down steps. The Qt window owns one
// and only shows it and forwards the user's gestures to it.
// What the shell lends the window's core: the dialogs and the media playback of the platform.
struct ShellServices {
  UserDialogs& dialogs;
  PlaylistItemsDialog& playlistItems;
  PlaybackService& playback;
  TagEditorDialog& tagEditor;
  LibraryFoldersDialog* libraryFolders = nullptr;  // none: the library folders cannot be edited
  ColumnsDialog* columns = nullptr;  // none: no columns are chosen and nothing is exported
};

class MainWindowCore {
 public:
  MainWindowCore(ShellServices shell, std::string autosavePath,
                 platform::FileSystem& fs = platform::localFileSystem(),
                 platform::MountTable& mounts = platform::localMountTable());
  MainWindowCore(const MainWindowCore&) = delete;
  MainWindowCore& operator=(const MainWindowCore&) = delete;

  TMPEGaudio& analyser() { return analyser_; }
  TrackTables& tables() { return tables_; }
  PlaylistEditor& editor() { return editor_; }
  PlaylistDocument& document() { return document_; }
  // Append (Ctrl+Enter), Add (Shift+Enter) and drops on the playlist.
  PlaylistAdder& adder() { return adder_; }
  // The Folder Tree view: folder listing, filters, browser totals, opening rows.
  FolderBrowser& browser() { return browser_; }
  // The Library view: the library scan, the search, the library folders.
  LibraryView& library() { return library_; }
  // The player bar's state and commands.
  PlaybackController& player() { return player_; }
  // "Export All...", "Export..." and "Export Selected...".
  TrackExporter& exporter() { return exporter_; }
  Mrng& random() { return random_; }

  // --- start and stop -----------------------------------------------------------------------
  // Columns, sort menus, the empty playlist's numbers and totals; the browser side active.
  void FormCreate();
  // Restores the autosave playlist (untitled).
  void FormShow();
  // Activation of the window: from now on the minimum-width rule of a resize applies.
  void FormActivate() { activatedOnce_ = true; }
  bool activatedOnce() const { return activatedOnce_; }
  // Writes the autosave playlist; false (after showing the error) when that failed.
  bool FormClose();

  // --- active side ----------------------------------------------------------------------------
  // The grid standing for one side: the playlist, or the browser grid the view shows.
  GridId PanelGridId(bool playlistSide) const;
  void ActivatePanel(bool playlistSide);
  bool playlistSideActive() const { return tables_.activeGridId() == GridId::Playlist; }
  Colour browserCaptionColour() const;
  Colour playlistCaptionColour() const;
  // The browser side's view: folder tree (page 1) or library (page 2) with the search result.
  bool libraryViewShown() const { return libraryView_; }
  // Whether grdSearch covers grdLibrary in the library view.
  bool searchShown() const { return searchShown_; }
  void setLibraryView(bool library, bool searchShown);
  // The radio button "Library" was clicked: the library view (built when empty), with the
  // browser side active. Nothing while that view is shown.
  void rbtLibraryClick() { library_.rbtLibraryClick(); }
  // The label "Library" was clicked: as the radio button, unless that view is shown.
  void pnlLibraryClick() { library_.pnlLibraryClick(); }
  // "Folders..." of the library view: the library folders in their dialog.
  void btnLibraryFoldersClick();

  // --- commands --------------------------------------------------------------------------------
  // Runs what an action of the action list stands for; each command checks its own guard.
  void Execute(MainCommand command);

  // --- grid-wide commands on the active grid -----------------------------------------------------
  void actSelectAllExecute();
  void actInvertSelectionExecute();
  // The totals of the active grid after a selection command.
  void UpdateActiveTotals();
  // The playlist items viewer for the playlist file of the active grid's current row.
  void ShowPlaylistItems();

  // "Customize Columns...": the column chooser for the active grid.
  void mniCColumns1Click();

  // --- tag editor --------------------------------------------------------------------------------
  // The editor for the player's file (fromPlayer) or the active grid's current row; afterwards
  // the totals line of the refreshed row's grid shows its new size.
  void ShowTagEditor(bool fromPlayer);
  // "View Info & Edit ID3 Tag...": the editor for the current row, or the playlist items viewer
  // for a playlist file's row; nothing for a folder row, an empty grid or no selection.
  void actUpdateTagExecute();
  // The player menu's item of the same caption: the player's file, else as actUpdateTag.
  void mniTag3Click();
  // A double-click on the player's track name: the editor for the player's file, if it has one.
  void lblTrNameDblClick();

 private:
  UserDialogs& dialogs_;
  PlaylistItemsDialog& playlistItemsDialog_;
  LibraryFoldersDialog* libraryFoldersDialog_;
  ColumnsDialog* columnsDialog_;
  TMPEGaudio analyser_;
  TrackTables tables_;
  Mrng random_;
  PlaylistEditor editor_;
  PlaylistDocument document_;
  FolderBrowser browser_;
  LibraryView library_;
  PlaybackController player_;
  PlaylistAdder adder_;
  CompilationBuilder compilation_;
  TrackExporter exporter_;
  TagEditor tagEditor_;
  bool activatedOnce_ = false;
  bool libraryView_ = false;
  bool searchShown_ = false;
};
