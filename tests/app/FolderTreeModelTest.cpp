#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/FolderTreeModel.h"
#include "support/TempDir.h"

namespace {

// A home folder inside a temporary folder, so the tree's two top nodes can be told apart.
class FolderTreeModelTest : public ::testing::Test {
 protected:
  std::string path(const std::string& name) const { return dir.file(name); }

  // The names under a node, read as the view reads them when it expands the node.
  std::vector<std::string> childNames(const QModelIndex& parent) {
    if (model.canFetchMore(parent)) model.fetchMore(parent);
    std::vector<std::string> names;
    for (int row = 0; row < model.rowCount(parent); ++row)
      names.push_back(model.index(row, 0, parent).data().toString().toStdString());
    return names;
  }

  // The node of the tree's root under which an index lies.
  QModelIndex topNodeOf(QModelIndex index) const {
    while (index.isValid() && index.parent() != model.rootIndex()) index = index.parent();
    return index;
  }

  QModelIndex homeNode() const { return model.index(0, 0, model.rootIndex()); }
  QModelIndex slashNode() const { return model.index(1, 0, model.rootIndex()); }

  TempDir dir;
  std::string home = dir.mkdir("home");
  FolderTreeModel model{home};
};

TEST_F(FolderTreeModelTest, AFolderIsFoundUnderTheTopNodeItLiesIn) {
  for (const char* folder : {"home/Music/Rock", "home/.hidden", "homework/x"}) dir.mkdir(folder);
  ASSERT_EQ(childNames(model.rootIndex()), (std::vector<std::string>{"home", "/"}));
  EXPECT_EQ(model.filePath(homeNode()).toStdString(), home);

  struct Case {
    std::string wanted;
    std::string found;  // the node's path; empty when none is found
    bool underHome;
  };
  const std::vector<Case> cases = {
      {path("home/Music/Rock"), path("home/Music/Rock"), true},
      {dir.path() + "//home/./Music/Rock/", path("home/Music/Rock"), true},
      {home, home, true},
      {path("homework/x"), path("homework/x"), false},  // through "/" and the real folders
      {"/", "/", false},
      {path("home/.hidden"), "", true},
      {path("home/Missing"), "", true},
      {"home/Music", "", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.wanted);
    const QModelIndex index = model.indexForPath(QString::fromStdString(c.wanted));
    EXPECT_EQ(model.filePath(index).toStdString(), c.found);
    if (index.isValid()) {
      EXPECT_EQ(topNodeOf(index), c.underHome ? homeNode() : slashNode());
    }
  }
}

TEST_F(FolderTreeModelTest, SubfoldersAreThoseTheFolderListingShows) {
  for (const char* folder :
       {"home/b", "home/A", "home/.config", "home/Music/Rock", "home/OnlyHidden/.git", "other"})
    dir.mkdir(folder);
  dir.write("home/x.mp3", "");
  std::filesystem::create_directory_symlink(path("other"), path("home/Linked"));
  std::filesystem::create_directory_symlink(path("gone"), path("home/Broken"));

  const QModelIndex homeIndex = model.indexForPath(QString::fromStdString(home));
  ASSERT_EQ(childNames(homeIndex),
            (std::vector<std::string>{"A", "b", "Linked", "Music", "OnlyHidden"}));
  const std::vector<bool> hasChildren = {false, false, false, true, false};
  for (int row = 0; row < model.rowCount(homeIndex); ++row)
    EXPECT_EQ(model.hasChildren(model.index(row, 0, homeIndex)), hasChildren[row]) << row;
}

TEST(FolderTreeModelHomeTest, AHomeOfSlashIsTheSlashNode) {
  FolderTreeModel model("/");
  const QModelIndex top = model.rootIndex();
  ASSERT_EQ(model.rowCount(top), 1);
  EXPECT_EQ(model.filePath(model.index(0, 0, top)), "/");
  EXPECT_EQ(model.indexForPath("/"), model.index(0, 0, top));
}

}  // namespace
