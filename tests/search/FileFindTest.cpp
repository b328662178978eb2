#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "search/FileFind.h"
#include "support/FaultyFileSystem.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

namespace {

// The tree of the usual cases: A holds x.mp3 and the subfolder B, B holds y.mp3 and z.pls.
void MakeUsualTree(const TempDir& dir) {
  dir.write("A/x.mp3", "x");
  dir.write("A/B/y.mp3", "y");
  dir.write("A/B/z.pls", "z");
}

// Records the events of one search as short texts, with paths relative to the fixture's
// folder: "change A/", "find A/B/ y.mp3", "finish".
class EventLog {
 public:
  EventLog(TFileSearch& search, const TempDir& dir) : root_(dir.path() + "/") {
    search.OnChangeFolder = [this](const std::string& folder, const platform::DirEntry&) {
      events.push_back("change " + relative(folder));
    };
    search.OnFileFind = [this](const std::string& folder, const platform::DirEntry& info) {
      events.push_back("find " + relative(folder) + " " + info.name);
    };
    search.OnFinish = [this](TFileSearch&) { events.push_back("finish"); };
  }

  std::string relative(const std::string& path) const {
    return path.starts_with(root_) ? path.substr(root_.size()) : path;
  }
  std::vector<std::string> relative(const std::vector<std::string>& paths) const {
    std::vector<std::string> result;
    for (const std::string& path : paths) result.push_back(relative(path));
    return result;
  }

  std::vector<std::string> events;

