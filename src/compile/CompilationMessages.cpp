#include "compile/CompilationMessages.h"

#include "tracks/TrackTexts.h"

namespace {

// One path a line, the first kMaxListedFiles of them, then how many more there are.
std::string FileList(const std::vector<std::string>& files) {
  std::string list;
  for (std::size_t i = 0; i < files.size() && i < kMaxListedFiles; ++i) list += "\r\n" + files[i];
  if (files.size() > kMaxListedFiles)
    list += "\r\nand " + std::to_string(files.size() - kMaxListedFiles) + " more";
  return list;
}

// The line naming incomplete copies that stay in the folder; "" when there are none.
std::string LeftBehindList(const std::vector<std::string>& leftBehind) {
  if (leftBehind.empty()) return {};
  return "\r\nThese incomplete files could not be removed:" + FileList(leftBehind);
}

}  // namespace

std::string MissingFilesCompilationMessage(int missing) {
  return "There are " + std::to_string(missing) +
         " missing MP3 files in your playlist.\r\nPlease, remove the missing files from "
         "playlist,\r\nand then click on Create MP3 Compilation...";
}

std::string UnplayableFilesQuestion(const std::vector<std::string>& files) {
  return "These files hold no MPEG audio and will not play:" + FileList(files) +
         "\r\nCopy them to the compilation all the same?";
}

std::string NotEnoughSpaceMessage(const std::string& drive, std::int64_t totalSize) {
  return "There is not enough disk space to create a compilation.\r\nPlease, select another "
         "drive, or free up a space on drive " +
         drive + "\r\nThere must be at least " + SizeText(totalSize) + " of free space.";
}

std::string CompilationSuccessMessage(const std::string& folder) {
  return "MP3 Compilation was successfully created in the following folder:\r\n" + folder +
         "\r\nNow you can burn it on CD/DVD using your favorite burning software\r\n"
         "(e.g. Nero), or copy it to your portable MP3 player or memory card.\r\n"
         "Enjoy listening your compilation!";
}

std::string FilesNotCopiedMessage(const std::string& folder,
                                  const std::vector<std::string>& notCopied,
                                  const std::vector<std::string>& leftBehind) {
  return "MP3 Compilation was created in the following folder:\r\n" + folder +
         "\r\nbut these files could not be copied:" + FileList(notCopied) +
         LeftBehindList(leftBehind);
}

std::string CancelledMessage(const std::vector<std::string>& notCopied,
                             const std::vector<std::string>& leftBehind) {
  if (notCopied.empty() && leftBehind.empty()) return kCancelledMessage;
  return std::string(kCancelledMessage) +
         "\r\nThese files could not be copied:" + FileList(notCopied) + LeftBehindList(leftBehind);
}

std::string MissingFilesListMessage(const std::vector<std::string>& missingFiles) {
  return "These files do not exist:" + FileList(missingFiles);
}
