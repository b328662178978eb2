#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "tracks/PlaylistEditor.h"
#include "window/KeyTexts.h"
#include "window/MainActionList.h"

namespace {

using Keys = std::vector<std::string>;

// Every action of the playlist, the browser and the player: its stored shortcut as it always was, the keys
// that run it, and the command it runs.
TEST(MainActionListTest, EveryStoredShortcutNamesItsKeysAndItsCommand) {
  struct Row {
    const char* name;
    StoredShortcut stored;
    Keys keys;
    MainCommand command;
  };
  const std::vector<Row> table = {
      {"actUpdateTag", 32819, {"Alt+3"}, MainCommand::UpdateTag},
      {"actSelectAll", 16449, {"Ctrl+A"}, MainCommand::SelectAll},
      {"actInvertSelection", 16457, {"Ctrl+I"}, MainCommand::InvertSelection},
      {"actAppendItem", 16397, {"Ctrl+Return", "Ctrl+Keypad Enter"}, MainCommand::AppendItem},
      {"actAddItem", 8205, {"Shift+Return", "Shift+Keypad Enter"}, MainCommand::AddItem},
      {"actGroup", 32839, {"Alt+G"}, MainCommand::Group},
      {"actRemoveSel", 46, {"Del"}, MainCommand::RemoveSel},
      {"actRemoveAll", 24622, {"Ctrl+Shift+Del"}, MainCommand::RemoveAll},
      {"actRemoveMiss", 32814, {"Alt+Del"}, MainCommand::RemoveMiss},
      {"actCrop", 16430, {"Ctrl+Del"}, MainCommand::Crop},
      {"actSave", 16467, {"Ctrl+S"}, MainCommand::Save},
      {"actOpen", 16463, {"Ctrl+O"}, MainCommand::Open},
      {"actNew", 16462, {"Ctrl+N"}, MainCommand::New},
      {"actEdit", 16464, {"Ctrl+P"}, MainCommand::Edit},
      {"actMoveUp", 32806, {"Alt+Up"}, MainCommand::MoveUp},
      {"actMoveDown", 32808, {"Alt+Down"}, MainCommand::MoveDown},
      {"actMoveTop", 32804, {"Alt+Home"}, MainCommand::MoveTop},
      {"actMoveBottom", 32803, {"Alt+End"}, MainCommand::MoveBottom},
      {"actEditTrackName", 16453, {"Ctrl+E"}, MainCommand::EditTrackName},
      {"actCreateMP3Comp", 16451, {"Ctrl+C"}, MainCommand::CreateMP3Comp},
      {"actExport", 16472, {"Ctrl+X"}, MainCommand::Export},
      {"actRandomizeOrder", 16466, {"Ctrl+R"}, MainCommand::RandomizeOrder},
      {"actReverseOrder", 16470, {"Ctrl+V"}, MainCommand::ReverseOrder},
      {"actVolUp", 16422, {"Ctrl+Up"}, MainCommand::VolUp},
      {"actVolDown", 16424, {"Ctrl+Down"}, MainCommand::VolDown},
      {"actMute", 16461, {"Ctrl+M"}, MainCommand::Mute},
      {"actPlay", 0, {}, MainCommand::Play},
      {"actStop", 0, {}, MainCommand::Stop},
      {"actPause", 0, {}, MainCommand::Pause},
      {"actNext", 0, {}, MainCommand::Next},
      {"actPrevious", 0, {}, MainCommand::Previous},
      {"actRepeat", 32850, {"Alt+R"}, MainCommand::Repeat},
      {"actShuffle", 32851, {"Alt+S"}, MainCommand::Shuffle},
      {"mniExportSel1", 0, {}, MainCommand::ExportSelected},
      {"mniCColumns1", 0, {}, MainCommand::CustomizeColumns},
  };
  const std::span<const MainAction> actions = MainActionList();
  ASSERT_EQ(actions.size(), table.size());
  for (std::size_t i = 0; i < table.size(); ++i) {
    const Row& row = table[i];
    const MainAction& action = actions[i];
    SCOPED_TRACE(row.name);
    EXPECT_STREQ(action.name, row.name);
    EXPECT_EQ(action.shortcut, row.stored);
    EXPECT_EQ(KeyTexts(action.shortcut), row.keys);
    EXPECT_EQ(action.command, row.command);
  }
}

// Qt runs neither action of a key that two of them claim.
TEST(MainActionListTest, NoKeyRunsTwoActions) {
  std::set<std::string> seen;
  for (const MainAction& action : MainActionList())
    for (const std::string& key : KeyTexts(action.shortcut))
      EXPECT_TRUE(seen.insert(key).second) << key << " again for " << action.name;
}

// Remove Selected gives Del up while a track name is edited and takes back the same key.
TEST(MainActionListTest, RemoveSelectedGetsBackItsOwnKey) {
  const std::span<const MainAction> actions = MainActionList();
  const auto removeSel = std::ranges::find(actions, MainCommand::RemoveSel, &MainAction::command);
  ASSERT_NE(removeSel, actions.end());
  EXPECT_EQ(removeSel->shortcut, kRemoveSelectedShortcut);
  EXPECT_TRUE(KeyStrokesOfStored(0).empty());  // while the name is edited
}

// The captions the menu items linked to these commands show.
TEST(MainActionListTest, TheCaptionsOfTheMenuItems) {
  const std::vector<std::pair<MainCommand, const char*>> table = {
      {MainCommand::UpdateTag, "View Info & Edit ID3 Tag..."},
      {MainCommand::Export, "Export All..."},
      {MainCommand::ExportSelected, "Export Selected..."},
      {MainCommand::CustomizeColumns, "Customize Columns..."},
  };
  const std::span<const MainAction> actions = MainActionList();
  for (const auto& [command, caption] : table) {
    const auto action = std::ranges::find(actions, command, &MainAction::command);
    ASSERT_NE(action, actions.end()) << caption;
    EXPECT_STREQ(action->caption, caption);
  }
}

}  // namespace