 private:
  std::string root_;
};

struct WalkCase {
  const char* name;
  std::vector<std::string> files;  // relative paths, folders made as needed
  std::string searchFile;          // relative to the fixture's folder
  bool recurse;
  std::vector<std::string> events;
  std::vector<std::string> found;
};

TEST(FileFindTest, ReportsFoldersAndMatchesInWalkOrder) {
  const std::vector<std::string> usual = {"A/x.mp3", "A/B/y.mp3", "A/B/z.pls"};
  const std::vector<WalkCase> cases = {
      {"recursive",
       usual,
       "A/*.mp3",
       true,
       {"change A/", "find A/ x.mp3", "change A/B/", "find A/B/ y.mp3", "finish"},
       {"A/x.mp3", "A/B/y.mp3"}},
      {"not recursive",
       usual,
       "A/*.mp3",
       false,
       {"change A/", "find A/ x.mp3", "finish"},
       {"A/x.mp3"}},
      {"two masks walk twice",
       usual,
       "A/*.mp3;*.pls",
       true,
       {"change A/", "find A/ x.mp3", "change A/B/", "find A/B/ y.mp3", "change A/", "change A/B/",
        "find A/B/ z.pls", "finish"},
       {"A/x.mp3", "A/B/y.mp3", "A/B/z.pls"}},
      {"a folder named like a file is reported and entered",
       {"A/d.mp3/w.mp3"},
       "A/*.mp3",
       true,
       {"change A/", "find A/ d.mp3", "change A/d.mp3/", "find A/d.mp3/ w.mp3", "finish"},
       {"A/d.mp3", "A/d.mp3/w.mp3"}},
      {"hidden entries are found and entered",
       {"A/.h.mp3", "A/.cache/y.mp3"},
       "A/*.mp3",
       true,
       {"change A/", "find A/ .h.mp3", "change A/.cache/", "find A/.cache/ y.mp3", "finish"},
       {"A/.h.mp3", "A/.cache/y.mp3"}},
      {"a missing start folder is announced once per mask",
       usual,
       "Gone/*.mp3;*.pls",
       true,
       {"change Gone/", "change Gone/", "finish"},
       {}},
      {"entries come in name order, masks ignore letter case",
       {"A/b.mp3", "A/C.MP3", "A/a.Mp3", "A/d.mp3x", "A/e.mp"},
       "A/*.mp3",
       true,
       {"change A/", "find A/ a.Mp3", "find A/ b.mp3", "find A/ C.MP3", "finish"},
       {"A/a.Mp3", "A/b.mp3", "A/C.MP3"}},
      {"subfolders are walked depth first in name order",
       {"A/c/1.mp3", "A/B/D/2.mp3", "A/B/3.mp3"},
       "A/*.mp3",
       true,
       {"change A/", "change A/B/", "find A/B/ 3.mp3", "change A/B/D/", "find A/B/D/ 2.mp3",
        "change A/c/", "find A/c/ 1.mp3", "finish"},
       {"A/B/3.mp3", "A/B/D/2.mp3", "A/c/1.mp3"}},
      {"an empty mask after the separator matches nothing",
       usual,
       "A/*.mp3;",
       false,
       {"change A/", "find A/ x.mp3", "change A/", "finish"},
       {"A/x.mp3"}},
  };
  for (const WalkCase& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    for (const std::string& file : c.files) dir.write(file, "data");
    TFileSearch search(std::function<void()>{});
    EventLog log(search, dir);
    search.RecurseSubFolders = c.recurse;
    search.SetSearchFile(dir.path() + "/" + c.searchFile);
    search.Execute();
    EXPECT_EQ(log.events, c.events);
    EXPECT_EQ(log.relative(search.FilesFound()), c.found);
  }
}

TEST(FileFindTest, ChangeFolderGivesTheFolderEntries) {
  TempDir dir;
  MakeUsualTree(dir);
  TFileSearch search(std::function<void()>{});
  std::vector<std::string> records;
  search.OnChangeFolder = [&](const std::string&, const platform::DirEntry& info) {
    records.push_back(info.name + (info.kind == platform::EntryKind::Directory ? " dir" : ""));
  };
  search.SetSearchFile(dir.path() + "/A/*.mp3");
  search.Execute();
  search.SetSearchFile(dir.path() + "/Gone/*.mp3");
  search.Execute();
  EXPECT_EQ(records, (std::vector<std::string>{"A dir", "B dir", ""}));
}

TEST(FileFindTest, WithoutFileFindHandlerNothingIsKept) {
  TempDir dir;
  MakeUsualTree(dir);
  TFileSearch search(std::function<void()>{});
  int folders = 0;
  search.OnChangeFolder = [&](const std::string&, const platform::DirEntry&) { ++folders; };
  search.SetSearchFile(dir.path() + "/A/*.mp3");
  search.Execute();
  EXPECT_EQ(folders, 2);
  EXPECT_TRUE(search.FilesFound().empty());
}

TEST(FileFindTest, StopWhenBIsAnnouncedKeepsTheStartFoldersFiles) {
  TempDir dir;
  MakeUsualTree(dir);
  TFileSearch search(std::function<void()>{});
  EventLog log(search, dir);
  search.OnChangeFolder = [&](const std::string& folder, const platform::DirEntry&) {
    log.events.push_back("change " + log.relative(folder));
    if (log.relative(folder) == "A/B/") search.Stop = true;
  };
  search.SetSearchFile(dir.path() + "/A/*.mp3;*.pls");
  search.Execute();
  // The second mask's walk only announces the start folder.
  EXPECT_EQ(log.events, (std::vector<std::string>{"change A/", "find A/ x.mp3", "change A/B/",
                                                  "change A/", "finish"}));
  EXPECT_EQ(log.relative(search.FilesFound()), std::vector<std::string>{"A/x.mp3"});
  EXPECT_TRUE(search.Stop);  // kept until the next Execute
}

TEST(FileFindTest, EventsRunAfterEachEntryAndMayStopTheSearch) {
  TempDir dir;
  for (const char* name : {"A/1.mp3", "A/2.mp3", "A/3.mp3", "A/4.mp3", "A/B/5.mp3"}) {
    dir.write(name, "data");
  }
  int pumps = 0;
  TFileSearch* running = nullptr;
  // A Cancel button pressed while the second file's events run.
  TFileSearch search([&] {
    if (++pumps == 2) running->Stop = true;
  });
  running = &search;
  EventLog log(search, dir);
  search.SetSearchFile(dir.path() + "/A/*.mp3");
  search.Execute();
  EXPECT_EQ(log.events,
            (std::vector<std::string>{"change A/", "find A/ 1.mp3", "find A/ 2.mp3", "finish"}));
  EXPECT_EQ(pumps, 2);
}

TEST(FileFindTest, EventsRunThroughTheDialogs) {
  TempDir dir;
  MakeUsualTree(dir);
  ScriptedDialogs dialogs;
  TFileSearch search(dialogs);
  search.SetSearchFile(dir.path() + "/A/*.mp3");
  search.Execute();
  // After the entries B and x.mp3 of A, before entering B, after y.mp3 and z.pls.
  EXPECT_EQ(dialogs.processEventsCalls(), 5);
}

TEST(FileFindTest, StopGetsThroughAFolderOfFilesThatDoNotMatch) {
  TempDir dir;
  for (int i = 0; i < 200; ++i) dir.write("A/cover " + std::to_string(i) + ".jpg", "j");
  dir.write("A/z.mp3", "z");  // after every .jpg in name order
  dir.write("A/zz/y.mp3", "y");
  int pumps = 0;
  TFileSearch* running = nullptr;
  // Cancel pressed while the walk is still among the pictures.
  TFileSearch search([&] {
    if (++pumps == 50) running->Stop = true;
  });
  running = &search;
  EventLog log(search, dir);
  search.SetSearchFile(dir.path() + "/A/*.mp3");
  search.Execute();
  EXPECT_EQ(log.events, (std::vector<std::string>{"change A/", "finish"}));
  EXPECT_EQ(pumps, 50);
}

TEST(FileFindTest, ExecuteFromOnFinishRunsASecondCompleteSearch) {
  TempDir dir;
  MakeUsualTree(dir);
  dir.write("C/w.mp3", "w");
  TFileSearch search(std::function<void()>{});
  EventLog log(search, dir);
  std::vector<std::string> afterNested;
  int finishes = 0;
  search.OnFinish = [&](TFileSearch& finished) {
    log.events.push_back("finish");
    if (++finishes > 1) return;  // the second search ends the chain
    finished.SetSearchFile(dir.path() + "/C/*.mp3");
    finished.Execute();
    afterNested = log.relative(finished.FilesFound());
  };
  search.SetSearchFile(dir.path() + "/A/*.mp3");
  search.Execute();
  EXPECT_EQ(log.events, (std::vector<std::string>{"change A/", "find A/ x.mp3", "change A/B/",
                                                  "find A/B/ y.mp3", "finish", "change C/",
                                                  "find C/ w.mp3", "finish"}));
  EXPECT_EQ(afterNested, std::vector<std::string>{"C/w.mp3"});
  EXPECT_EQ(log.relative(search.FilesFound()), std::vector<std::string>{"C/w.mp3"});
  EXPECT_FALSE(search.Running());
}

TEST(FileFindTest, ExecuteFromInsideAWalkIsIgnored) {
  TempDir dir;
  MakeUsualTree(dir);
  TFileSearch search(std::function<void()>{});
  EventLog log(search, dir);
  search.OnFileFind = [&](const std::string& folder, const platform::DirEntry& info) {
    log.events.push_back("find " + log.relative(folder) + " " + info.name);
    EXPECT_TRUE(search.Running());
    search.Execute();
  };
  search.SetSearchFile(dir.path() + "/A/*.mp3");
  search.Execute();
  EXPECT_EQ(log.events, (std::vector<std::string>{"change A/", "find A/ x.mp3", "change A/B/",
                                                  "find A/B/ y.mp3", "finish"}));
  EXPECT_EQ(search.FilesFound().size(), 2u);
}

TEST(FileFindTest, LinksToFoldersAreReportedButNeverFollowed) {
  TempDir dir;
  MakeUsualTree(dir);
  ASSERT_EQ(::symlink(dir.file("A").c_str(), dir.file("A/B/loop.mp3").c_str()), 0);
  ASSERT_EQ(::symlink("../..", dir.file("A/B/up").c_str()), 0);
  TFileSearch search(std::function<void()>{});
  EventLog log(search, dir);
  search.SetSearchFile(dir.path() + "/A/*.mp3");
  search.Execute();
  EXPECT_EQ(log.events,
            (std::vector<std::string>{"change A/", "find A/ x.mp3", "change A/B/",
                                      "find A/B/ loop.mp3", "find A/B/ y.mp3", "finish"}));
}

// Two paths to one folder that are not links (a bind mount): the second is not entered.
class SharedFolderFileSystem : public FaultyFileSystem {
 public:
  explicit SharedFolderFileSystem(std::string alias, std::string target)
      : alias_(std::move(alias)), target_(std::move(target)) {}
  std::optional<platform::FolderIdentity> folderIdentity(const std::string& path) override {
    return FaultyFileSystem::folderIdentity(path == alias_ ? target_ : path);
  }

