#pragma once

#include <chrono>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "dialogs/EventPacer.h"
#include "dialogs/UserDialogs.h"
#include "platform/FileSystem.h"
#include "search/FileFind.h"
#include "search/ScanList.h"

inline constexpr char kScanCaption[] = "Scanning...";
inline constexpr char kExportScanCaption[] = "Export in process...";

// The work behind the scan dialog TfrmScan: it searches the places of its scan list one after
// the other with its file search flSearch, starting each search from the previous one's
// OnFinish, and hands every file found to OnFile: the library fills a row with it, an export
// writes its line. The dialog itself is a view (UserDialogs::showScanProgress) that shows the
// labels kept here.
//
// Its walks never follow a link to a folder, never enter a folder twice in one scan, and never
// walk into a fenced mount point. The labels are shown and window events run once every
// EventInterval, looked at after every entry, so Cancel answers at once without the events
// costing more than the walk.
class DriveScan {
 public:
  // The full path of a file found; false when the file is not to be counted (it went away).
  using FileFoundHook = std::function<bool(const std::string& path)>;

  explicit DriveScan(UserDialogs& dialogs, platform::FileSystem& fs = platform::localFileSystem());
  DriveScan(const DriveScan&) = delete;
  DriveScan& operator=(const DriveScan&) = delete;

  // --- set by the caller before ShowModal ------------------------------------------------------
  // MP3 files only and the caption of an export, instead of MP3 and playlist files.
  bool ExportMode = false;
  FileFoundHook OnFile;
  std::chrono::milliseconds EventInterval = kEventInterval;

  // Takes the scan list and the fence (BuildScanList, FolderScanList).
  void FormCreate(ScanPlaces places);
  // Shows the dialog modally, scans once it is on screen and returns when it has closed: at
  // the end of the scan list, or after Cancel. True when cancelled.
  bool ShowModal();
  // Ends the scan at its next look, as Cancel does: for a hook that cannot go on.
  void Stop() { btnCancelClick(); }

  // --- state -------------------------------------------------------------------------------
  int FoundCount() const { return found_; }
  bool Cancelled() const { return cancelled_; }
  // The places still to scan.
  const std::vector<ScanEntry>& ScanList() const { return scanList_; }
  const std::string& lblDrive() const { return lblDrive_; }
  const std::string& lblFolder() const { return lblFolder_; }
  const std::string& lblFile() const { return lblFile_; }
  const std::string& lblFnd() const { return lblFnd_; }

 private:
  // The dialog is on screen (tmrStart has fired): the scan runs.
  void Run(ScanProgressView& view);
  void ScanNext();
  void flSearchChangeFolder(const std::string& fullpath);
  void flSearchFileFind(const std::string& fullpath, const platform::DirEntry& info);
  void flSearchFinish();
  void btnCancelClick();
  // After every entry: when due, shows the labels, lets events run and reads the cancel mark.
  void pump();
  void showLabels();

  UserDialogs& dialogs_;
  TFileSearch flSearch_;
  std::vector<ScanEntry> scanList_;
  std::set<std::string> fenced_;
  ScanProgressView* view_ = nullptr;  // while the dialog is shown
  EventPacer pacer_;
  int found_ = 0;
  bool cancelled_ = false;
  std::string lblDrive_ = "Drive";
  std::string lblFolder_;
  std::string lblFile_;
  std::string lblFnd_ = "0";
};
