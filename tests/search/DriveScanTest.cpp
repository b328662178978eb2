#include <gtest/gtest.h>
#include <unistd.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "dialogs/ShortenText.h"
#include "search/DriveScan.h"
#include "support/FaultyFileSystem.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

namespace {

using Strings = std::vector<std::string>;

// Two places: A holds x.mp3, b.m3u, c.pls, notes.txt and the subfolder B with y.mp3; C holds
// z.mp3.
class DriveScanTest : public ::testing::Test {
 protected:
  DriveScanTest() {
    dir.write("A/x.mp3", "x");
    dir.write("A/b.m3u", "#EXTM3U\r\n");
    dir.write("A/c.pls", "[playlist]\r\n");
    dir.write("A/notes.txt", "n");
    dir.write("A/B/y.mp3", "y");
    dir.write("C/z.mp3", "z");
    scan.EventInterval = std::chrono::milliseconds(0);  // events after every entry
    scan.OnFile = [this](const std::string& path) {
      found.push_back(relative(path));
      return true;
    };
  }

  std::string relative(const std::string& path) const {
    return path.starts_with(dir.path() + "/") ? path.substr(dir.path().size() + 1) : path;
  }

  ScanPlaces places(std::vector<ScanEntry> entries, Strings fenced = {}) const {
    for (ScanEntry& entry : entries) entry.path = dir.file(entry.path);
    for (std::string& folder : fenced) folder = dir.file(folder);
    return {std::move(entries), std::move(fenced)};
  }

  TempDir dir;
  ScriptedDialogs dialogs;
  FaultyFileSystem fs;
  DriveScan scan{dialogs, fs};
  Strings found;
};

TEST_F(DriveScanTest, PlacesInTurnMp3FilesBeforePlaylists) {
  scan.FormCreate(places({{"A", true}, {"C", true}}));
  EXPECT_FALSE(scan.ShowModal());
  EXPECT_EQ(found, (Strings{"A/x.mp3", "A/B/y.mp3", "A/b.m3u", "A/c.pls", "C/z.mp3"}));
  EXPECT_EQ(scan.FoundCount(), 5);
  ASSERT_EQ(dialogs.scanProgress().size(), 1u);
  const ShownScanProgress& shown = dialogs.scanProgress().front();
  EXPECT_EQ(shown.caption, "Scanning...");
  EXPECT_EQ(shown.drives, (Strings{"Drive", dir.file("A"), dir.file("C")}));
  EXPECT_EQ(shown.lblFnd, "5");
  EXPECT_EQ(shown.lblFile, "z.mp3");
  EXPECT_EQ(shown.lblFolder, ShortenText(dir.file("C/")));
  EXPECT_GT(dialogs.processEventsCalls(), 0);
}

TEST_F(DriveScanTest, ExportModeFindsMp3FilesOnly) {
  scan.ExportMode = true;
  scan.FormCreate(places({{"A", true}, {"C", true}}));
  scan.ShowModal();
  EXPECT_EQ(found, (Strings{"A/x.mp3", "A/B/y.mp3", "C/z.mp3"}));
  EXPECT_EQ(dialogs.scanProgress().front().caption, "Export in process...");
}

TEST_F(DriveScanTest, AnEntryWithoutSubfoldersKeepsToItsOwnFiles) {
  scan.FormCreate(places({{"A", false}}));
  scan.ShowModal();
  EXPECT_EQ(found, (Strings{"A/x.mp3", "A/b.m3u", "A/c.pls"}));
}

TEST_F(DriveScanTest, OnlyFilesThatTheHookTakesAreCounted) {
  dir.mkdir("A/folder.mp3");  // matches the mask, but is no track
  scan.OnFile = [this](const std::string& path) {
    found.push_back(relative(path));
    return !path.ends_with(".m3u");  // went away before its row was filled
  };
  scan.FormCreate(places({{"A", true}}));
  scan.ShowModal();
  EXPECT_EQ(found, (Strings{"A/x.mp3", "A/B/y.mp3", "A/b.m3u", "A/c.pls"}));
  EXPECT_EQ(scan.FoundCount(), 3);
  EXPECT_EQ(scan.lblFnd(), "3");
}

TEST_F(DriveScanTest, CancelStopsTheScanAndKeepsWhatWasFound) {
  dialogs.willCancelScanAt(2);
  scan.FormCreate(places({{"A", true}, {"C", true}}));
  EXPECT_TRUE(scan.ShowModal());
  EXPECT_EQ(found, (Strings{"A/x.mp3", "A/B/y.mp3"}));
  EXPECT_TRUE(scan.Cancelled());
  EXPECT_EQ(scan.ScanList().size(), 1u);  // C was never started

  DriveScan early(dialogs, fs);
  dialogs.willCancelScanAt(0);  // before the scan starts
  early.FormCreate(places({{"A", true}}));
  EXPECT_TRUE(early.ShowModal());
  EXPECT_EQ(early.FoundCount(), 0);
}

// A bind mount of A inside A/B is a loop that no link shows: its folder is A by identity.
class BoundFileSystem : public FaultyFileSystem {
 public:
  BoundFileSystem(std::string bound, std::string target)
      : bound_(std::move(bound)), target_(std::move(target)) {}
  std::optional<platform::FolderIdentity> folderIdentity(const std::string& path) override {
    return FaultyFileSystem::folderIdentity(path.starts_with(bound_) ? target_ : path);
  }

 private:
  std::string bound_;
  std::string target_;
};

TEST_F(DriveScanTest, ABindMountLoopIsEnteredOnce) {
  dir.write("A/B/bind/x.mp3", "x");  // what the bind shows of A
  BoundFileSystem bound(dir.file("A/B/bind/"), dir.file("A/"));
  DriveScan loop(dialogs, bound);
  loop.OnFile = scan.OnFile;
  loop.ExportMode = true;
  loop.FormCreate(places({{"A", true}}));
  loop.ShowModal();
  EXPECT_EQ(found, (Strings{"A/x.mp3", "A/B/y.mp3"}));
}

TEST_F(DriveScanTest, WalksFollowNoLinkEnterNoFolderTwiceAndStopAtFences) {
  dir.write("C/usb/stick.mp3", "s");  // a mount of a stick: fenced
  ASSERT_EQ(::symlink(dir.file("C").c_str(), dir.file("A/B/toC").c_str()), 0);
  ASSERT_EQ(::symlink(dir.file("A").c_str(), dir.file("A/loop").c_str()), 0);
  // A twice (also inside another place) and C: every folder once.
  scan.ExportMode = true;
  scan.FormCreate(places({{"A", true}, {"A/B", true}, {"C", true}, {"A", true}}, {"C/usb"}));
  scan.ShowModal();
  EXPECT_EQ(found, (Strings{"A/x.mp3", "A/B/y.mp3", "C/z.mp3"}));
}

}  // namespace
