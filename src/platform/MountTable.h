#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The mounted filesystems, in place of the Windows list of drives and their types: the drive
// scan looks at local disks only, and never walks into a mount it does not scan.
namespace platform {

struct Mount {
  std::string path;        // the mount point: absolute, without a trailing "/" ("/" itself)
  bool localDisk = false;  // a filesystem on a local disk: not pseudo, network or removable
};

class MountTable {
 public:
  virtual ~MountTable() = default;
  // Every mount, in the order the system lists them: a later mount on the same path hides an
  // earlier one.
  virtual std::vector<Mount> mounts() = 0;
};

// The mount table of this machine: /proc/self/mountinfo, else /proc/mounts, else "/" alone.
MountTable& localMountTable();

// Whether the block device with these numbers holds removable media (a USB stick, a card).
using RemovableDevice = std::function<bool(unsigned major, unsigned minor)>;

// The mounts of a /proc/self/mountinfo text; lines that do not parse are left out.
std::vector<Mount> ParseMountInfo(std::string_view text, const RemovableDevice& removable);
// The mounts of a /proc/mounts text, which names no device numbers: removable media are told
// by their mount point alone.
std::vector<Mount> ParseProcMounts(std::string_view text);

// A filesystem type that lives on a local disk (ext4, xfs, btrfs, vfat, ntfs …). Pseudo
// filesystems (proc, tmpfs, overlay, squashfs …) and network ones (nfs, cifs, fuse.sshfs …)
// are not.
bool IsLocalDiskType(std::string_view type);
// Where desktops mount removable media (/media/…, /run/media/…).
bool IsRemovableMediaPath(std::string_view mountPoint);

}  // namespace platform
