#include "window/MainWindowCore.h"

#include <gtest/gtest.h>

#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

namespace {

class MainWindowCoreTest : public ::testing::Test {
 protected:
  MainWindowCoreTest() { core.FormCreate(); }

  TempDir dir;
  ScriptedDialogs dialogs;
  MainWindowCore core{dialogs, dialogs, dir.file("songloom.m3u")};
};

TEST_F(MainWindowCoreTest, TheLibraryRadioButtonShowsTheLibraryWithTheBrowserSideActive) {
  core.ActivatePanel(true);
  core.rbtLibraryClick();
  EXPECT_TRUE(core.libraryViewShown());
  EXPECT_EQ(core.tables().activeGridId(), GridId::Library);
  EXPECT_EQ(core.tables().shownBrowserGridId(), GridId::Library);
  EXPECT_EQ(core.browserCaptionColour(), kActiveCaptionColour);
}

TEST_F(MainWindowCoreTest, TheLibraryLabelActsOnlyWhileTheFolderTreeIsShown) {
  core.ActivatePanel(true);
  core.pnlLibraryClick();
  EXPECT_TRUE(core.libraryViewShown());
  EXPECT_EQ(core.tables().activeGridId(), GridId::Library);

  // Shown already (here with a search result): the label changes nothing.
  core.setLibraryView(true, true);
  core.ActivatePanel(true);
  core.pnlLibraryClick();
  EXPECT_EQ(core.tables().shownBrowserGridId(), GridId::Search);
  EXPECT_TRUE(core.playlistSideActive());
}

}  // namespace
