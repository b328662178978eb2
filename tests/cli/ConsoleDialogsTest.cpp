#include "cli/ConsoleDialogs.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "dialogs/CopyProgressView.h"

namespace {

TEST(ConsoleDialogsTest, MessagesBecomeLines) {
  std::ostringstream messages;
  ConsoleDialogs dialogs("/dest", messages);
  dialogs.inform("one\r\ntwo");
  dialogs.error("three");
  dialogs.inform("");
  EXPECT_EQ(messages.str(), "one\ntwo\nthree\n\n");
}

TEST(ConsoleDialogsTest, AnswersChangeNothingButTheDestination) {
  std::ostringstream messages;
  ConsoleDialogs dialogs("/dest", messages);
  EXPECT_EQ(dialogs.chooseFolder("Select a destination folder", ""), "/dest");
  EXPECT_EQ(dialogs.chooseFolder("Select a destination folder", "/dest"), "/dest");
  EXPECT_FALSE(dialogs.askYesNo("Replace?"));
  EXPECT_EQ(dialogs.askYesNoCancel("Save?"), DialogAnswer::Cancel);
  EXPECT_EQ(dialogs.chooseOpenFile("M3U Playlist|*.m3u"), "");
  EXPECT_EQ(dialogs.chooseSaveFile("M3U Playlist|*.m3u", "list"), "");
  EXPECT_EQ(dialogs.chooseSaveFileAndFilter("TXT File|*.txt|HTML File|*.html").path, "");
  EXPECT_EQ(dialogs.enterText("Edit Playlist Name", "Enter Playlist Name:", "x"), std::nullopt);
  EXPECT_EQ(messages.str(), "Replace?\nSave?\n");
}

TEST(ConsoleDialogsTest, CopyProgressListsEachCopyAndNeverCancels) {
  std::ostringstream messages;
  ConsoleDialogs dialogs("/dest", messages);
  bool ran = false;
  const bool cancelled = dialogs.showCopyProgress([&](CopyProgressView& view) {
    ran = true;
    view.setRange(2);
    view.setFileLabel("1 a.mp3");
    view.fileCopied("/dest/U/1 a.mp3");
    view.setPosition(1);
    EXPECT_FALSE(view.cancelRequested());
  });
  EXPECT_TRUE(ran);
  EXPECT_FALSE(cancelled);
  EXPECT_EQ(messages.str(), "/dest/U/1 a.mp3\n");
}

}  // namespace
