#include "search/DriveScan.h"

#include <utility>

#include "dialogs/ShortenText.h"

namespace {

constexpr char kLibraryMasks[] = "*.mp3;*.m3u;*.pls";
constexpr char kExportMasks[] = "*.mp3";

std::string WithoutTrailingSlash(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

std::string WithTrailingSlash(const std::string& path) {
  return path.ends_with('/') ? path : path + "/";
}

}  // namespace

DriveScan::DriveScan(UserDialogs& dialogs, platform::FileSystem& fs)
    : dialogs_(dialogs), flSearch_([this] { pump(); }, fs) {
  flSearch_.OnChangeFolder = [this](const std::string& fullpath, const platform::DirEntry&) {
    flSearchChangeFolder(fullpath);
  };
  flSearch_.OnFileFind = [this](const std::string& fullpath, const platform::DirEntry& info) {
    flSearchFileFind(fullpath, info);
  };
  flSearch_.OnFinish = [this](TFileSearch&) { flSearchFinish(); };
  flSearch_.CanEnterFolder = [this](const std::string& folder) {
    return !fenced_.contains(WithoutTrailingSlash(folder));
  };
  flSearch_.RememberFolders = true;
}

void DriveScan::FormCreate(ScanPlaces places) {
  scanList_ = std::move(places.entries);
  fenced_ = std::set<std::string>(places.fencedFolders.begin(), places.fencedFolders.end());
  flSearch_.ForgetFolders();
}

bool DriveScan::ShowModal() {
  const char* caption = ExportMode ? kExportScanCaption : kScanCaption;
  dialogs_.showScanProgress(caption, [this](ScanProgressView& view) { Run(view); });
  return cancelled_;
}

void DriveScan::Run(ScanProgressView& view) {
  view_ = &view;
  found_ = 0;
  pacer_ = EventPacer(EventInterval);
  showLabels();
  // Cancel may have come before the scan started.
  if (view.cancelRequested()) btnCancelClick();
  if (!cancelled_) ScanNext();
  showLabels();
  view_ = nullptr;
}

void DriveScan::ScanNext() {
  if (scanList_.empty()) return;  // the dialog closes
  const ScanEntry entry = scanList_.front();
  scanList_.erase(scanList_.begin());
  lblDrive_ = entry.path;
  flSearch_.RecurseSubFolders = entry.recurse;
  flSearch_.SetSearchFile(WithTrailingSlash(entry.path) +
                          (ExportMode ? kExportMasks : kLibraryMasks));
  flSearch_.Execute();
}

void DriveScan::flSearchChangeFolder(const std::string& fullpath) {
  lblFolder_ = ShortenText(fullpath);
}

void DriveScan::flSearchFileFind(const std::string& fullpath, const platform::DirEntry& info) {
  // The masks also match folders (and broken links) named like files; they are no tracks.
  if (info.kind != platform::EntryKind::File) return;
  if (OnFile && !OnFile(fullpath + info.name)) return;
  ++found_;
  lblFile_ = ShortenText(info.name);
  lblFnd_ = std::to_string(found_);
}

void DriveScan::flSearchFinish() {
  if (!cancelled_ && !scanList_.empty()) ScanNext();
}

void DriveScan::btnCancelClick() {
  flSearch_.Stop = true;
  cancelled_ = true;
}

void DriveScan::pump() {
  if (!pacer_.due()) return;
  showLabels();
  dialogs_.processEvents();
  if (view_ && view_->cancelRequested() && !cancelled_) btnCancelClick();
}

void DriveScan::showLabels() {
  if (!view_) return;
  view_->setLabel(ScanLabel::Drive, lblDrive_);
  view_->setLabel(ScanLabel::Folder, lblFolder_);
  view_->setLabel(ScanLabel::File, lblFile_);
  view_->setLabel(ScanLabel::Found, lblFnd_);
}
