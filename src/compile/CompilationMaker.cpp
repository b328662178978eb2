#include "compile/CompilationMaker.h"

#include <utility>

#include "compile/CompilationMessages.h"
#include "compile/CompilationNames.h"
#include "compile/CopyFiles.h"
#include "compile/UnplayableFiles.h"

CompilationMaker::CompilationMaker(UserDialogs& dialogs, platform::FileSystem& fs)
    : dialogs_(dialogs), fs_(fs) {}

CompilationResult CompilationMaker::Make(const CompilationPlaylist& playlist) {
  CompilationResult result;
  if (!CheckPlaylist(playlist)) {
    result.outcome =
        playlist.empty ? CompilationOutcome::EmptyPlaylist : CompilationOutcome::MissingFiles;
    return result;
  }
  if (!AcceptUnplayable(playlist.sources)) {
    result.outcome = CompilationOutcome::UnplayableFiles;
    return result;
  }
  const std::string destination = dialogs_.chooseFolder(kSelectDestinationTitle, lastDestination_);
  if (destination.empty()) {
    result.outcome = CompilationOutcome::NoDestination;
    return result;
  }
  lastDestination_ = destination;

  const std::string folder = UniqueFolderPath(destination, CompilationBaseName(playlist.name));
  if (!fs_.createDirectory(folder)) {
    dialogs_.inform(kCannotCreateFolderMessage);
    result.outcome = CompilationOutcome::CannotCreateFolder;
    return result;
  }
  if (!EnoughSpace(folder, playlist.totalSize)) {
    result.outcome = CompilationOutcome::NotEnoughSpace;
    result.folder = folder;
    return result;
  }
  return CopyInto(folder, playlist.sources);
}

bool CompilationMaker::CheckPlaylist(const CompilationPlaylist& playlist) {
  if (playlist.empty) {
    dialogs_.inform(kEmptyPlaylistMessage);
    return false;
  }
  if (playlist.missing > 0) {
    std::string message = MissingFilesCompilationMessage(playlist.missing);
    if (!playlist.missingFiles.empty())
      message += "\r\n" + MissingFilesListMessage(playlist.missingFiles);
    dialogs_.inform(message);
    return false;
  }
  return true;
}

bool CompilationMaker::AcceptUnplayable(const std::vector<std::string>& sources) {
  if (copyUnplayable_) return true;
  const std::vector<std::string> unplayable = UnplayableFiles(sources, fs_);
  return unplayable.empty() || dialogs_.askYesNo(UnplayableFilesQuestion(unplayable));
}

std::string CompilationMaker::UniqueFolderPath(const std::string& destination,
                                               const std::string& base) {
  // Only folders advance the number: a file of that name makes the creation fail instead, so
  // nothing is ever written over.
  const std::string path = CompilationFolderPath(destination, base);
  std::string candidate = path;
  for (long long k = 1; fs_.directoryExists(candidate); ++k) candidate = path + std::to_string(k);
  return candidate;
}

bool CompilationMaker::EnoughSpace(const std::string& folder, std::int64_t totalSize) {
  // The free space is read for the new folder's path itself, so the process's current
  // directory is never changed (it would surprise every relative path elsewhere). Without
  // drive letters, the message names that folder as the place that lacks space.
  const std::int64_t free = fs_.freeSpace(folder);
  if (free >= totalSize) return true;
  dialogs_.inform(NotEnoughSpaceMessage(folder, totalSize));
  return false;
}

CompilationResult CompilationMaker::CopyInto(const std::string& folder,
                                             const std::vector<std::string>& sources) {
  CopyOutcome copied;
  const bool cancelled = dialogs_.showCopyProgress(
      [&](CopyProgressView& view) { copied = CopyFiles(sources, folder, view, dialogs_, fs_); });
  if (!cancelled) {
    // A view that closed before the loop got through must not pass for a finished copy.
    for (std::size_t i = static_cast<std::size_t>(copied.processed); i < sources.size(); ++i)
      copied.notCopied.push_back(sources[i]);
  }
  CompilationResult result;
  result.folder = folder;
  result.notCopied = std::move(copied.notCopied);
  result.leftBehind = std::move(copied.leftBehind);
  if (cancelled)
    result.outcome = CompilationOutcome::Cancelled;
  else if (!result.notCopied.empty())
    result.outcome = CompilationOutcome::FilesNotCopied;
  else
    result.outcome = CompilationOutcome::Created;
  ReportCopy(result);
  return result;
}

void CompilationMaker::ReportCopy(const CompilationResult& result) {
  if (result.outcome == CompilationOutcome::Created)
    dialogs_.inform(CompilationSuccessMessage(result.folder));
  else if (result.outcome == CompilationOutcome::FilesNotCopied)
    dialogs_.error(FilesNotCopiedMessage(result.folder, result.notCopied, result.leftBehind));
  else if (result.notCopied.empty())
    dialogs_.inform(kCancelledMessage);
  else
    dialogs_.error(CancelledMessage(result.notCopied, result.leftBehind));
}
