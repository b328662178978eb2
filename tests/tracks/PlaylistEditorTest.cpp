#include "tracks/PlaylistEditor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "tracks/PlaylistFixture.h"

namespace {

using Names = std::vector<std::string>;

Names Numbers(int n) {
  Names numbers;
  for (int i = 1; i <= n; ++i) numbers.push_back(std::to_string(i) + ".");
  return numbers;
}

class PlaylistEditorTest : public PlaylistFixture {};

// Three tracks of 60 s: 3 × 960000 bytes.
TEST_F(PlaylistEditorTest, TotalsLineShowsTheWholePlaylistOrASelectionOfMp3Files) {
  FillTracks({60, 60, 60});
  const std::string notes = dir.write("notes.txt", "not a track");
  Fill({notes});
  EXPECT_EQ(editor.lblInfo2(), "Total: 3 tracks | 03:00 | 2.75 MB");

  struct Case {
    std::vector<int> selected;
    std::string line;
  };
  const std::vector<Case> cases = {
      {{1, 2}, "Selected: 2 tracks | 02:00 | 1.83 MB"},
      {{1, 2, 3}, "Selected: 3 tracks | 03:00 | 2.75 MB"},
      {{2}, "Total: 3 tracks | 03:00 | 2.75 MB"},
      {{3, 4}, "Total: 3 tracks | 03:00 | 2.75 MB"},  // only one of them is an MP3 file
      {{}, "Total: 3 tracks | 03:00 | 2.75 MB"},
  };
  for (const Case& c : cases) {
    Select(c.selected);
    editor.grdPlaylistSelectionChanged();
    EXPECT_EQ(editor.lblInfo2(), c.line) << c.selected.size() << " rows selected";
  }
}

TEST_F(PlaylistEditorTest, CtrlClickRefreshesTotalsWhetherARowJoinsOrLeaves) {
  FillTracks({60, 60, 60});
  Select({1, 2});
  editor.grdPlaylistRowDisjunctSelected();
  EXPECT_EQ(editor.lblInfo2(), "Selected: 2 tracks | 02:00 | 1.83 MB");
  Select({1});
  editor.grdPlaylistRowDisjunctSelected();
  EXPECT_EQ(editor.lblInfo2(), "Total: 3 tracks | 03:00 | 2.75 MB");
}

TEST_F(PlaylistEditorTest, RemovingTheOnlyRowEmptiesThePlaylist) {
  FillTracks({60});
  EXPECT_FALSE(tables.pnlHelpVisible());
  Select({1});
  editor.actRemoveSelExecute();
  EXPECT_TRUE(playlist.isEmpty());
  EXPECT_EQ(playlist.dataRowCount(), 1);
  EXPECT_EQ(TrackNames(), Names{""});
  EXPECT_TRUE(tables.pnlHelpVisible());
  EXPECT_EQ(playlist.selectionColour(), playlist.background());
  EXPECT_EQ(editor.lblInfo2(), "Total: 0 tracks | 00:00 | 0");
}

TEST_F(PlaylistEditorTest, RemovingSelectedRowsTakesTheirFilesOffTheTotals) {
  FillTracks({60, 120, 30, 90});
  Select({1, 3});
  editor.actRemoveSelExecute();
  EXPECT_EQ(TrackNames(), (Names{"2", "4"}));
  EXPECT_EQ(Column("#"), Numbers(2));
  EXPECT_EQ(editor.lblInfo2(), "Total: 2 tracks | 03:30 | 3.20 MB");
}

TEST_F(PlaylistEditorTest, AnEmptiedPlaylistHasExactlyZeroTotalsAndNothingToSave) {
  // Playing times that are not whole seconds leave a rounding rest when taken off one by one.
  FillTracks({0.1, 0.2, 0.3});
  ASSERT_NE(tables.MP3Size(playlist).Duration, 0.0);
  playlist.selectAll();
  editor.actRemoveSelExecute();
  EXPECT_EQ(tables.MP3Size(playlist).Duration, 0.0);
  EXPECT_EQ(tables.MP3Size(playlist).Size, 0);
  EXPECT_EQ(tables.MP3Size(playlist).Count, 0);
  EXPECT_EQ(editor.lblInfo2(), "Total: 0 tracks | 00:00 | 0");
  document.actNewExecute();  // asks nothing: there is nothing to save
  EXPECT_TRUE(dialogs.shown().empty());
}

struct MoveCase {
  const char* what;
  MoveMode mode;
  std::vector<int> selected;
  int target;
  Names order;  // by old row numbers
  std::vector<int> selectedAfter;
};

TEST_F(PlaylistEditorTest, MovesKeepTheGapsBetweenSelectedRows) {
  const std::vector<MoveCase> cases = {
      {"up from the top", MoveMode::Up, {1, 3}, 0, {"1", "2", "3", "4", "5", "6"}, {1, 3}},
      {"up", MoveMode::Up, {2, 4}, 0, {"2", "1", "4", "3", "5", "6"}, {1, 3}},
      {"down", MoveMode::Down, {1, 3}, 0, {"2", "1", "4", "3", "5", "6"}, {2, 4}},
      {"down from the bottom", MoveMode::Down, {5, 6}, 0, {"1", "2", "3", "4", "5", "6"}, {5, 6}},
      {"to top", MoveMode::ToTop, {3, 5}, 0, {"3", "1", "5", "2", "4", "6"}, {1, 3}},
      {"to bottom", MoveMode::ToBottom, {2, 4}, 0, {"1", "3", "5", "2", "6", "4"}, {4, 6}},
      {"drop inside the block", MoveMode::Drop, {2, 3}, 3, {"1", "2", "3", "4", "5", "6"}, {2, 3}},
      {"drop below", MoveMode::Drop, {2, 3}, 6, {"1", "4", "5", "6", "2", "3"}, {5, 6}},
      {"drop above", MoveMode::Drop, {4, 5}, 2, {"1", "4", "5", "2", "3", "6"}, {2, 3}},
      {"drop on the header", MoveMode::Drop, {4, 5}, 0, {"1", "2", "3", "4", "5", "6"}, {4, 5}},
      {"drop below the last row", MoveMode::Drop, {1, 3}, 7, {"2", "4", "5", "1", "6", "3"},
       {4, 6}},
      {"drop past the end", MoveMode::Drop, {1}, 8, {"1", "2", "3", "4", "5", "6"}, {1}},
  };
  const std::vector<std::string> paths = FillTracks({1, 2, 3, 4, 5, 6});
  for (const MoveCase& c : cases) {
    SCOPED_TRACE(c.what);
    tables.ClearGrid(playlist);
    Fill(paths);
    Select(c.selected);
    editor.MoveSelected(c.mode, c.target);
    EXPECT_EQ(TrackNames(), c.order);
    EXPECT_EQ(playlist.selectedRows(), c.selectedAfter);
    EXPECT_EQ(Column("#"), Numbers(6));
  }
}

TEST_F(PlaylistEditorTest, MoveCommandsMapToTheirModes) {
  FillTracks({1, 2, 3});
  const std::vector<std::pair<std::function<void()>, Names>> cases = {
      {[&] { editor.actMoveUpExecute(); }, {"2", "1", "3"}},
      {[&] { editor.actMoveDownExecute(); }, {"1", "2", "3"}},
      {[&] { editor.actMoveBottomExecute(); }, {"1", "3", "2"}},
      {[&] { editor.actMoveTopExecute(); }, {"2", "1", "3"}},
  };
  Select({2});
  for (const auto& [command, order] : cases) {
    command();
    EXPECT_EQ(TrackNames(), order);
  }
}

TEST_F(PlaylistEditorTest, GroupingGathersTheSelectionBehindItsFirstRow) {
  FillTracks({1, 2, 3, 4, 5, 6, 7});
  Select({2, 5, 7});
  editor.actGroupExecute();
  EXPECT_EQ(TrackNames(), (Names{"1", "2", "5", "7", "3", "4", "6"}));
  EXPECT_EQ(playlist.selectedRows(), (std::vector<int>{2, 3, 4}));
  EXPECT_EQ(Column("#"), Numbers(7));
}

TEST_F(PlaylistEditorTest, ReverseOrder) {
  FillTracks({1, 2, 3, 4});
  editor.actReverseOrderExecute();
  EXPECT_EQ(TrackNames(), (Names{"4", "3", "2", "1"}));
  EXPECT_EQ(Column("#"), Numbers(4));
  EXPECT_TRUE(dialogs.shown().empty());
}

// Seeded with tick 1, the draws MrngRange(1, 5), (2, 5), (3, 5) are 1, 2 and 3.
TEST_F(PlaylistEditorTest, RandomizeOrderIsSeededByTheClock) {
  FillTracks({1, 2, 3, 4});
  dialogs.willAnswer(DialogAnswer::Yes);
  editor.actRandomizeOrderExecute();
  EXPECT_EQ(dialogs.texts(DialogKind::YesNo), Names{"Are you sure you want to Randomize Order?"});
  EXPECT_EQ(TrackNames(), (Names{"1", "3", "2", "4"}));
  EXPECT_EQ(Column("#"), Numbers(4));
}

TEST_F(PlaylistEditorTest, RandomizeOrderKeepsEveryRowOnce) {
  FillTracks({1, 2, 3, 4, 5, 6, 7, 8, 9});
  for (std::uint32_t tick : {0u, 7u, 123456789u, 0xFFFFFFFFu}) {
    ticks = tick;
    dialogs.willAnswer(DialogAnswer::Yes);
    editor.RandomizeOrder();
    Names names = TrackNames();
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (Names{"1", "2", "3", "4", "5", "6", "7", "8", "9"})) << tick;
  }
}

