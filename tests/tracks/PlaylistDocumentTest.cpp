#include "tracks/PlaylistDocument.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tracks/PlaylistFile.h"
#include "tracks/PlaylistFixture.h"
#include "tracks/TrickyTrackPaths.h"

namespace {

using Names = std::vector<std::string>;

constexpr char kFilter[] = "M3U Playlist|*.m3u";
constexpr char kSaveQuestion[] = "Do you want to save current MP3 playlist?";

class PlaylistDocumentTest : public PlaylistFixture {};

TEST_F(PlaylistDocumentTest, StartsUntitled) {
  EXPECT_EQ(document.playlistName(), "");
  EXPECT_EQ(document.pnlPlaylistCaption(), "   MP3 Playlist - Untitled");
  EXPECT_EQ(editor.lblInfo2(), "Total: 0 tracks | 0:00 | 0");
  EXPECT_TRUE(tables.pnlHelpVisible());
}

TEST_F(PlaylistDocumentTest, SaveWritesExactBytesAndNamesThePlaylist) {
  Fill({"Intro|" + Track("intro", 215.9), Track("Rock/song", 60)});
  dialogs.willChooseFile(dir.file("list.m3u"));
  EXPECT_TRUE(document.SavePlaylist(""));
  const ShownDialog& dialog = dialogs.shown().at(0);
  EXPECT_EQ(dialog.kind, DialogKind::SaveFile);
  EXPECT_EQ(dialog.text, kFilter);
  EXPECT_EQ(dialog.initial, "");
  EXPECT_EQ(ReadFileBytes(dir.file("list.m3u")),
            "#EXTM3U\r\n#EXTINF: 215,Intro\r\nintro.mp3\r\n#EXTINF: 60,song\r\nRock/song.mp3\r\n");
  EXPECT_EQ(document.playlistName(), dir.file("list.m3u"));
  EXPECT_EQ(document.pnlPlaylistCaption(), "   MP3 Playlist - list");
}

TEST_F(PlaylistDocumentTest, SaveDialogNamesGetTheM3uExtension) {
  Fill({Track("a", 60)});
  for (const char* typed : {"list", "list.txt", "list.m3u"}) {
    dialogs.willChooseFile(dir.file(typed));
    if (std::string(typed) != "list") dialogs.willAnswer(DialogAnswer::Yes);  // now it exists
    EXPECT_TRUE(document.SavePlaylist("")) << typed;
    EXPECT_EQ(document.playlistName(), dir.file("list.m3u")) << typed;
  }
  EXPECT_FALSE(std::filesystem::exists(dir.file("list")));
  EXPECT_FALSE(std::filesystem::exists(dir.file("list.txt")));
  EXPECT_EQ(dialogs.texts(DialogKind::YesNo), Names(2, "File list.m3u already exists. Replace?"));
  // The save dialog proposes the playlist's name once it has one.
  Names proposed;
  for (const ShownDialog& dialog : dialogs.shown())
    if (dialog.kind == DialogKind::SaveFile) proposed.push_back(dialog.initial);
  EXPECT_EQ(proposed, (Names{"", dir.file("list.m3u"), dir.file("list.m3u")}));
}

TEST_F(PlaylistDocumentTest, RefusedOrCancelledSaveWritesNothing) {
  Fill({Track("a", 60)});
  const std::string existing = dir.write("list.m3u", "old");
  dialogs.willChooseFile(existing).willAnswer(DialogAnswer::No);
  EXPECT_FALSE(document.SavePlaylist(""));
  dialogs.willChooseFile("");
  EXPECT_FALSE(document.SavePlaylist(""));
  EXPECT_EQ(ReadFileBytes(existing), "old");
  EXPECT_EQ(document.playlistName(), "");
  EXPECT_EQ(document.pnlPlaylistCaption(), "   MP3 Playlist - Untitled");
}

TEST_F(PlaylistDocumentTest, SaveCommandNeedsItems) {
  document.actSaveExecute();  // an empty playlist: no dialog
  EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(PlaylistDocumentTest, SaveFailureIsShownAndKeepsTheOldFile) {
  Fill({Track("a", 60)});
  const std::string existing = dir.write("list.m3u", "old");
  fs.failWriteAfterBytes = true;
  EXPECT_FALSE(document.SavePlaylist(existing));
  EXPECT_EQ(dialogs.texts(DialogKind::Error), Names{"Cannot write file \"" + existing + "\"."});
  EXPECT_EQ(ReadFileBytes(existing), "old");
  EXPECT_EQ(document.playlistName(), "");
}

TEST_F(PlaylistDocumentTest, OpenRoundTripOfTheThreePathForms) {
  const Names paths = {Track("pl/a", 60), Track("pl/sub/b", 120), Track("other/c", 30)};
  Fill({"First|" + paths[0], paths[1], paths[2]});
  const std::string list = dir.file("pl/list.m3u");
  ASSERT_TRUE(document.SavePlaylist(list));
  EXPECT_EQ(ReadFileBytes(list),
            "#EXTM3U\r\n#EXTINF: 60,First\r\na.mp3\r\n#EXTINF: 120,b\r\n"
            "sub/b.mp3\r\n#EXTINF: 30,c\r\n" +
                paths[2] + "\r\n");
  tables.ClearGrid(playlist);
  EXPECT_TRUE(document.OpenPlaylist(list));
  EXPECT_EQ(Column("Path"), paths);
  EXPECT_EQ(TrackNames(), (Names{"First", "b", "c"}));
  EXPECT_EQ(Column("#"), (Names{"1.", "2.", "3."}));
  EXPECT_EQ(document.playlistName(), list);
  EXPECT_EQ(document.pnlPlaylistCaption(), "   MP3 Playlist - list");
  EXPECT_EQ(editor.lblInfo2(), "Total: 3 tracks | 03:30 | 3.20 MB");
  EXPECT_FALSE(tables.pnlHelpVisible());
  EXPECT_TRUE(dialogs.shown().empty());
}

// Saving and opening again gives back every track, whatever its name looks like.
TEST_F(PlaylistDocumentTest, TracksWithTrickyNamesComeBackInOrder) {
  const Names names = TrickyTrackPaths(7, 120);
  Names items, paths;
  for (std::size_t i = 0; i < names.size(); ++i) {
    paths.push_back(dir.write((i % 3 == 2 ? "other/" : "pl/") + names[i], "x"));
    items.push_back("T" + std::to_string(i) + "|" + paths.back());
  }
  Fill(items);
  const std::string list = dir.file("pl/list.m3u");
  ASSERT_TRUE(document.SavePlaylist(list));
  Names read;
  const PlaylistReadResult result = ReadPlaylistFile(list, read, fs);
  EXPECT_EQ(result.missing, 0);
  EXPECT_EQ(read, items);
  tables.ClearGrid(playlist);
  EXPECT_TRUE(document.OpenPlaylist(list));
  EXPECT_EQ(Column("Path"), paths);
  EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(PlaylistDocumentTest, OpenReportsMissingEntriesOnce) {
  const std::string a = Track("a", 60);
  const std::string list =
      dir.write("list.m3u", "#EXTM3U\r\ngone.mp3\r\na.mp3\r\nalso gone.mp3\r\nsong.ogg\r\n");
  EXPECT_TRUE(document.OpenPlaylist(list));
  EXPECT_EQ(Column("Path"), Names{a});
  EXPECT_EQ(dialogs.texts(DialogKind::Inform),
            Names{"2 MP3 files were not added to MP3 Playlist\r\nbecause they don't exist on "
                  "specified locations."});
}

TEST_F(PlaylistDocumentTest, OpenDialogCancelledOrFileNotFound) {
  Fill({Track("a", 60)});
  const std::string before = Snapshot();
  dialogs.willChooseFile("");
  EXPECT_FALSE(document.OpenPlaylist(""));
  dialogs.willChooseFile(dir.file("none.m3u"));
  document.actOpenExecute();
  EXPECT_EQ(dialogs.shown().at(0).kind, DialogKind::OpenFile);
  EXPECT_EQ(dialogs.shown().at(0).text, kFilter);
  EXPECT_EQ(dialogs.texts(DialogKind::Inform), Names{"File not found."});
  EXPECT_EQ(Snapshot(), before);
}

TEST_F(PlaylistDocumentTest, UnreadablePlaylistIsReportedAndTheOldOneStays) {
  Fill({Track("a", 60)});
  const std::string list = dir.write("list.m3u", "a.mp3\r\n");
  const std::string before = Snapshot();
  fs.failRead = true;
  dialogs.willAnswer(DialogAnswer::No);
  EXPECT_FALSE(document.OpenPlaylist(list));
  fs.failRead = false;
  EXPECT_EQ(dialogs.texts(DialogKind::YesNoCancel), Names{kSaveQuestion});
  EXPECT_EQ(dialogs.texts(DialogKind::Error), Names{"Cannot read file \"" + list + "\"."});
  EXPECT_EQ(Snapshot(), before);
}

TEST_F(PlaylistDocumentTest, OpeningAsksAboutTheCurrentPlaylist) {
  const std::string list = dir.write("list.m3u", "b.mp3\r\n");
  Track("b", 30);
  Fill({Track("a", 60)});
  const std::string before = Snapshot();
  dialogs.willAnswer(DialogAnswer::Cancel);
  EXPECT_FALSE(document.OpenPlaylist(list));
  EXPECT_EQ(Snapshot(), before);
  // Yes, then the save dialog cancelled: nothing changes either.
  dialogs.willAnswer(DialogAnswer::Yes).willChooseFile("");
  EXPECT_FALSE(document.OpenPlaylist(list));
  EXPECT_EQ(Snapshot(), before);
  // Yes and saved: the old playlist is in its file, the new one in the grid.
  dialogs.willAnswer(DialogAnswer::Yes).willChooseFile(dir.file("old"));
  EXPECT_TRUE(document.OpenPlaylist(list));
  EXPECT_EQ(ReadFileBytes(dir.file("old.m3u")), "#EXTM3U\r\n#EXTINF: 60,a\r\na.mp3\r\n");
  EXPECT_EQ(TrackNames(), Names{"b"});
  EXPECT_EQ(document.playlistName(), list);
}

TEST_F(PlaylistDocumentTest, AskSaveAndClear) {
  // Without playing time nothing is asked and nothing cleared.
  const std::string notes = dir.write("notes.txt", "x");
  Fill({notes});
  EXPECT_TRUE(document.AskSaveAndClear());
  EXPECT_EQ(playlist.dataRowCount(), 1);
  EXPECT_FALSE(playlist.isEmpty());

  Fill({Track("a", 60)});
  const std::string before = Snapshot();
  dialogs.willAnswer(DialogAnswer::Cancel);
  EXPECT_FALSE(document.AskSaveAndClear());
  EXPECT_EQ(Snapshot(), before);

  dialogs.willAnswer(DialogAnswer::No);
  EXPECT_TRUE(document.AskSaveAndClear());
  EXPECT_TRUE(playlist.isEmpty());
  EXPECT_EQ(document.playlistName(), "");
}

TEST_F(PlaylistDocumentTest, NewPlaylist) {
  document.actNewExecute();  // empty: asks nothing
  EXPECT_TRUE(dialogs.shown().empty());
  EXPECT_EQ(editor.lblInfo2(), "Total: 0 tracks | 00:00 | 0");

  Fill({Track("a", 60)});
  ASSERT_TRUE(document.SavePlaylist(dir.file("Party.m3u")));
  dialogs.willAnswer(DialogAnswer::Cancel);
  document.actNewExecute();
  EXPECT_EQ(TrackNames(), Names{"a"});
  EXPECT_EQ(document.pnlPlaylistCaption(), "   MP3 Playlist - Party");

  dialogs.willAnswer(DialogAnswer::No);
  document.actNewExecute();
  EXPECT_TRUE(playlist.isEmpty());
  EXPECT_TRUE(tables.pnlHelpVisible());
  EXPECT_EQ(document.pnlPlaylistCaption(), "   MP3 Playlist - Untitled");
  EXPECT_EQ(editor.lblInfo2(), "Total: 0 tracks | 00:00 | 0");
}

TEST_F(PlaylistDocumentTest, EditPlaylistName) {
  Fill({Track("a", 60)});
  ASSERT_TRUE(document.SavePlaylist(dir.file("Party.m3u")));
  dialogs.willEnterText("My Mix");
  document.actEditExecute();
  const ShownDialog& entry = dialogs.shown().back();
  EXPECT_EQ(entry.kind, DialogKind::EnterText);
  EXPECT_EQ(entry.caption, "Edit Playlist Name");
  EXPECT_EQ(entry.text, "Enter Playlist Name:");
  EXPECT_EQ(entry.initial, "Party");
  EXPECT_EQ(document.playlistName(), "My Mix");
  EXPECT_EQ(document.pnlPlaylistCaption(), "   MP3 Playlist - My Mix");

  dialogs.willEnterText(std::nullopt);
  document.pnlPlaylistCaptionDblClick();
  EXPECT_EQ(document.playlistName(), "My Mix");

  dialogs.willChooseFile("");
  document.actSaveExecute();
  EXPECT_EQ(dialogs.shown().back().initial, "My Mix");
}

TEST_F(PlaylistDocumentTest, AutosaveComesBackUntitled) {
  Fill({"Opener|" + Track("a", 60), Track("b", 120)});
  ASSERT_TRUE(document.SavePlaylist(dir.file("Party.m3u")));
  ASSERT_TRUE(document.WriteAutosave());
  tables.ClearGrid(playlist);
  EXPECT_TRUE(document.RestoreAutosave());
  EXPECT_EQ(TrackNames(), (Names{"Opener", "b"}));
  EXPECT_EQ(document.playlistName(), "");
  EXPECT_EQ(document.pnlPlaylistCaption(), "   MP3 Playlist - Untitled");
  EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(PlaylistDocumentTest, AutosaveOfAnEmptyPlaylistAndAMissingAutosave) {
  EXPECT_TRUE(document.RestoreAutosave());  // no file yet
  EXPECT_TRUE(playlist.isEmpty());
  EXPECT_EQ(editor.lblInfo2(), "Total: 0 tracks | 00:00 | 0");
  ASSERT_TRUE(document.WriteAutosave());
  EXPECT_EQ(ReadFileBytes(document.autosavePath()), "#EXTM3U\r\n");
  EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(PlaylistDocumentTest, AutosaveWriteFailureIsShownAndKeepsTheOldAutosave) {
  const std::string old = dir.write("songloom.m3u", "#EXTM3U\r\n#EXTINF: 1,x\r\nx.mp3\r\n");
  Fill({Track("a", 60)});
  const Names before = SortedFolderNames(dir.path());
  fs.failRename = true;
  EXPECT_FALSE(document.WriteAutosave());
  EXPECT_EQ(dialogs.texts(DialogKind::Error), Names{"Cannot write file \"" + old + "\"."});
  EXPECT_EQ(ReadFileBytes(old), "#EXTM3U\r\n#EXTINF: 1,x\r\nx.mp3\r\n");
  EXPECT_EQ(SortedFolderNames(dir.path()), before);  // no temporary file left
}

// What the start-up says when the kept playlist cannot be read and was moved to keptAs.
std::string KeptAsideText(const std::string& autosave, const std::string& keptAs) {
  return "Cannot read file \"" + autosave +
         "\".\r\nThe playlist kept from the last session was not restored. The file is kept as \"" +
         keptAs + "\".";
}

// A kept playlist that cannot be read at start is moved aside under a name of its own (never
// over an earlier one), so the autosave at close cannot write over it.
TEST_F(PlaylistDocumentTest, UnreadableAutosaveIsKeptAsideAndNeverOverwritten) {
  struct Case {
    const char* what;
    bool failOpen;
    Names earlier;  // suffixes of files kept aside before
    std::string keptAs;
  };
  const std::vector<Case> cases = {
      {"read fails", false, {}, ".unreadable"},
      {"open fails, one kept before", true, {".unreadable"}, ".unreadable1"},
      {"two kept before", false, {".unreadable", ".unreadable1"}, ".unreadable2"},
  };
  const std::string autosave = document.autosavePath();
  const std::string kept = "#EXTM3U\r\n#EXTINF: 60,Kept\r\na.mp3\r\n";
  Track("a", 60);
  const std::string b = Track("b", 30);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    dir.write("songloom.m3u", kept);
    for (const std::string& suffix : c.earlier) dir.write("songloom.m3u" + suffix, suffix);
    fs.failOpenRead = c.failOpen;
    fs.failRead = !c.failOpen;
    EXPECT_FALSE(document.RestoreAutosave());
    fs.failOpenRead = fs.failRead = false;
    EXPECT_EQ(dialogs.texts(DialogKind::Error).back(), KeptAsideText(autosave, autosave + c.keptAs));
    EXPECT_TRUE(playlist.isEmpty());
    EXPECT_EQ(ReadFileBytes(autosave + c.keptAs), kept);

    Fill({b});
    EXPECT_TRUE(document.WriteAutosave());
    EXPECT_EQ(ReadFileBytes(autosave), "#EXTM3U\r\n#EXTINF: 30,b\r\nb.mp3\r\n");
    EXPECT_EQ(ReadFileBytes(autosave + c.keptAs), kept);
    for (const std::string& suffix : c.earlier) EXPECT_EQ(ReadFileBytes(autosave + suffix), suffix);
    tables.ClearGrid(playlist);
    for (const char* suffix : {".unreadable", ".unreadable1", ".unreadable2"})
      std::filesystem::remove(autosave + suffix);
  }
  EXPECT_EQ(dialogs.texts(DialogKind::Error).size(), cases.size());
}

// The same when the file cannot be renamed aside at start: the autosave at close tries again
// and, failing, writes nothing over the unreadable file and says so.
TEST(UnreadableAutosaveTest, NotMovedAsideMeansNotOverwritten) {
  // Renames to a name with ".unreadable" in it fail while refuseAside is set; the autosave's
  // own replacement still works.
  struct AsideRefusingFileSystem : FaultyFileSystem {
    bool refuseAside = true;
    bool rename(const std::string& from, const std::string& to) override {
      if (refuseAside && to.find(".unreadable") != std::string::npos) return false;
      return FaultyFileSystem::rename(from, to);
    }
  };
  TempDir dir;
  AsideRefusingFileSystem fs;
  TMPEGaudio analyser{fs};
  TrackTables tables{analyser, fs};
  ScriptedDialogs dialogs;
  Mrng random;
  PlaylistEditor editor{tables, dialogs, random, [] { return 1u; }};
  const std::string autosave = dir.file("songloom.m3u");
  PlaylistDocument document{tables, editor, dialogs, autosave};
  tables.SetUpColumns();
  editor.Renumber();
  const std::string kept = "#EXTM3U\r\n#EXTINF: 60,Kept\r\na.mp3\r\n";
  dir.write("songloom.m3u", kept);

  fs.failRead = true;
  EXPECT_FALSE(document.RestoreAutosave());
  fs.failRead = false;
  EXPECT_EQ(dialogs.texts(DialogKind::Error),
            Names{"Cannot read file \"" + autosave +
                  "\".\r\nThe playlist kept from the last session was not restored. It could not "
                  "be renamed to \"" +
                  autosave +
                  ".unreadable\" now; it will be kept there before the playlist is saved again."});

  ASSERT_TRUE(tables.FillRowFromItem(tables.grdPlaylist(), 1, FileItem(dir.write("b.mp3", "b"))));
  EXPECT_FALSE(document.WriteAutosave());
  EXPECT_EQ(dialogs.texts(DialogKind::Error).back(),
            "The playlist was not saved: \"" + autosave +
                "\" could not be read at start and could not be renamed to \"" + autosave +
                ".unreadable\", so it is kept as it is.");
  EXPECT_EQ(ReadFileBytes(autosave), kept);
  EXPECT_EQ(SortedFolderNames(dir.path()), (Names{"b.mp3", "songloom.m3u"}));

  fs.refuseAside = false;
  EXPECT_TRUE(document.WriteAutosave());
  EXPECT_EQ(ReadFileBytes(autosave + ".unreadable"), kept);
  EXPECT_EQ(ReadFileBytes(autosave), "#EXTM3U\r\n#EXTINF: 0,b\r\nb.mp3\r\n");
  EXPECT_EQ(dialogs.texts(DialogKind::Error).size(), 2u);
}

}  // namespace
