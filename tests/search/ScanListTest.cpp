#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "platform/MemoryFileSystem.h"
#include "platform/PathParts.h"
#include "search/ScanList.h"
#include "support/FakeMountTable.h"

namespace {

using platform::Mount;

// A file system in memory with symbolic links to folders, as a root folder may hold them.
class LinkedFileSystem : public platform::MemoryFileSystem {
 public:
  void addLink(const std::string& path, const std::string& target) { links_[path] = target; }

  bool listDirectory(const std::string& path, std::vector<platform::DirEntry>& entries) override {
    if (!MemoryFileSystem::listDirectory(path, entries)) return false;
    for (const auto& [link, target] : links_) {
      if (FolderPart(link) == (path.ends_with('/') ? path : path + "/"))
        entries.push_back({FileNamePart(link), platform::EntryKind::Directory, true});
    }
    return true;
  }
  std::string linkTarget(const std::string& path) override {
    const auto link = links_.find(path);
    return link == links_.end() ? path : link->second;
  }

 private:
  std::map<std::string, std::string> links_;
};

std::vector<std::string> Paths(const ScanPlaces& places) {
  std::vector<std::string> paths;
  for (const ScanEntry& entry : places.entries)
    paths.push_back(entry.path + (entry.recurse ? "" : " (files only)"));
  return paths;
}

// The written case mapped: a root of system folders, a music folder, a dotted one, a hidden one
// and a file; a separate /home, a /tmp in memory, a NAS under /mnt and a second disk.
class ScanListTest : public ::testing::Test {
 protected:
  ScanListTest() {
    for (const char* folder :
         {"/bin",          "/boot/efi",  "/dev",        "/etc",   "/home/u",
          "/lib",          "/lib64",     "/lost+found", "/Music", "/My.Music",
          "/.snapshots/1", "/opt",       "/proc",       "/run",   "/sbin",
          "/snap",         "/srv/music", "/sys",        "/tmp",   "/usr/share/sounds",
          "/var",          "/mnt/nas",   "/data/more"})
      fs.addFolder(folder);
    fs.addFile("/song.mp3", "root file");
  }

  LinkedFileSystem fs;
  FakeMountTable mounts{{{"/", true},
                         {"/proc", false},
                         {"/home", true},
                         {"/tmp", false},
                         {"/boot/efi", true},
                         {"/mnt/nas", false},
                         {"/.snapshots", true},
                         {"/data", true},
                         {"/data/more", true}}};
};

TEST_F(ScanListTest, TopFoldersLastNameFirstThenTheRootThenOtherDisks) {
  const ScanPlaces places = BuildScanList(fs, mounts);
  // data, home, mnt, Music, opt, srv by name (case ignored), inserted one before the other.
  EXPECT_EQ(Paths(places), (std::vector<std::string>{"/srv", "/opt", "/Music", "/mnt", "/home",
                                                     "/data", "/ (files only)", "/boot/efi"}));
  EXPECT_EQ(places.fencedFolders, (std::vector<std::string>{"/mnt/nas", "/proc", "/tmp"}));
}

TEST_F(ScanListTest, TopLevelLinksStandForTheirTargetOnce) {
  fs.addLink("/tunes", "/usr/share/sounds");   // outside every entry: scanned there
  fs.addLink("/sounds", "/usr/share/sounds");  // the same target: once
  fs.addLink("/music", "/srv/music");          // inside /srv: scanned with it
  fs.addLink("/everything", "/");              // the root's folders have entries of their own
  fs.addLink("/scratch", "/tmp/x");            // on a filesystem that is not scanned
  fs.addLink("/broken", "/broken");            // cannot be resolved
  const ScanPlaces places = BuildScanList(fs, mounts);
  EXPECT_EQ(Paths(places),
            (std::vector<std::string>{"/usr/share/sounds", "/srv", "/opt", "/Music", "/mnt",
                                      "/home", "/data", "/ (files only)", "/boot/efi"}));
}

TEST_F(ScanListTest, WithoutOtherMountsTheRootStandsAlone) {
  platform::MemoryFileSystem bare;
  bare.addFolder("/usr");
  bare.addFolder("/Music");
  FakeMountTable rootOnly;
  EXPECT_EQ(Paths(BuildScanList(bare, rootOnly)),
            (std::vector<std::string>{"/Music", "/ (files only)"}));
  // A root of a type that is not scanned (a container's overlay) is scanned all the same.
  FakeMountTable overlay({{"/", false}});
  EXPECT_EQ(Paths(BuildScanList(bare, overlay)),
            (std::vector<std::string>{"/Music", "/ (files only)"}));
}

TEST(FolderScanListTest, ChosenFoldersOnceInTheirOrder) {
  FakeMountTable mounts({{"/", true}, {"/music/nas", false}});
  const ScanPlaces places = FolderScanList(
      {"/music/rock/", "/audio", "/music", "/audio", "/music/rock/live", ""}, mounts);
  EXPECT_EQ(Paths(places), (std::vector<std::string>{"/audio", "/music"}));
  EXPECT_EQ(places.fencedFolders, (std::vector<std::string>{"/music/nas"}));
}

TEST(FolderScanListTest, PathsLieInFoldersByWholeComponents) {
  EXPECT_TRUE(PathLiesIn("/music", "/music"));
  EXPECT_TRUE(PathLiesIn("/music/rock", "/music"));
  EXPECT_TRUE(PathLiesIn("/music", "/"));
  EXPECT_FALSE(PathLiesIn("/musical", "/music"));
  EXPECT_FALSE(PathLiesIn("/mus", "/music"));
  EXPECT_TRUE(IsSystemFolderName("lib32"));
  EXPECT_FALSE(IsSystemFolderName("Bin"));  // compared exactly
}

}  // namespace
