#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "metadata/MPEGaudio.h"
#include "support/FaultyFileSystem.h"
#include "support/Mp3Builder.h"
#include "support/ScriptedDialogs.h"
#include "support/TagBuilder.h"
#include "support/TempDir.h"
#include "tageditor/TagEditor.h"
#include "tracks/TrackColumns.h"
#include "tracks/TrackTexts.h"

namespace {

using namespace std::string_literals;

const std::string kAudio = Mp3Frames(MpegFrame{}, 20);

std::string Text24(std::string_view id, std::string_view text) {
  return Id3v2Frame24(id, Id3v2TextPayload(text));
}

TagTexts TextsInFile(const std::string& path) {
  TMPEGaudio analyser;
  recMP3Info info;
  ReadTrackInfo(analyser, path, info);
  return TagTextsOf(info);
}

// The tables of a window with one file in the playlist, the playlist side active, and the tag
// editor over them with its dialogs scripted.
struct OneRowWindow {
  OneRowWindow(platform::FileSystem& fs, const std::string& path)
      : analyser(fs), tables(analyser, fs) {
    tables.SetUpColumns();
    tables.setActiveGrid(GridId::Playlist);
    EXPECT_TRUE(tables.FillRowFromItem(grid(), 1, FileItem(path)));
  }
  TrackGrid& grid() { return tables.grdPlaylist(); }

  TMPEGaudio analyser;
  TrackTables tables;
  ScriptedDialogs dialogs;
  TagEditor editor{tables, dialogs, dialogs};
};

// The tag editor over the window's tables, its dialogs scripted, with the playlist side active.
class TagEditorTest : public ::testing::Test {
 protected:
  TagEditorTest() {
    tables.SetUpColumns();
    tables.setActiveGrid(GridId::Playlist);
  }

  // Appends the file to the grid; returns its row.
  int Add(TrackGrid& grid, const std::string& path) {
    const int row = grid.isEmpty() ? 1 : grid.addRow();
    EXPECT_TRUE(tables.FillRowFromItem(grid, row, FileItem(path)));
    return row;
  }
  std::string Cell(const TrackGrid& grid, int row, std::string_view column) const {
    return grid.cell(row, tables.ColumnByName(grid, column));
  }
  std::vector<std::string> Row(const TrackGrid& grid, int row) const {
    std::vector<std::string> cells;
    for (int col = 0; col < grid.columnCount(); ++col) cells.push_back(grid.cell(row, col));
    return cells;
  }
  TrackGrid& playlist() { return tables.grdPlaylist(); }