TEST_F(PlaylistEditorTest, QuestionsAnsweredNoChangeNothing) {
  FillTracks({60, 120, 30, 90});
  Select({2, 3});
  const std::string before = Snapshot();
  const std::vector<std::pair<std::function<void()>, std::string>> cases = {
      {[&] { editor.actRemoveAllExecute(); }, "Are you sure you want to Remove All?"},
      {[&] { editor.actCropExecute(); }, "Are you sure you want to Crop Selected?"},
      {[&] { editor.actRandomizeOrderExecute(); }, "Are you sure you want to Randomize Order?"},
  };
  for (const auto& [command, question] : cases) {
    dialogs.willAnswer(DialogAnswer::No);
    command();
    EXPECT_EQ(dialogs.shown().back().text, question);
    EXPECT_EQ(Snapshot(), before) << question;
  }
}

TEST_F(PlaylistEditorTest, RemoveAllClearsThePlaylist) {
  FillTracks({60, 120});
  dialogs.willAnswer(DialogAnswer::Yes);
  editor.actRemoveAllExecute();
  EXPECT_TRUE(playlist.isEmpty());
  EXPECT_EQ(playlist.dataRowCount(), 1);
  EXPECT_TRUE(tables.pnlHelpVisible());
  EXPECT_EQ(editor.lblInfo2(), "Total: 0 tracks | 00:00 | 0");
}

