#include "compile/CopyFiles.h"

#include "compile/CompilationNames.h"

CopyOutcome CopyFiles(const std::vector<std::string>& sources, const std::string& destFolder,
                      CopyProgressView& view, UserDialogs& dialogs, platform::FileSystem& fs) {
  CopyOutcome outcome;
  const int count = static_cast<int>(sources.size());
  view.setRange(count);
  for (int row = 1; row <= count && !view.cancelRequested(); ++row) {
    const std::string& source = sources[static_cast<std::size_t>(row - 1)];
    const std::string name = TargetName(row, count, source);
    const std::string target = destFolder + "/" + name;
    view.setFileLabel(name);
    if (fs.copyFile(source, target)) {
      view.fileCopied(target);
    } else {
      // The folder is new and every name in it unique, so this can only be our own half copy:
      // a truncated track must not end up on the disc, nor pass unnoticed when it stays.
      if (!fs.remove(target) && fs.fileExists(target)) outcome.leftBehind.push_back(target);
      outcome.notCopied.push_back(source);
    }
    outcome.processed = row;
    view.setPosition(row);
    dialogs.processEvents();
  }
  return outcome;
}
