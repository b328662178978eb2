#include "tracks/GridItem.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Expected {
  std::string name;
  std::string path;
  std::string fileName;
  std::string type;
  ItemKind kind;
};

void ExpectItem(const GridItem& item, const Expected& expected) {
  EXPECT_EQ(item.name, expected.name);
  EXPECT_EQ(item.path, expected.path);
  EXPECT_EQ(item.fileName(), expected.fileName);
  EXPECT_EQ(item.type, expected.type);
  EXPECT_EQ(item.kind, expected.kind);
}

TEST(GridItemTest, PathsAreNeverSplit) {
  struct Case {
    std::string path;
    Expected expected;
  };
  const std::vector<Case> cases = {
      {"/m/a.mp3", {"", "/m/a.mp3", "a.mp3", "MP3", ItemKind::Mp3}},
      {"/m/bar|pipe.mp3", {"", "/m/bar|pipe.mp3", "bar|pipe.mp3", "MP3", ItemKind::Mp3}},
      {"/m/x.y.Pls", {"", "/m/x.y.Pls", "x.y.Pls", "PLS", ItemKind::OtherFile}},
      {"/m.d/noext", {"", "/m.d/noext", "noext", "", ItemKind::OtherFile}},
      {"/m/odd.folder", {"", "/m/odd.folder", "odd.folder", "FOLDER", ItemKind::OtherFile}},
      {"*/m/[a].mp3", {"", "*/m/[a].mp3", "[a].mp3", "MP3", ItemKind::Mp3}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    ExpectItem(FileItem(c.path), c.expected);
  }
}

TEST(GridItemTest, FoldersKeepEveryCharacterOfTheirName) {
  struct Case {
    std::string parent;
    std::string name;
    Expected expected;
  };
  const std::vector<Case> cases = {
      {"/Music/", "Live", {"", "/Music/Live", "Live", "FOLDER", ItemKind::Folder}},
      {"/Music [old]", "[Live] 2005",
       {"", "/Music [old]/[Live] 2005", "[Live] 2005", "FOLDER", ItemKind::Folder}},
      {"/m", "dir|x", {"", "/m/dir|x", "dir|x", "FOLDER", ItemKind::Folder}},
      {"/m", "b.mp3", {"", "/m/b.mp3", "b.mp3", "FOLDER", ItemKind::Folder}},
      {"/", "home", {"", "/home", "home", "FOLDER", ItemKind::Folder}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.parent + " " + c.name);
    ExpectItem(FolderItem(c.parent, c.name), c.expected);
  }
}

TEST(GridItemTest, PlaylistEntriesSplitAtTheFirstBar) {
  struct Case {
    std::string entry;
    Expected expected;
  };
  const std::vector<Case> cases = {
      {"Intro|/m/a.mp3", {"Intro", "/m/a.mp3", "a.mp3", "MP3", ItemKind::Mp3}},
      {"|/m/a|b.mp3", {"", "/m/a|b.mp3", "a|b.mp3", "MP3", ItemKind::Mp3}},
      {"A|B|/m/x.y.Pls", {"A", "B|/m/x.y.Pls", "x.y.Pls", "PLS", ItemKind::OtherFile}},
      {"/m/a.mp3", {"", "/m/a.mp3", "a.mp3", "MP3", ItemKind::Mp3}},
      {"", {"", "", "", "", ItemKind::OtherFile}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.entry);
    ExpectItem(EntryItem(c.entry), c.expected);
  }
}

TEST(GridItemTest, KindOfTheTypeCell) {
  EXPECT_EQ(KindOfType("MP3"), ItemKind::Mp3);
  EXPECT_EQ(KindOfType("FOLDER"), ItemKind::Folder);
  EXPECT_EQ(KindOfType("M3U"), ItemKind::OtherFile);
  EXPECT_EQ(KindOfType("mp3"), ItemKind::OtherFile);  // the cell holds what the filler wrote
  EXPECT_EQ(KindOfType(""), ItemKind::OtherFile);
}

}  // namespace
