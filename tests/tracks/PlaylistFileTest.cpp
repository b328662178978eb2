#include "tracks/PlaylistFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/FaultyFileSystem.h"
#include "support/TempDir.h"
#include "tracks/TrickyTrackPaths.h"

namespace {

TEST(PlaylistFileTest, SplitItem) {
  struct Case {
    std::string item;
    std::string name;
    std::string path;
  };
  const std::vector<Case> cases = {
      {"Intro|/music/a.mp3", "Intro", "/music/a.mp3"},
      {"/music/a.mp3", "", "/music/a.mp3"},
      {"|/music/a.mp3", "", "/music/a.mp3"},
      {"a|b|/c.mp3", "a", "b|/c.mp3"},
      {"", "", ""},
  };
  for (const Case& c : cases) {
    const plTrack track = SplitItem(c.item);
    EXPECT_EQ(track.TrackName, c.name) << c.item;
    EXPECT_EQ(track.FilePath, c.path) << c.item;
  }
}

TEST(PlaylistFileTest, WriterPathIsRelativeOnlyBelowThePlaylistFolder) {
  struct Case {
    std::string track;
    std::string written;
  };
  const std::string playlist = "/music/list.m3u";
  const std::vector<Case> cases = {
      {"/music/a.mp3", "a.mp3"},
      {"/music/Rock/song.mp3", "Rock/song.mp3"},
      {"/other/b.mp3", "/other/b.mp3"},
      {"/archive/music/c.mp3", "/archive/music/c.mp3"},  // the folder occurs, but not in front
      {"/musicbox/d.mp3", "/musicbox/d.mp3"},
      {"/Music/e.mp3", "/Music/e.mp3"},  // case-sensitive
      // Relative names that a reader could take for a PLS key, a drive, a root or a name line
      // get "./" in front.
      {"/music/File=1.mp3", "./File=1.mp3"},
      {"/music/file2=x/a.mp3", "./file2=x/a.mp3"},
      {"/music/D:Ream - Things.mp3", "./D:Ream - Things.mp3"},
      {"/music/a:b.mp3", "./a:b.mp3"},
      {"/music/\\x.mp3", "./\\x.mp3"},
      {"/music/#EXTINF:1,x.mp3", "./#EXTINF:1,x.mp3"},
      {"/music/sub//x.mp3", "sub//x.mp3"},
      {"/music//x.mp3", ".//x.mp3"},
      {"/music/./x.mp3", "././x.mp3"},
      {"/music/Files.mp3", "Files.mp3"},
      {"/music/x\\y.mp3", "x\\y.mp3"},
      {"/music/Rock/File=2.mp3", "Rock/File=2.mp3"},
  };
  for (const Case& c : cases) EXPECT_EQ(M3UTrackPath(playlist, c.track), c.written) << c.track;
}

TEST(PlaylistFileTest, ComposesExactBytes) {
  const std::vector<M3UEntry> entries = {
      {"Intro", "/music/a.mp3", 215.9},
      {"Artist - Title", "/music/Rock/b.mp3", 0.0},
      {"Line\r\nbreak", "/elsewhere/c.mp3", 59.999},
  };
  EXPECT_EQ(ComposeM3U("/music/list.m3u", entries),
            "#EXTM3U\r\n"
            "#EXTINF: 215,Intro\r\n"
            "a.mp3\r\n"
            "#EXTINF: 0,Artist - Title\r\n"
            "Rock/b.mp3\r\n"
            "#EXTINF: 59,Line  break\r\n"
            "/elsewhere/c.mp3\r\n");
  EXPECT_EQ(ComposeM3U("/music/list.m3u", {}), "#EXTM3U\r\n");
}

TEST(PlaylistFileTest, ResolvesTrackLines) {
  struct Case {
    std::string line;
    std::string path;
  };
  const std::string playlist = "/music/list.m3u";
  const std::vector<Case> cases = {
      {"a.mp3", "/music/a.mp3"},
      {"Rock/b.mp3", "/music/Rock/b.mp3"},
      {"/other/c.mp3", "/other/c.mp3"},
      {"File1=/other/c.mp3", "/other/c.mp3"},
      {"file12=Rock/b.mp3", "/music/Rock/b.mp3"},
      {"Title1=a.mp3", "/music/Title1=a.mp3"},
      // Written on Windows: backslashes and drive letters.
      {"Rock\\b.mp3", "/music/Rock/b.mp3"},
      {"\\Music\\d.mp3", "/Music/d.mp3"},
      {"C:\\Music\\d.mp3", "/Music/d.mp3"},
      {"d:/Music/e.mp3", "/Music/e.mp3"},
      {"File1=C:\\Music\\a.mp3", "/Music/a.mp3"},
      {".\\Rock\\b.mp3", "/music/Rock/b.mp3"},
      // A letter and a colon without a separator after them is part of a name, not a drive.
      {"d:song.mp3", "/music/d:song.mp3"},
      {"./File=1.mp3", "/music/File=1.mp3"},
      {".//x.mp3", "/music//x.mp3"},  // "./" and "/x.mp3", as written
      {"././x.mp3", "/music/./x.mp3"},
  };
  for (const Case& c : cases) EXPECT_EQ(ResolveTrackLine(c.line, playlist), c.path) << c.line;
  EXPECT_EQ(ResolveTrackLine("a.mp3", "list.m3u"), "a.mp3");
}

// A folder with a playlist folder "pl" holding a.mp3 and sub/b.mp3, and other/c.mp3 beside it.
class PlaylistReadTest : public ::testing::Test {
 protected:
  PlaylistReadTest()
      : a_(dir_.write("pl/a.mp3", "a")),
        b_(dir_.write("pl/sub/b.mp3", "b")),
        c_(dir_.write("other/c.mp3", "c")),
        playlist_(dir_.file("pl/list.m3u")) {}

