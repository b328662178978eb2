#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/PlayerBar.h"
#include "app/PlaylistPanel.h"
#include "app/WaitUntil.h"
#include "app/fSongloomMain.h"
#include "support/Mp3Builder.h"
#include "support/ScriptedDialogs.h"
#include "support/ScriptedPlayback.h"
#include "support/TempDir.h"
#include "tageditor/fID3Tag.h"
#include "tracks/TrackColumns.h"
#include "widgets/TrackGridView.h"

namespace {

// The window with the tracks a and b in the playlist, b current and selected, the playlist
// focused; the tag editor scripted or, with realEditor, the real dialog.
class TagEditorWindowTest : public ::testing::Test {
 protected:
  void Open(bool realEditor) {
    const std::string audio = Mp3Frames(MpegFrame{}, 40);
    a_ = dir_.write("a.mp3", Id3v23TextTag({.title = "A", .artist = "X"}) + audio);
    b_ = dir_.write("b.mp3", Id3v23TextTag({.title = "B", .artist = "X"}) + audio);
    WindowStandIns standIns{&dialogs_, &dialogs_, &playback_, realEditor ? nullptr : &dialogs_};
    window_ = std::make_unique<TfrmSongloomMain>(dir_.file("autosave.m3u"), standIns);
    window_->resize(1200, 700);
    window_->show();
    QApplication::setActiveWindow(window_.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    ASSERT_TRUE(core().document().OpenPlaylist(dir_.write("two.m3u", a_ + "\r\n" + b_ + "\r\n")));
    TrackGrid& grid = playlist();
    grid.clearSelection();
    grid.selectRow(2);
    grid.setCurrentRow(2);
    core().ActivatePanel(true);
    window_->refreshLabels();
    window_->playlistPanel()->grdPlaylist->setFocus();
  }

  MainWindowCore& core() { return window_->core(); }
  TrackGrid& playlist() { return core().tables().grdPlaylist(); }
  std::string Cell(int row, std::string_view column) {
    return playlist().cell(row, core().tables().ColumnByName(playlist(), column));
  }
  std::vector<std::string> EditedFiles() const {
    std::vector<std::string> files;
    for (const ShownTagEditor& shown : dialogs_.tagEditors()) files.push_back(shown.view.edtFile);
    return files;
  }

  TempDir dir_;
  ScriptedDialogs dialogs_;
  ScriptedPlayback playback_;
  std::string a_, b_;
  std::unique_ptr<TfrmSongloomMain> window_;
};

TEST_F(TagEditorWindowTest, AltThreeEditsTheCurrentRow) {
  Open(false);
  dialogs_.willCancelTag();
  QTest::keyClick(window_->playlistPanel()->grdPlaylist, Qt::Key_3, Qt::AltModifier);
  EXPECT_EQ(EditedFiles(), std::vector<std::string>{b_});
}

TEST_F(TagEditorWindowTest, ADoubleClickOnTheTrackNameEditsThePlayersFile) {
  Open(false);
  QLabel* name = window_->playerBar()->lblTrName;
  QTest::mouseDClick(name, Qt::LeftButton);  // the player holds nothing
  EXPECT_TRUE(dialogs_.tagEditors().empty());

  core().player().PlayTrack(playlist(), core().tables().RowID(playlist(), 1));
  window_->refreshLabels();
  dialogs_.willUpdateTag([](TagTexts& t) { t.title = "A2"; });
  QTest::mouseDClick(name, Qt::LeftButton);
  EXPECT_EQ(EditedFiles(), std::vector<std::string>{a_});
  EXPECT_EQ(Cell(1, kColumnTitle), "A2");
  EXPECT_EQ(name->text(), QStringLiteral("X - A"));  // the player's label keeps its text
}

// The real dialog: what is typed reaches the file and the row, and the totals line follows.
TEST_F(TagEditorWindowTest, TheRealDialogUpdatesTheFileAndTheRow) {
  Open(true);
  bool shown = false;
  auto* poll = new QTimer(window_.get());
  poll->setInterval(5);
  QObject::connect(poll, &QTimer::timeout, [&shown, poll] {
    auto* form = qobject_cast<TfrmID3Tag*>(QApplication::activeModalWidget());
    if (!form || !form->isVisible()) return;
    poll->stop();
    shown = form->edtTitle->text() == QStringLiteral("B");
    form->edtTitle->setText(QStringLiteral("  New Title  "));
    form->btnUpdate->click();
  });
  poll->start();
  QTest::keyClick(window_->playlistPanel()->grdPlaylist, Qt::Key_3, Qt::AltModifier);
  ASSERT_TRUE(WaitUntil([&] { return Cell(2, kColumnTitle) == "New Title"; }));
  EXPECT_TRUE(shown);
  EXPECT_EQ(playlist().cell(2, kPlaylistTrackNameColumn), "X - New Title");
  EXPECT_EQ(window_->playlistPanel()->lblInfo2->text().toStdString(), core().editor().lblInfo2());
  EXPECT_TRUE(dialogs_.texts(DialogKind::Error).empty());
}

}  // namespace