  TempDir dir;
  FaultyFileSystem fs;
  TMPEGaudio analyser{fs};
  TrackTables tables{analyser, fs};
  ScriptedDialogs dialogs;
  TagEditor editor{tables, dialogs, dialogs};
};

// The editor on a playlist row whose track name was edited by hand: what it shows, what the file
// holds afterwards, and the name the row then has.
TEST_F(TagEditorTest, WhatTheEditorShowsAndWrites) {
  struct Case {
    const char* name;
    std::string file;
    std::function<void(TagTexts&)> edit;  // null: Cancel
    TagTexts shown;
    TagTexts after;
    std::string trackName;
    // Further checks on the file's bytes before and after.
    std::function<void(const std::string&, const std::string&)> check = nullptr;
  };
  const std::string v1 = Id3v1Block({.title = "V1 Title",
                                     .artist = "V1 Artist",
                                     .album = "V1 Album",
                                     .year = "1999",
                                     .genre = 17});
  const std::string picture(3000, '\x5A');
  const std::string longComment(600, 'L');
  const std::vector<Case> cases = {
      {"Cancel writes nothing",
       Id3v23TextTag({.title = "Old", .artist = "A"}) + kAudio,
       nullptr,
       {.title = "Old", .artist = "A"},
       {.title = "Old", .artist = "A"},
       "by hand",
       [](const std::string& before, const std::string& after) { EXPECT_EQ(after, before); }},
      {"an ID3v1 tag only",
       kAudio + v1,
       [](TagTexts& t) { t.title = "New Title"; },
       {"V1 Title", "V1 Artist", "V1 Album", "1999", "Rock", ""},
       {"New Title", "V1 Artist", "V1 Album", "1999", "Rock", ""},
       "V1 Artist - New Title",
       [&v1](const std::string&, const std::string& after) {
         EXPECT_EQ(after.substr(0, 4), std::string("ID3\x03"));
         EXPECT_EQ(after.substr(after.size() - v1.size()), v1);  // byte for byte
       }},
      {"texts are trimmed",
       Id3v23TextTag({.title = "Old"}) + kAudio,
       [](TagTexts& t) {
         t.title = "  Padded \t";
         t.artist = " X ";
         t.comment = "\tnote  ";
       },
       {.title = "Old"},
       {.title = "Padded", .artist = "X", .comment = "note"},
       "X - Padded"},
      {"an empty genre writes no TCON",
       Id3v23TextTag({.title = "T", .genre = "Rock"}) + kAudio,
       [](TagTexts& t) { t.genre = ""; },
       {.title = "T", .genre = "Rock"},
       {.title = "T"},
       " - T",
       [](const std::string&, const std::string& after) {
         EXPECT_EQ(after.find("TCON"), std::string::npos);
       }},
      {"a typed genre",
       Id3v23TextTag({.title = "T"}) + kAudio,
       [](TagTexts& t) { t.genre = "Chiptune Polka"; },
       {.title = "T"},
       {.title = "T", .genre = "Chiptune Polka"},
       " - T"},
      {"no artist and no title: the file's name",
       Id3v23TextTag({.title = "T", .artist = "A"}) + kAudio,
       [](TagTexts& t) { t.title = t.artist = ""; },
       {.title = "T", .artist = "A"},
       {},
       "a"},
      {"texts in any script",
       Id3v23TextTag({.title = "T"}) + kAudio,
       [](TagTexts& t) {
         t.title = "Ærø café";   // Latin-1
         t.artist = "東京事変";  // UTF-16
         t.comment = "Ελληνικά";
       },
       {.title = "T"},
       {.title = "Ærø café", .artist = "東京事変", .comment = "Ελληνικά"},
       "東京事変 - Ærø café"},
      {"a 2.4 tag shows its texts and keeps its picture",
       Id3v2Tag(4, Text24("TIT2", "Four") + Text24("TPE1", "Artist 4") +
                       Id3v2Frame24("APIC", Id3v2TextPayload(std::string("image/png\0\x03\0", 13)) +
                                                picture)) +
           kAudio,
       [](TagTexts& t) { t.album = "New Album"; },
       {.title = "Four", .artist = "Artist 4"},
       {.title = "Four", .artist = "Artist 4", .album = "New Album"},
       "Artist 4 - Four",
       [&picture](const std::string&, const std::string& after) {
         EXPECT_EQ(after.substr(0, 4), std::string("ID3\x03"));
         EXPECT_NE(after.find("APIC"), std::string::npos);
         EXPECT_NE(after.find(picture), std::string::npos);
       }},
      {"a comment longer than what is shown keeps its end",
       Id3v2Tag(3, Id3v2Frame23("TIT2", Id3v2TextPayload("T")) +
                       Id3v2Frame23("COMM", Id3v2TextPayload("eng\0"s + longComment))) +
           kAudio,
       [](TagTexts& t) { t.title = "New"; },
       {.title = "T", .comment = longComment.substr(0, 245)},
       {.title = "New", .comment = longComment.substr(0, 245)},
       " - New",
       [&longComment](const std::string&, const std::string& after) {
         EXPECT_NE(after.find(longComment), std::string::npos);
       }},
      {"a 2.2 tag shows its texts",
       Id3v2Tag(2, Id3v2Frame22("TT2", Id3v2TextPayload("Two")) +
                       Id3v2Frame22("TP1", Id3v2TextPayload("Artist 2"))) +
           kAudio,
       [](TagTexts& t) { t.year = "2002"; },
       {.title = "Two", .artist = "Artist 2"},
       {.title = "Two", .artist = "Artist 2", .year = "2002"},
       "Artist 2 - Two"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir files;
    const std::string path = files.write("a.mp3", c.file);
    OneRowWindow window(fs, path);
    TrackGrid& grid = window.grid();
    grid.setCell(1, kPlaylistTrackNameColumn, "by hand");
    const std::vector<std::string> before = Row(grid, 1);
    ScriptedDialogs& script = window.dialogs;
    if (c.edit) {
      script.willUpdateTag(c.edit);
    } else {
      script.willCancelTag();
    }

    const TrackGrid* refreshed = window.editor.ShowTagEditor(false, {});

    ASSERT_EQ(script.tagEditors().size(), 1u);
    EXPECT_EQ(script.tagEditors()[0].view.texts, c.shown);
    EXPECT_EQ(TextsInFile(path), c.after);
    EXPECT_EQ(grid.cell(1, kPlaylistTrackNameColumn), c.trackName);
    EXPECT_EQ(refreshed, c.edit ? &grid : nullptr);
    if (!c.edit) {
      EXPECT_EQ(Row(grid, 1), before);
    }
    if (c.check) c.check(c.file, ReadFileBytes(path));
    EXPECT_TRUE(script.texts(DialogKind::Error).empty());
  }
}

TEST_F(TagEditorTest, AFailedWriteSaysWhyAndShowsTheTypedTextsAgain) {
  struct Case {
    const char* name;
    std::function<void(FaultyFileSystem&, const std::string&)> inject;
    std::string reason;
  };
  const std::vector<Case> cases = {
      {"the file went away",
       [](FaultyFileSystem&, const std::string& path) { std::filesystem::remove(path); },
       "The file does not exist."},
      {"the folder takes no new file",
       [](FaultyFileSystem& f, const std::string&) { f.failCreate = true; },
       "Its folder is not writable."},
      {"the disk is full",
       [](FaultyFileSystem& f, const std::string&) {
         f.failWriteAfterBytes = true;
         f.writeLimit = 100;
         f.freeSpaceOverride = 100;
       },
       "The disk is full."},
      {"the new file cannot be written",
       [](FaultyFileSystem& f, const std::string&) { f.failFlush = true; },
       "The new file could not be written."},
      {"the file cannot be replaced",
       [](FaultyFileSystem& f, const std::string&) { f.failRename = true; },
       "The file could not be replaced."},
      {"the file cannot be read",
       [](FaultyFileSystem& f, const std::string&) { f.failOpenRead = true; },
       "The file cannot be read."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir files;
    const std::string original = Id3v23TextTag({.title = "Old", .artist = "A"}, 500) + kAudio;
    const std::string path = files.write("a.mp3", original);
    FaultyFileSystem faulty;
    OneRowWindow window(faulty, path);
    const std::vector<std::string> before = Row(window.grid(), 1);
    ScriptedDialogs& script = window.dialogs;
    script.willUpdateTag([&](TagTexts& t) {
      t.title = "Typed";
      t.comment = "kept";
      c.inject(faulty, path);  // the failure strikes while the dialog is open
    });
    script.willCancelTag();

    EXPECT_EQ(window.editor.ShowTagEditor(false, {}), nullptr);

    EXPECT_EQ(script.texts(DialogKind::Error),
              std::vector<std::string>{"Cannot write the tag of file \"" + path + "\". " +
                                       c.reason + " The file is unchanged."});
    ASSERT_EQ(script.tagEditors().size(), 2u);
    EXPECT_EQ(script.tagEditors()[1].view.texts,
              (TagTexts{.title = "Typed", .artist = "A", .comment = "kept"}));
    EXPECT_EQ(script.tagEditors()[1].view.edtFile, path);
    const bool gone = !std::filesystem::exists(path);
    EXPECT_EQ(ReadFileBytes(path), gone ? "" : original);
    EXPECT_EQ(SortedFolderNames(files.path()).size(), gone ? 0u : 1u);  // no temporary file
    EXPECT_EQ(Row(window.grid(), 1), before);
  }
}

TEST_F(TagEditorTest, UpdateAfterAFailureWritesWhatWasTyped) {
  const std::string path = dir.write("a.mp3", Id3v23TextTag({.title = "Old"}) + kAudio);
  Add(playlist(), path);
  dialogs.willUpdateTag([&](TagTexts& t) {
    t.title = "Typed";
    fs.failRename = true;
  });
  dialogs.willUpdateTag([&](TagTexts&) { fs.failRename = false; });  // tries again as it stands
  EXPECT_EQ(editor.ShowTagEditor(false, {}), &playlist());
  EXPECT_EQ(dialogs.texts(DialogKind::Error).size(), 1u);
  EXPECT_EQ(TextsInFile(path).title, "Typed");
  EXPECT_EQ(Cell(playlist(), 1, kColumnTitle), "Typed");
}

// The player may read another file with the window's analyser while the dialog is open.
TEST_F(TagEditorTest, TheUpdateIsBuiltFromWhatWasReadForTheEditedFile) {
  const std::string mine =
      dir.write("a.mp3", Id3v2Tag(3, Id3v2Frame23("TIT2", Id3v2TextPayload("Mine")) +
                                         Id3v2Frame23("TCOM", Id3v2TextPayload("My Composer"))) +
                             kAudio);
  const std::string other =
      dir.write("b.mp3", Id3v2Tag(3, Id3v2Frame23("TIT2", Id3v2TextPayload("Other")) +
                                         Id3v2Frame23("TCOM", Id3v2TextPayload("Other Composer"))) +
                             kAudio);
  Add(playlist(), mine);
  dialogs.willUpdateTag([&](TagTexts& t) {
    t.year = "2001";
    analyser.AnalyzeFile(other);  // the next track starts
  });
  editor.ShowTagEditor(false, {});
  TID3v2 tag;
  ASSERT_TRUE(tag.LoadTag(mine));
  EXPECT_EQ(tag.title(), "Mine");
  EXPECT_EQ(tag.composer(), "My Composer");
  EXPECT_EQ(tag.year(), "2001");
}

TEST_F(TagEditorTest, TheRowsSizeAndTheTotalsFollowTheNewSize) {
  const std::string path = dir.write("a.mp3", Id3v23TextTag({.title = "T"}, 0, 4000) + kAudio);
  Add(playlist(), dir.write("b.mp3", kAudio));
  Add(playlist(), path);
  playlist().setCurrentRow(2);
  const recMP3Size before = tables.MP3Size(playlist());
  dialogs.willUpdateTag([](TagTexts& t) { t.title = "New"; });  // the padding goes
  editor.ShowTagEditor(false, {});
  const std::int64_t size = std::filesystem::file_size(path);
  ASSERT_LT(size, static_cast<std::int64_t>(kAudio.size()) + 4000);
  EXPECT_EQ(Cell(playlist(), 2, kColumnSize), SizeText(size));
  EXPECT_EQ(Cell(playlist(), 2, kColumnSize2), std::to_string(size));
  const recMP3Size& after = tables.MP3Size(playlist());
  EXPECT_EQ(after.Size, static_cast<std::int64_t>(kAudio.size()) + size);
  EXPECT_EQ(after.Count, before.Count);
  EXPECT_DOUBLE_EQ(after.Duration, before.Duration);
}

TEST_F(TagEditorTest, NothingOpensWhileAFolderRowIsCurrentInTheActiveBrowserGrid) {
  TrackGrid& browser = tables.grdBrowser();
  ASSERT_TRUE(tables.FillRowFromItem(browser, 1, FolderItem(dir.path(), "sub")));
  const std::string path = dir.write("a.mp3", kAudio);
  Add(browser, path);
  browser.setCurrentRow(1);
  tables.setActiveGrid(GridId::Browser);
  EXPECT_EQ(editor.ShowTagEditor(false, {}), nullptr);
  EXPECT_EQ(editor.ShowTagEditor(true, {path, &browser}), nullptr);
  EXPECT_TRUE(dialogs.tagEditors().empty());

  browser.setCurrentRow(2);  // an MP3 row: both open
  dialogs.willCancelTag().willCancelTag();
  editor.ShowTagEditor(false, {});
  editor.ShowTagEditor(true, {path, &browser});
  EXPECT_EQ(dialogs.tagEditors().size(), 2u);
}

// From the player, the row refreshed is the one its grid last started when the dialog opened,
// and only while it still holds the edited file.
TEST_F(TagEditorTest, AnUpdateFromThePlayerRefreshesTheRowItLastStarted) {
  struct Case {
    const char* name;
    std::function<void(TrackTables&, TrackGrid&)> meanwhile;  // while the dialog is open
    bool refreshed;
  };
  const std::vector<Case> cases = {
      {"the row is still there", [](TrackTables&, TrackGrid&) {}, true},
      {"another track started meanwhile",
       [](TrackTables& t, TrackGrid& g) { t.MP3Size(g).LastPlayed = t.RowID(g, 2); }, true},
      {"the row moved", [](TrackTables&, TrackGrid& g) { g.moveRow(1, 2); }, true},
      {"the row was removed", [](TrackTables&, TrackGrid& g) { g.removeRow(1); }, false},
      {"the row now holds another file",
       [](TrackTables& t, TrackGrid& g) { t.SetCellByName(g, 1, "/x/other.mp3", kColumnPath); },
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    tables.ClearGrid(playlist());
    const std::string a = dir.write("a.mp3", Id3v23TextTag({.title = "A"}) + kAudio);
    const std::string b = dir.write("b.mp3", Id3v23TextTag({.title = "B"}) + kAudio);
    Add(playlist(), a);
    Add(playlist(), b);
    const std::string id = tables.RowID(playlist(), 1);
    tables.MP3Size(playlist()).LastPlayed = id;
    tables.setActiveGrid(GridId::Browser);  // the player's row is edited whatever is active
    dialogs.willUpdateTag([&](TagTexts& t) {
      t.title = "A2";
      c.meanwhile(tables, playlist());
    });
    const TrackGrid* refreshed = editor.ShowTagEditor(true, {a, &playlist()});
    EXPECT_EQ(refreshed, c.refreshed ? &playlist() : nullptr);
    const int row = tables.RowByID(playlist(), id);
    if (row > 0) {
      EXPECT_EQ(Cell(playlist(), row, kColumnTitle), c.refreshed ? "A2" : "A");
    }
    const int other = tables.RowByID(playlist(), tables.RowID(playlist(), row == 1 ? 2 : 1));
    EXPECT_EQ(Cell(playlist(), other, kColumnTitle), "B");
    EXPECT_EQ(TextsInFile(a).title, "A2");
  }
}

TEST_F(TagEditorTest, FromThePlayerWithoutALastStartedRowNoRowChanges) {
  const std::string path = dir.write("a.mp3", Id3v23TextTag({.title = "A"}) + kAudio);
  Add(playlist(), path);
  dialogs.willUpdateTag([](TagTexts& t) { t.title = "A2"; });
  EXPECT_EQ(editor.ShowTagEditor(true, {path, &playlist()}), nullptr);  // LastPlayed is "-1"
  EXPECT_EQ(Cell(playlist(), 1, kColumnTitle), "A");
  EXPECT_EQ(TextsInFile(path).title, "A2");
}

}  // namespace