TEST_F(PlaylistEditorTest, CropKeepsTheSelectionAndRecountsItsFiles) {
  FillTracks({60, 120, 30, 90});
  Select({2, 3});
  dialogs.willAnswer(DialogAnswer::Yes);
  editor.actCropExecute();
  EXPECT_EQ(TrackNames(), (Names{"2", "3"}));
  EXPECT_EQ(Column("#"), Numbers(2));
  Select({});
  editor.grdPlaylistSelectionChanged();
  EXPECT_EQ(editor.lblInfo2(), "Total: 2 tracks | 02:30 | 2.29 MB");
}

TEST_F(PlaylistEditorTest, CheckMissingFilesReportsAndPaintsMissingRows) {
  const std::vector<std::string> paths = FillTracks({60, 120, 30});
  editor.grdPlaylistCellValidate(1, 1, "Edited");
  std::filesystem::remove(paths[1]);
  const Names idsBefore = Column("ID");
  EXPECT_EQ(editor.CheckMissingFiles(false), 1);
  EXPECT_EQ(TrackNames(), (Names{"1", "2", "3"}));  // the edited name is derived anew
  EXPECT_EQ(playlist.effectiveTextColour(2), kRed);
  EXPECT_EQ(playlist.effectiveBackground(2, 1), playlist.background());
  EXPECT_NE(playlist.effectiveTextColour(1), kRed);
  EXPECT_NE(Column("ID")[0], idsBefore[0]);
  EXPECT_EQ(editor.lblInfo2(), "Total: 2 tracks | 01:30 | 1.37 MB");
  // The file back again: no longer red.
  Track("2", 120);
  EXPECT_EQ(editor.CheckMissingFiles(false), 0);
  EXPECT_NE(playlist.effectiveTextColour(2), kRed);
  EXPECT_EQ(editor.lblInfo2(), "Total: 3 tracks | 03:30 | 3.20 MB");
}

