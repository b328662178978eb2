#pragma once

#include <QWidget>
#include <memory>
#include <string>

#include "app/QtUserDialogs.h"
#include "player/QtPlaybackService.h"
#include "window/MainWindowCore.h"

class BrowserPanel;
class PlayerBar;
class PlaylistPanel;
class QAction;
class QTimer;
class TrackGridView;
class VetoSplitter;

// The main window: browser on the left, playlist on the right, player bar at
// the bottom. It owns the core state and only shows it and forwards gestures.
// Stand-ins a test gives the window for the person and the platform; the real ones where null.
struct WindowStandIns {
  UserDialogs* dialogs = nullptr;
  PlaylistItemsDialog* playlistItems = nullptr;
  PlaybackService* playback = nullptr;
  TagEditorDialog* tagEditor = nullptr;
  LibraryFoldersDialog* libraryFolders = nullptr;
  platform::MountTable* mounts = nullptr;
  ColumnsDialog* columns = nullptr;
};

class TfrmSongloomMain : public QWidget {
  Q_OBJECT
 public:
  // autosavePath: where the playlist is kept between runs; libraryFoldersFile: where the library
  // folders are ("": not kept).
  explicit TfrmSongloomMain(const std::string& autosavePath, WindowStandIns standIns = {},
                            const std::string& libraryFoldersFile = {});
  ~TfrmSongloomMain() override;

  MainWindowCore& core() { return *core_; }
  BrowserPanel* browser() { return browser_; }
  PlaylistPanel* playlistPanel() { return playlist_; }
  PlayerBar* playerBar() { return player_; }
  VetoSplitter* spl2() { return spl2_; }
  TrackGridView* gridView(GridId id);
  QAction* action(const char* name) const;

  // Re-reads the labels, captions and shortcuts that the core keeps.
  void refreshLabels();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildLayout();
  void createActions();
  void connectGrid(TrackGridView* view, bool playlistSide);
  // A right-click on a grid's header row: its menu of "Customize Columns...".
  void showColumnsMenu(const QPoint& globalPos);
  void connectPanels();
  // Runs a core command, then shows what changed.
  template <typename F>
  void run(F&& command) {
    command();
    refreshLabels();
  }
  // An action: a track name being edited is finished first, with its text kept,
  // so no command changes the playlist under an open editor.
  template <typename F>
  void runAction(F&& command) {
    endTrackNameEditing();
    run(command);
  }
  void endTrackNameEditing();
  void playlistRowPressed(bool ctrl);
  void gridEnter(bool playlistSide);
  void gridEscape();
  void dropOnPlaylist(int row);
  void connectFolderBrowser();
  // The search bar of the library view and its two grids.
  void connectLibrary();
  void showLibraryGrids();
  // The player bar's buttons and sliders, its 500 ms timer and the playback service's events.
  void connectPlayer();
  void browserRowPressed(bool ctrl);
  // Runs the 5 ms listing timer exactly while the folder browser wants it.
  void syncListingTimer();
  void listingTick();
  void showBrowserPage();

  QtUserDialogs qtDialogs_;
  QtPlaybackService qtPlayback_;
  std::unique_ptr<MainWindowCore> core_;
  BrowserPanel* browser_ = nullptr;
  PlaylistPanel* playlist_ = nullptr;
  PlayerBar* player_ = nullptr;
  VetoSplitter* spl2_ = nullptr;
  QTimer* tmr_ = nullptr;
  QTimer* tmrPlayer_ = nullptr;
  bool shown_ = false;
};
