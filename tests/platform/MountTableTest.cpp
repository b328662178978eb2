#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/AbsolutePath.h"
#include "platform/MountTable.h"

namespace {

using platform::Mount;

std::vector<std::string> Described(const std::vector<Mount>& mounts) {
  std::vector<std::string> texts;
  for (const Mount& mount : mounts)
    texts.push_back(mount.path + (mount.localDisk ? " local" : " not scanned"));
  return texts;
}

// The mount table of a desktop: the root and a separate home on disks, the kernel's pseudo
// filesystems, a NAS, an sshfs share, a USB stick where the desktop mounts it and a USB disk
// elsewhere (removable by its device), a path with a blank, and lines that do not parse.
TEST(MountTableTest, MountInfoKeepsOnlyLocalDisks) {
  const std::string text =
      "22 28 0:21 / /proc rw,relatime shared:12 - proc proc rw\n"
      "28 1 8:2 / / rw,relatime shared:1 - ext4 /dev/sda2 rw\n"
      "29 28 8:3 / /home rw,relatime shared:2 - btrfs /dev/sda3 rw\n"
      "30 28 0:25 / /tmp rw - tmpfs tmpfs rw\n"
      "31 28 0:40 / /mnt/nas rw - nfs4 nas:/music rw\n"
      "32 29 0:41 / /home/u/remote rw - fuse.sshfs u@host: rw\n"
      "33 28 8:17 / /media/u/STICK rw - vfat /dev/sdb1 rw\n"
      "34 28 8:33 / /mnt/usb\\040disk rw - ext4 /dev/sdc1 rw\n"
      "35 28 8:49 / /srv/music\\134x rw - xfs /dev/sdd1 rw\n"
      "36 28 0:50 / /var/lib/docker/overlay2/x/merged rw - overlay overlay rw\n"
      "garbage line\n"
      "37 28 8:2 / relative rw - ext4 /dev/sda2 rw\n"
      "38 28 x:y / /bad rw - ext4 /dev/sda2 rw\n";
  const auto removable = [](unsigned major, unsigned minor) {
    return major == 8 && minor == 33;  // the USB disk
  };
  EXPECT_EQ(
      Described(platform::ParseMountInfo(text, removable)),
      (std::vector<std::string>{
          "/proc not scanned", "/ local", "/home local", "/tmp not scanned", "/mnt/nas not scanned",
          "/home/u/remote not scanned", "/media/u/STICK not scanned", "/mnt/usb disk not scanned",
          "/srv/music\\x local", "/var/lib/docker/overlay2/x/merged not scanned"}));
}

TEST(MountTableTest, ProcMountsTellsRemovableMediaByPlace) {
  const std::string text =
      "/dev/sda2 / ext4 rw 0 0\n"
      "proc /proc proc rw 0 0\n"
      "/dev/sdb1 /run/media/u/CARD exfat rw 0 0\n"
      "/dev/sdc1 /data/ xfs rw 0 0\n"
      "short line\n";
  EXPECT_EQ(Described(platform::ParseProcMounts(text)),
            (std::vector<std::string>{"/ local", "/proc not scanned",
                                      "/run/media/u/CARD not scanned", "/data local"}));
}

TEST(MountTableTest, LocalDiskTypesAndRemovablePlaces) {
  for (const char* type : {"ext4", "xfs", "btrfs", "vfat", "ntfs3", "fuseblk", "zfs"})
    EXPECT_TRUE(platform::IsLocalDiskType(type)) << type;
  for (const char* type : {"proc", "tmpfs", "overlay", "squashfs", "nfs", "cifs", "fuse.sshfs", ""})
    EXPECT_FALSE(platform::IsLocalDiskType(type)) << type;
  EXPECT_TRUE(platform::IsRemovableMediaPath("/media/u/STICK"));
  EXPECT_TRUE(platform::IsRemovableMediaPath("/run/media/u/CARD"));
  EXPECT_FALSE(platform::IsRemovableMediaPath("/media"));
  EXPECT_FALSE(platform::IsRemovableMediaPath("/mediaserver/x"));
}

// The machine's own table always holds its root.
TEST(MountTableTest, ThisMachineHasARoot) {
  const std::vector<Mount> mounts = platform::localMountTable().mounts();
  EXPECT_TRUE(std::ranges::any_of(mounts, [](const Mount& m) { return m.path == "/"; }));
}

TEST(AbsolutePathTest, MakesPathsAbsoluteAndPlain) {
  const std::string here = platform::AbsolutePath(".");
  ASSERT_TRUE(here.starts_with('/'));
  const std::string prefix = here == "/" ? "/" : here + "/";
  EXPECT_EQ(platform::AbsolutePath("music"), prefix + "music");
  EXPECT_EQ(platform::AbsolutePath("music/../rock/"), prefix + "rock");
  EXPECT_EQ(platform::AbsolutePath("/a//b/./c/"), "/a/b/c");
  EXPECT_EQ(platform::AbsolutePath("/"), "/");
  EXPECT_EQ(platform::AbsolutePath(""), "");
}

}  // namespace