  PlaylistReadResult read(const std::string& bytes) {
    dir_.write("pl/list.m3u", bytes);
    items_.clear();
    return ReadPlaylistFile(playlist_, items_);
  }

  TempDir dir_;
  std::string a_, b_, c_, playlist_;
  std::vector<std::string> items_;
};

TEST_F(PlaylistReadTest, ReadsLinesOfEveryForm) {
  struct Case {
    const char* what;
    std::string bytes;
    std::vector<std::string> items;  // with "pl/" as "$" for the playlist folder
    int missing;
  };
  dir_.write("pl/File=1.mp3", "k");
  const std::vector<Case> cases = {
      {"extended M3U",
       "#EXTM3U\r\n#EXTINF: 215,Artist - Title\r\na.mp3\r\n",
       {"Artist - Title|$a.mp3"},
       0},
      {"no blank after the colon",
       "#EXTINF:215,Artist - Title\na.mp3\n",
       {"Artist - Title|$a.mp3"},
       0},
      {"info without comma", "#EXTINF:Just a name\na.mp3\n", {"Just a name|$a.mp3"}, 0},
      {"plain M3U, upper-case extension", "sub/b.mp3\r\nA.MP3\r\n", {"|$sub/b.mp3"}, 1},
      {"PLS",
       "[playlist]\r\nFile1=sub/b.mp3\r\nTitle1=A\r\nLength1=200\r\nNumberOfEntries=1\r\n"
       "Version=2\r\n",
       {"|$sub/b.mp3"},
       0},
      {"PLS title naming an mp3 counts as missing",
       "[playlist]\nFile1=a.mp3\nTitle1=a.mp3\n",
       {"|$a.mp3"},
       1},
      {"other types ignored, not counted", "#EXTM3U\nsong.ogg\n\nnotes.txt\n", {}, 0},
      {"name cleared after every track line", "#EXTINF:1,Gone\nnone.mp3\na.mp3\n", {"|$a.mp3"}, 1},
      {"written on Windows",
       "#EXTINF:1,W\r\nsub\\b.mp3\r\nC:\\sub\\none.mp3\r\n",
       {"W|$sub/b.mp3"},
       1},
      {"a letter and a colon begin a name", "C:a.mp3\r\n", {}, 1},
      {"a file named like a PLS key, written without \"./\"",
       "File=1.mp3\r\nFile1=a.mp3\r\n",
       {"|$File=1.mp3", "|$a.mp3"},
       0},
      {"a name line begins with #EXTINF:",
       "#EXTINF:1,N\nsub/x #EXTINF:1,y.mp3\na.mp3\n",
       {"|$a.mp3"},
       1},
      {"lines ended by CR only",
       "#EXTINF:1,A\ra.mp3\r#EXTINF:2,B\rsub/b.mp3\r",
       {"A|$a.mp3", "B|$sub/b.mp3"},
       0},
      {"last line without line end", "a.mp3\nsub/b.mp3", {"|$a.mp3", "|$sub/b.mp3"}, 0},
      {"byte order mark",
       "\xEF\xBB\xBF"
       "a.mp3\r\n",
       {"|$a.mp3"},
       0},
      {"bar inside a name",
       "#EXTINF:1,AC|DC\na.mp3\n",
       {"AC\xC2\xA6"
        "DC|$a.mp3"},
       0},
      {"zero byte in a path", std::string("a.mp3\0x.mp3\n", 12), {}, 1},
      {"empty file", "", {}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const PlaylistReadResult result = read(c.bytes);
    std::vector<std::string> expected;
    for (std::string item : c.items)
      expected.push_back(item.replace(item.find('$'), 1, dir_.file("pl/")));
    EXPECT_FALSE(result.error);
    EXPECT_EQ(items_, expected);
    EXPECT_EQ(result.missing, c.missing);
  }
}

TEST_F(PlaylistReadTest, MissingEntriesAreNamed) {
  const PlaylistReadResult result =
      read("#EXTINF:1,Gone\r\nnone.mp3\r\na.mp3\r\nsub\\gone.mp3\r\n" + c_ + "x.mp3\r\n");
  EXPECT_EQ(items_, (std::vector<std::string>{"|" + a_}));
  EXPECT_EQ(result.missing, 3);
  EXPECT_EQ(result.missingFiles,
            (std::vector<std::string>{dir_.file("pl/none.mp3"), dir_.file("pl/sub/gone.mp3"),
                                      c_ + "x.mp3"}));
}

TEST_F(PlaylistReadTest, AbsolutePathsAndAppending) {
  items_ = {"kept"};
  dir_.write("pl/list.m3u", c_ + "\n" + a_ + "\n");
  const PlaylistReadResult result = ReadPlaylistFile(playlist_, items_);
  EXPECT_EQ(items_, (std::vector<std::string>{"kept", "|" + c_, "|" + a_}));
  EXPECT_EQ(result.missing, 0);
}

TEST_F(PlaylistReadTest, LinesOverTheLimitAreSkippedWhole) {
  // Lines longer than one read chunk and the limit, one of them ending in ".mp3".
  const std::string longLine = std::string(3 * kMaxPlaylistLine, 'x') + ".mp3";
  const PlaylistReadResult result =
      read("#EXTINF:1," + longLine + "\n" + longLine + "\r\na.mp3\r\n");
  EXPECT_EQ(items_, (std::vector<std::string>{"|" + a_}));
  EXPECT_EQ(result.missing, 0);
  // Exactly at the limit still counts as a line.
  const std::string atLimit = std::string(kMaxPlaylistLine - 4, 'y') + ".mp3";
  EXPECT_EQ(read(atLimit + "\n").missing, 1);
}

TEST_F(PlaylistReadTest, BinaryBytesReadWithoutHarm) {
  std::string noise;
  std::uint32_t x = 12345;
  for (int i = 0; i < 300000; ++i) {
    x = x * 1103515245u + 12345u;
    noise += static_cast<char>(x >> 24);
    if (i % 5000 == 0) noise += ".mp3";
  }
  const PlaylistReadResult result = read(noise + "\na.mp3\n");
  EXPECT_FALSE(result.error);
  ASSERT_FALSE(items_.empty());
  EXPECT_EQ(items_.back(), "|" + a_);
}

TEST_F(PlaylistReadTest, MissingPlaylistYieldsNothing) {
  items_ = {"kept"};
  const PlaylistReadResult result = ReadPlaylistFile(dir_.file("none.m3u"), items_);
  EXPECT_EQ(result.missing, 0);
  EXPECT_FALSE(result.error);
  EXPECT_EQ(items_, (std::vector<std::string>{"kept"}));
}

TEST_F(PlaylistReadTest, UnreadablePlaylistGivesErrorAndLeavesListAlone) {
  dir_.write("pl/list.m3u", "a.mp3\n");
  for (bool failOpen : {false, true}) {
    FaultyFileSystem fs;
    fs.failOpenRead = failOpen;
    fs.failRead = !failOpen;
    items_ = {"kept"};
    const PlaylistReadResult result = ReadPlaylistFile(playlist_, items_, fs);
    ASSERT_TRUE(result.error);
    EXPECT_EQ(*result.error, "Cannot read file \"" + playlist_ + "\".");
    EXPECT_EQ(items_, (std::vector<std::string>{"kept"}));
  }
}

TEST_F(PlaylistReadTest, RoundTripOfTheThreePathForms) {
  const std::vector<M3UEntry> entries = {{"A", a_, 1}, {"B", b_, 2}, {"C", c_, 3}};
  const std::string bytes = ComposeM3U(playlist_, entries);
  EXPECT_EQ(bytes,
            "#EXTM3U\r\n#EXTINF: 1,A\r\na.mp3\r\n#EXTINF: 2,B\r\nsub/b.mp3\r\n"
            "#EXTINF: 3,C\r\n" +
                c_ + "\r\n");
  const PlaylistReadResult result = read(bytes);
  EXPECT_EQ(items_, (std::vector<std::string>{"A|" + a_, "B|" + b_, "C|" + c_}));
  EXPECT_EQ(result.missing, 0);
}

TEST_F(PlaylistReadTest, NamesAndPathsOutsideAsciiSurviveARoundTrip) {
  const std::string track = dir_.write("pl/Caf\xC3\xA9/na\xC3\xAFve.mp3", "x");
  const std::string name = "M\xC3\xB6tley \xE2\x80\x93 \xC3\x9Cn\xC3\xAF";
  const std::string bytes = ComposeM3U(playlist_, {{name, track, 1}});
  EXPECT_EQ(bytes, "#EXTM3U\r\n#EXTINF: 1," + name + "\r\nCaf\xC3\xA9/na\xC3\xAFve.mp3\r\n");
  read(bytes);
  EXPECT_EQ(items_, (std::vector<std::string>{name + "|" + track}));
}

// Names that the reader once took for something else: a PLS key, a drive, a separator, a name
// line. Each of them, saved and read again, comes back.
TEST_F(PlaylistReadTest, NamesThatLookLikeOtherLinesSurviveARoundTrip) {
  const std::vector<std::string> names = {
      "File=1.mp3",          "a:b.mp3",   "D:Ream - Things.mp3", "x\\y.mp3",  "\\z.mp3",
      "#EXTINF:1,x.mp3",     "song #EXTINF: 1,x.mp3", "C:\\w.mp3", "sub/File=3.mp3",
      "c:/v.mp3"};
  std::vector<M3UEntry> entries;
  std::vector<std::string> expected;
  for (const std::string& name : names) {
    const std::string path = dir_.write("pl/" + name, "x");
    entries.push_back({"N", path, 1});
    expected.push_back("N|" + path);
  }
  for (const std::string& name : names) {
    const std::string path = dir_.write("other/" + name, "x");
    entries.push_back({"O", path, 1});
    expected.push_back("O|" + path);
  }
  const PlaylistReadResult result = read(ComposeM3U(playlist_, entries));
  EXPECT_EQ(items_, expected);
  EXPECT_EQ(result.missing, 0);
}

// A track that is gone is counted missing, never replaced by another file that its line could
// also name when read the lenient way.
TEST_F(PlaylistReadTest, AMissingTrackIsNotReadAsAnotherFile) {
  dir_.write("pl/1.mp3", "x");
  dir_.write("pl/Ream.mp3", "x");
  const std::string bytes =
      ComposeM3U(playlist_, {{"K", dir_.file("pl/File=1.mp3"), 1},
                             {"D", dir_.file("pl/D:Ream.mp3"), 1},
                             {"R", dir_.file("pl/D:/Ream.mp3"), 1}});
  const PlaylistReadResult result = read(bytes);
  EXPECT_EQ(items_, std::vector<std::string>{});
  EXPECT_EQ(result.missing, 3);
}

// Round trip over generated names, in the playlist's folder, below it and elsewhere, for a
// plain playlist folder and for one whose own name is full of such pieces.
TEST(PlaylistRoundTripTest, EveryGeneratedTrackComesBackInOrder) {
  const std::vector<std::string> names = TrickyTrackPaths(20240611, 300);
  for (const std::string folder : {"pl", "C:\\p l=#EXTINF:1,\xC3\xA9"}) {
    SCOPED_TRACE(folder);
    TempDir dir;
    const std::string playlist = dir.file(folder + "/list.m3u");
    std::vector<M3UEntry> entries;
    std::vector<std::string> expected;
    for (std::size_t i = 0; i < names.size(); ++i) {
      const std::string path = dir.write((i % 3 == 2 ? "other/" : folder + "/") + names[i], "x");
      // Track names from the same pieces; "|" cannot stay inside a name of an item text.
      const std::string name = names[(i + 7) % names.size()];
      entries.push_back({name, path, 1});
      std::string shown;
      for (char c : name) shown += c == '|' ? std::string("\xC2\xA6") : std::string(1, c);
      expected.push_back(shown + "|" + path);
    }
    dir.write(folder + "/list.m3u", ComposeM3U(playlist, entries));
    std::vector<std::string> items;
    const PlaylistReadResult result = ReadPlaylistFile(playlist, items);
    EXPECT_FALSE(result.error);
    EXPECT_EQ(result.missing, 0);
    ASSERT_EQ(items.size(), expected.size());
    for (std::size_t i = 0; i < items.size(); ++i)
      EXPECT_EQ(items[i], expected[i]) << "written as: " << M3UTrackPath(playlist, entries[i].path);
  }
}

TEST_F(PlaylistReadTest, FilesOverTheSizeLimitAreNotRead) {
  dir_.write("pl/list.m3u", "a.mp3\n");
  std::filesystem::resize_file(playlist_, kMaxPlaylistFileSize + 1);  // sparse: no disk used
  items_ = {"kept"};
  const PlaylistReadResult result = ReadPlaylistFile(playlist_, items_);
  ASSERT_TRUE(result.error);
  EXPECT_EQ(*result.error, "Cannot read file \"" + playlist_ +
                               "\". The file is larger than 64 MB and is not a playlist.");
  EXPECT_EQ(items_, (std::vector<std::string>{"kept"}));
  EXPECT_EQ(kMaxPlaylistFileSize, 64 * 1024 * 1024);
}

TEST(ReplaceFileContentsTest, WritesAndReplaces) {
  TempDir dir;
  // A file of the name the temporary file once had: someone else's, it must survive the writes.
  const char kOtherFile[] = "out.m3u.songloom-tmp";
  const char kOtherBytes[] = "not ours";
  const std::string path = dir.file("out.m3u");
  const std::string other = dir.write(kOtherFile, kOtherBytes);
  ASSERT_TRUE(ReplaceFileContents(path, "first"));
  EXPECT_EQ(ReadFileBytes(path), "first");
  ASSERT_TRUE(ReplaceFileContents(path, "second"));
  EXPECT_EQ(ReadFileBytes(path), "second");
  EXPECT_EQ(ReadFileBytes(other), kOtherBytes);
  EXPECT_EQ(SortedFolderNames(dir.path()), (std::vector<std::string>{"out.m3u", kOtherFile}));
}

TEST(ReplaceFileContentsTest, AnyFailureKeepsTheOldFileAndLeavesNoTemporary) {
  struct Case {
    const char* what;
    void (*arm)(FaultyFileSystem&);
  };
  const std::vector<Case> cases = {
      {"create", [](FaultyFileSystem& fs) { fs.failCreate = true; }},
      {"write",
       [](FaultyFileSystem& fs) {
         fs.failWriteAfterBytes = true;
         fs.writeLimit = 3;
       }},
      {"flush", [](FaultyFileSystem& fs) { fs.failFlush = true; }},
      {"close", [](FaultyFileSystem& fs) { fs.failClose = true; }},
      {"rename", [](FaultyFileSystem& fs) { fs.failRename = true; }},
  };
  const char kOtherFile[] = "out.m3u.songloom-tmp";  // someone else's, as above
  const char kOtherBytes[] = "not ours";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TempDir dir;
    const std::string path = dir.write("out.m3u", "old contents");
    const std::string other = dir.write(kOtherFile, kOtherBytes);
    FaultyFileSystem fs;
    c.arm(fs);
    EXPECT_FALSE(ReplaceFileContents(path, "new contents", fs));
    EXPECT_EQ(ReadFileBytes(path), "old contents");
    EXPECT_EQ(ReadFileBytes(other), kOtherBytes);
    EXPECT_EQ(SortedFolderNames(dir.path()), (std::vector<std::string>{"out.m3u", kOtherFile}));
  }
}

}  // namespace
