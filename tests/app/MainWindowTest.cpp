#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <filesystem>

#include "app/BrowserPanel.h"
#include "app/CaptionPanel.h"
#include "app/PlayerBar.h"
#include "widgets/Colours.h"
#include "app/PlaylistPanel.h"
#include "widgets/TrackGridView.h"
#include "app/VetoSplitter.h"
#include "app/WaitUntil.h"
#include "app/fSongloomMain.h"
#include "support/Mp3Builder.h"
#include "support/ScriptedDialogs.h"
#include "support/ScriptedPlayback.h"
#include "support/TempDir.h"

namespace {

class MainWindowTest : public ::testing::Test {
 protected:
  std::unique_ptr<TfrmSongloomMain> openWindow() {
    auto window = std::make_unique<TfrmSongloomMain>(
        autosave_, WindowStandIns{&dialogs_, &dialogs_, &playback_});
    window->resize(1200, 700);
    window->show();
    QApplication::setActiveWindow(window.get());
    QApplication::processEvents();
    return window;
  }

  // Three short MP3 files and a playlist naming them.
  std::string writePlaylist() {
    const std::string audio = Mp3Frames(MpegFrame{}, 40);
    std::string m3u = "#EXTM3U\r\n";
    for (const char* name : {"a", "b", "c"}) {
      const std::string path = dir_.write(std::string(name) + ".mp3", audio);
      m3u += "#EXTINF: 1,Track " + std::string(name) + "\r\n" + path + "\r\n";
    }
    return dir_.write("party.m3u", m3u);
  }

  // The three tracks in the playlist, the first selected and the grid focused.
  std::unique_ptr<TfrmSongloomMain> openWithFirstRowSelected() {
    const std::string m3u = writePlaylist();
    auto window = openWindow();
    EXPECT_TRUE(window->core().document().OpenPlaylist(m3u));
    TrackGrid& grid = window->core().tables().grdPlaylist();
    grid.clearSelection();
    grid.selectRow(1);
    grid.setCurrentRow(1);
    window->playlistPanel()->grdPlaylist->setFocus();
    return window;
  }

  static std::vector<std::string> Names(TfrmSongloomMain& window) {
    TrackGrid& grid = window.core().tables().grdPlaylist();
    std::vector<std::string> names;
    for (int row = 1; row < grid.rowCount(); ++row) names.push_back(grid.cell(row, 1));
    return names;
  }

  // The in-place editor of a track name, once it has the focus; null when it never got it.
  static QLineEdit* FocusedEditor() {
    if (!WaitUntil([] { return qobject_cast<QLineEdit*>(QApplication::focusWidget()); }))
      return nullptr;
    return qobject_cast<QLineEdit*>(QApplication::focusWidget());
  }

  static QColor CaptionColour(CaptionPanel* caption) {
    return caption->palette().color(QPalette::WindowText);
  }