TEST_F(PlaylistEditorTest, RemoveMissingFilesRemovesTheirRows) {
  const std::vector<std::string> paths = FillTracks({60, 120, 30});
  std::filesystem::remove(paths[0]);
  std::filesystem::remove(paths[2]);
  editor.actRemoveMissExecute();
  EXPECT_EQ(TrackNames(), Names{"2"});
  EXPECT_EQ(Column("#"), Numbers(1));
  EXPECT_EQ(editor.lblInfo2(), "Total: 1 tracks | 02:00 | 1.83 MB");
  EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(PlaylistEditorTest, RemoveMissingFilesOfTheOnlyRowEmptiesThePlaylist) {
  const std::vector<std::string> paths = FillTracks({60});
  std::filesystem::remove(paths[0]);
  editor.actRemoveMissExecute();
  EXPECT_TRUE(playlist.isEmpty());
  EXPECT_EQ(playlist.dataRowCount(), 1);
  EXPECT_EQ(TrackNames(), Names{""});
  EXPECT_TRUE(tables.pnlHelpVisible());
  EXPECT_EQ(editor.lblInfo2(), "Total: 0 tracks | 00:00 | 0");
}

struct GuardCase {
  const char* what;
  std::function<void(PlaylistEditor&)> command;
};

// Every command on an empty playlist, and the ones that need more on a one-row playlist with
// one selected row, do nothing and ask nothing (an unexpected question fails the test).
TEST_F(PlaylistEditorTest, CommandsDoNothingWhenTheirGuardFails) {
  const std::vector<GuardCase> cases = {
      {"remove selected", [](PlaylistEditor& e) { e.actRemoveSelExecute(); }},
      {"remove all", [](PlaylistEditor& e) { e.actRemoveAllExecute(); }},
      {"remove missing", [](PlaylistEditor& e) { e.actRemoveMissExecute(); }},
      {"crop", [](PlaylistEditor& e) { e.actCropExecute(); }},
      {"group", [](PlaylistEditor& e) { e.actGroupExecute(); }},
      {"up", [](PlaylistEditor& e) { e.actMoveUpExecute(); }},
      {"down", [](PlaylistEditor& e) { e.actMoveDownExecute(); }},
      {"top", [](PlaylistEditor& e) { e.actMoveTopExecute(); }},
      {"bottom", [](PlaylistEditor& e) { e.actMoveBottomExecute(); }},
      {"drop", [](PlaylistEditor& e) { e.DropSelectedOn(1); }},
      {"reverse", [](PlaylistEditor& e) { e.actReverseOrderExecute(); }},
      {"randomize", [](PlaylistEditor& e) { e.actRandomizeOrderExecute(); }},
      {"edit track name", [](PlaylistEditor& e) { e.actEditTrackNameExecute(); }},
  };
  playlist.selectRow(1);  // even a selected blank row of an empty playlist
  std::string before = Snapshot();
  for (const GuardCase& c : cases) {
    c.command(editor);
    EXPECT_EQ(Snapshot(), before) << "empty playlist: " << c.what;
  }
  FillTracks({60});
  Select({1});
  before = Snapshot();
  for (std::size_t i : {4u, 10u, 11u}) {  // group, reverse, randomize
    cases[i].command(editor);
    EXPECT_EQ(Snapshot(), before) << "one row: " << cases[i].what;
  }
  Select({});
  before = Snapshot();
  for (std::size_t i : {0u, 3u, 12u}) {  // remove selected, crop, edit track name
    cases[i].command(editor);
    EXPECT_EQ(Snapshot(), before) << "no selection: " << cases[i].what;
  }
  EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(PlaylistEditorTest, EditingATrackNameTakesDeleteAwayFromRemoveSelected) {
  FillTracks({60, 120});
  Select({2});
  playlist.setCurrentRow(2);
  EXPECT_EQ(editor.removeSelectedShortcut(), kRemoveSelectedShortcut);

  editor.actEditTrackNameExecute();
  EXPECT_TRUE(editor.editingTrackName());
  EXPECT_EQ(editor.removeSelectedShortcut(), 0);
  EXPECT_TRUE(playlist.editingAllowed());
  EXPECT_FALSE(playlist.rowSelect());
  EXPECT_FALSE(playlist.selectionShown());
  EXPECT_EQ(playlist.currentColumn(), 1);
  EXPECT_TRUE(playlist.editorOpen());
  EXPECT_EQ(playlist.editorRow(), 2);
  EXPECT_EQ(playlist.editorColumn(), 1);
  EXPECT_EQ(playlist.effectiveBackground(2, 1), kRed);
  EXPECT_EQ(playlist.effectiveBackground(2, 2), playlist.background());

  EXPECT_TRUE(editor.grdPlaylistCellValidate(2, 1, "My own name"));
  editor.grdPlaylistCellChanging();
  EXPECT_FALSE(editor.editingTrackName());
  EXPECT_EQ(editor.removeSelectedShortcut(), kRemoveSelectedShortcut);
  EXPECT_FALSE(playlist.editingAllowed());
  EXPECT_TRUE(playlist.rowSelect());
  EXPECT_TRUE(playlist.selectionShown());
  EXPECT_FALSE(playlist.editorOpen());
  EXPECT_EQ(playlist.effectiveBackground(2, 1), playlist.background());
  EXPECT_EQ(TrackNames(), (Names{"1", "My own name"}));

  // Enter or Esc without an open editor changes nothing.
  const std::string before = Snapshot();
  editor.EndTrackNameEditing();
  EXPECT_EQ(Snapshot(), before);
}

}  // namespace