 private:
  std::string alias_;
  std::string target_;
};

TEST(FileFindTest, NoFolderIsEnteredTwice) {
  TempDir dir;
  MakeUsualTree(dir);
  dir.write("A/Mirror/y.mp3", "y");
  SharedFolderFileSystem fs(dir.file("A/Mirror/"), dir.file("A/B/"));
  TFileSearch search(std::function<void()>{}, fs);
  EventLog log(search, dir);
  search.SetSearchFile(dir.path() + "/A/*.mp3");
  search.Execute();
  EXPECT_EQ(log.events, (std::vector<std::string>{"change A/", "find A/ x.mp3", "change A/B/",
                                                  "find A/B/ y.mp3", "finish"}));
}

TEST(FileFindTest, UnreadableFoldersYieldNothing) {
  TempDir dir;
  MakeUsualTree(dir);
  FaultyFileSystem fs;
  fs.unreadableFolders = {dir.file("A/B/")};
  TFileSearch search(std::function<void()>{}, fs);
  EventLog log(search, dir);
  search.SetSearchFile(dir.path() + "/A/*.mp3");
  search.Execute();
  EXPECT_EQ(log.events,
            (std::vector<std::string>{"change A/", "find A/ x.mp3", "change A/B/", "finish"}));
}

TEST(FileFindTest, DeepTreesAreWalkedToTheBottom) {
  TempDir dir;
  constexpr int kDepth = 100;
  std::string folder = "A/";
  for (int i = 0; i < kDepth; ++i) folder += "d/";
  dir.write(folder + "deep.mp3", "x");
  TFileSearch search(std::function<void()>{});
  int folders = 0;
  search.OnChangeFolder = [&](const std::string&, const platform::DirEntry&) { ++folders; };
  search.OnFileFind = [](const std::string&, const platform::DirEntry&) {};
  search.SetSearchFile(dir.path() + "/A/*.mp3");
  search.Execute();
  EXPECT_EQ(folders, kDepth + 1);
  EXPECT_EQ(search.FilesFound(), std::vector<std::string>{dir.path() + "/" + folder + "deep.mp3"});
}

TEST(FileFindTest, SearchFileIsCutAt255Characters) {
  TFileSearch search(std::function<void()>{});
  search.SetSearchFile(std::string(300, 'a'));
  EXPECT_EQ(search.SearchFile(), std::string(255, 'a'));
  // Characters, not bytes: "é" is two bytes and is never cut in half.
  std::string accented;
  for (int i = 0; i < 200; ++i) accented += "\xC3\xA9";
  search.SetSearchFile(accented);
  EXPECT_EQ(search.SearchFile(), accented);
  search.SetSearchFile(accented + accented);
  EXPECT_EQ(search.SearchFile().size(), 510u);
}

TEST(FileFindTest, CanEnterFolderKeepsTheWalkOutOfAFolder) {
  TempDir dir;
  MakeUsualTree(dir);
  TFileSearch search(std::function<void()>{});
  EventLog log(search, dir);
  std::vector<std::string> asked;
  search.CanEnterFolder = [&](const std::string& folder) {
    asked.push_back(log.relative(folder));
    return false;
  };
  search.SetSearchFile(dir.path() + "/A/*.mp3");
  search.Execute();
  EXPECT_EQ(asked, std::vector<std::string>{"A/B/"});  // the start folder is not asked about
  EXPECT_EQ(log.events, (std::vector<std::string>{"change A/", "find A/ x.mp3", "finish"}));
}

TEST(FileFindTest, RememberedFoldersAreNotEnteredByTheNextSearches) {
  TempDir dir;
  MakeUsualTree(dir);
  TFileSearch search(std::function<void()>{});
  EventLog log(search, dir);
  search.RememberFolders = true;
  search.SetSearchFile(dir.path() + "/A/B/*.mp3;*.pls");
  search.Execute();
  search.SetSearchFile(dir.path() + "/A/*.mp3;*.pls");
  search.Execute();  // B was searched for both masks already
  EXPECT_EQ(log.events,
            (std::vector<std::string>{"change A/B/", "find A/B/ y.mp3", "change A/B/",
                                      "find A/B/ z.pls", "finish", "change A/", "find A/ x.mp3",
                                      "change A/", "finish"}));
  log.events.clear();
  search.ForgetFolders();
  search.SetSearchFile(dir.path() + "/A/B/*.mp3");
  search.Execute();
  EXPECT_EQ(log.events, (std::vector<std::string>{"change A/B/", "find A/B/ y.mp3", "finish"}));
}

}  // namespace