  TempDir dir_;
  ScriptedDialogs dialogs_;
  ScriptedPlayback playback_;
  std::string autosave_ = dir_.file("songloom.m3u");
};

TEST_F(MainWindowTest, FirstStartShowsAnEmptyUntitledPlaylist) {
  auto window = openWindow();
  EXPECT_EQ(window->windowTitle(), "Songloom");
  PlaylistPanel* playlist = window->playlistPanel();
  EXPECT_EQ(playlist->pnlPlaylistCaption->text(), "   MP3 Playlist - Untitled");
  EXPECT_TRUE(playlist->pnlHelp->isVisible());
  EXPECT_EQ(playlist->lblInfo2->text(), "Total: 0 tracks | 00:00 | 0");
  EXPECT_EQ(window->browser()->pnlBrowserCaption->text(), "   MP3 Browser");
  EXPECT_EQ(playlist->grdPlaylist->model()->headerData(1, Qt::Horizontal).toString(),
            "Track Name");
}

TEST_F(MainWindowTest, PlaylistSurvivesARestartUntitled) {
  const std::string m3u = writePlaylist();
  {
    auto window = openWindow();
    ASSERT_TRUE(window->core().document().OpenPlaylist(m3u));
    window->refreshLabels();
    EXPECT_EQ(window->playlistPanel()->pnlPlaylistCaption->text(), "   MP3 Playlist - party");
    EXPECT_FALSE(window->playlistPanel()->pnlHelp->isVisible());
    window->close();
  }
  auto window = openWindow();
  EXPECT_EQ(Names(*window), (std::vector<std::string>{"Track a", "Track b", "Track c"}));
  EXPECT_EQ(window->playlistPanel()->pnlPlaylistCaption->text(), "   MP3 Playlist - Untitled");
  EXPECT_FALSE(window->playlistPanel()->pnlHelp->isVisible());
  EXPECT_TRUE(window->playlistPanel()->lblInfo2->text().startsWith("Total: 3 tracks"));
}

TEST_F(MainWindowTest, ClosingAnEmptyPlaylistWritesOnlyTheHeader) {
  openWindow()->close();
  EXPECT_EQ(ReadFileBytes(autosave_), "#EXTM3U\r\n");
}

// A kept playlist too large to be one is not read; it is moved aside at start, named in the
// message, and the close writes a fresh one instead of over it.
TEST_F(MainWindowTest, AnUnreadableAutosaveIsKeptAsideNotOverwritten) {
  dir_.write("songloom.m3u", "#EXTM3U\r\n");
  const std::uintmax_t size = 65 * 1024 * 1024;
  std::filesystem::resize_file(autosave_, size);  // sparse: no disk used
  openWindow()->close();
  EXPECT_EQ(dialogs_.texts(DialogKind::Error),
            std::vector<std::string>{
                "Cannot read file \"" + autosave_ +
                "\". The file is larger than 64 MB and is not a playlist.\r\nThe playlist kept "
                "from the last session was not restored. The file is kept as \"" +
                autosave_ + ".unreadable\"."});
  EXPECT_EQ(ReadFileBytes(autosave_), "#EXTM3U\r\n");
  ASSERT_TRUE(std::filesystem::exists(autosave_ + ".unreadable"));
  EXPECT_EQ(std::filesystem::file_size(autosave_ + ".unreadable"), size);
}

TEST_F(MainWindowTest, ShortcutsReachThePlaylistCommands) {
  auto window = openWithFirstRowSelected();
  TrackGrid& grid = window->core().tables().grdPlaylist();
  TrackGridView* view = window->playlistPanel()->grdPlaylist;

  QTest::keyClick(view, Qt::Key_Down, Qt::AltModifier);
  EXPECT_EQ(Names(*window), (std::vector<std::string>{"Track b", "Track a", "Track c"}));
  EXPECT_EQ(grid.cell(1, 0), "1.");
  EXPECT_EQ(grid.cell(2, 0), "2.");

  // Ctrl+E edits the current row's name: Del then deletes text, not rows.
  QTest::keyClick(view, Qt::Key_E, Qt::ControlModifier);
  QLineEdit* editor = FocusedEditor();
  ASSERT_NE(editor, nullptr);
  editor->setCursorPosition(0);
  QTest::keyClick(editor, Qt::Key_Delete);
  QTest::keyClick(editor, Qt::Key_Return);
  QApplication::processEvents();
  EXPECT_FALSE(window->core().editor().editingTrackName());
  EXPECT_EQ(Names(*window), (std::vector<std::string>{"Track b", "rack a", "Track c"}));

  view->setFocus();
  QTest::keyClick(view, Qt::Key_Delete);
  EXPECT_EQ(Names(*window), (std::vector<std::string>{"Track b", "Track c"}));
  EXPECT_TRUE(window->playlistPanel()->lblInfo2->text().startsWith("Total: 2 tracks"));
}

TEST_F(MainWindowTest, ACommandDuringEditingKeepsTheTypedName) {
  auto window = openWithFirstRowSelected();
  TrackGridView* view = window->playlistPanel()->grdPlaylist;
  QTest::keyClick(view, Qt::Key_E, Qt::ControlModifier);
  QLineEdit* editor = FocusedEditor();
  ASSERT_NE(editor, nullptr);
  editor->setText("Opening");
  QTest::keyClick(editor, Qt::Key_Down, Qt::AltModifier);
  EXPECT_FALSE(window->core().editor().editingTrackName());
  EXPECT_EQ(Names(*window), (std::vector<std::string>{"Track b", "Opening", "Track c"}));
}

TEST_F(MainWindowTest, CreateCompOnAnEmptyPlaylistSaysSo) {
  auto window = openWindow();
  QTest::keyClick(window->playlistPanel()->grdPlaylist, Qt::Key_C, Qt::ControlModifier);
  window->playerBar()->btnCreateMP3Comp->click();
  const auto messages = dialogs_.texts(DialogKind::Inform);
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_TRUE(messages[0].starts_with("MP3 Playlist is empty!")) << messages[0];
  EXPECT_EQ(messages[1], messages[0]);
}

TEST_F(MainWindowTest, SplitterRefusesToSqueezeThePlaylistBelow300Pixels) {
  auto window = openWindow();
  const int width = window->width();
  EXPECT_FALSE(window->spl2()->dragTo(width - 312));  // playlist 299
  EXPECT_TRUE(window->spl2()->dragTo(width - 313));   // playlist 300
  EXPECT_FALSE(window->browser()->spl1->dragTo(199));
}

TEST_F(MainWindowTest, PressesMarkTheActiveSideInItsCaption) {
  auto window = openWindow();
  CaptionPanel* browserCaption = window->browser()->pnlBrowserCaption;
  CaptionPanel* playlistCaption = window->playlistPanel()->pnlPlaylistCaption;
  const QColor yellow = StoredColour(colours::kActiveCaption);
  const QColor white = StoredColour(colours::kInactiveCaption);
  EXPECT_EQ(CaptionColour(browserCaption), yellow);

  QTest::mousePress(window->playlistPanel()->grdPlaylist->viewport(), Qt::LeftButton, {},
                    QPoint(20, 5));
  EXPECT_TRUE(window->core().playlistSideActive());
  EXPECT_EQ(CaptionColour(playlistCaption), yellow);
  EXPECT_EQ(CaptionColour(browserCaption), white);

  QTest::mousePress(window->browser()->grdBrowser->viewport(), Qt::RightButton, {},
                    QPoint(20, 5));
  EXPECT_FALSE(window->core().playlistSideActive());
  EXPECT_EQ(CaptionColour(browserCaption), yellow);
  EXPECT_EQ(CaptionColour(playlistCaption), white);
}

}  // namespace
