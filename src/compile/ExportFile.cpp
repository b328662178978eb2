#include "compile/ExportFile.h"

#include <cstdint>

#include "platform/PathParts.h"

namespace {

// Free space this close to what was written when a write failed: the disk filled up.
constexpr std::int64_t kFullDiskMargin = 64 * 1024;

// Forwards to the export's file and counts what went through.
class CountingFile : public platform::WriteFile {
 public:
  explicit CountingFile(platform::WriteFile& file) : file_(file) {}
  bool write(const void* data, std::size_t n) override {
    const bool ok = file_.write(data, n);
    if (ok) written_ += static_cast<std::int64_t>(n);
    return ok;
  }
  bool flush() override { return file_.flush(); }
  bool close() override { return file_.close(); }
  std::int64_t written() const { return written_; }

 private:
  platform::WriteFile& file_;
  std::int64_t written_ = 0;
};

std::string FolderOf(platform::FileSystem& fs, const std::string& path) {
  const std::string folder = FolderPart(fs.linkTarget(path));
  return folder.empty() ? std::string(".") : folder;
}

bool DiskFull(platform::FileSystem& fs, const std::string& folder, std::int64_t written) {
  const std::int64_t available = fs.freeSpace(folder);
  return available >= 0 && available <= written + kFullDiskMargin;
}

std::string Reason(platform::FileSystem& fs, const std::string& path,
                   platform::ReplaceResult result, std::int64_t written) {
  const std::string folder = FolderOf(fs, path);
  switch (result) {
    case platform::ReplaceResult::Replaced:
      return std::string();
    case platform::ReplaceResult::TemporaryNotCreated:
      if (!fs.directoryExists(folder)) return "Its folder does not exist.";
      if (DiskFull(fs, folder, written)) return "The disk is full.";
      return "Its folder is not writable.";
    case platform::ReplaceResult::NotWritten:
      if (DiskFull(fs, folder, written)) return "The disk is full.";
      return "The file could not be written.";
    case platform::ReplaceResult::NotRenamed:
      if (fs.directoryExists(path)) return "A folder has that name.";
      return "The file could not be replaced.";
  }
  return "The file could not be written.";
}

}  // namespace

std::string WriteExportFile(platform::FileSystem& fs, const std::string& path,
                            const std::function<bool(platform::WriteFile&)>& write) {
  std::int64_t written = 0;
  const platform::ReplaceResult result =
      platform::TryReplaceFileAtomically(fs, path, kExportTempSuffix, [&](platform::WriteFile& f) {
        CountingFile counted(f);
        const bool ok = write(counted);
        written = counted.written();
        return ok;
      });
  if (result == platform::ReplaceResult::Replaced) return std::string();
  return "Cannot write the export file \"" + path + "\". " + Reason(fs, path, result, written);
}
