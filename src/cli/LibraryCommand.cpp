#include "cli/LibraryCommand.h"

#include "browser/FolderBrowser.h"
#include "browser/LibraryView.h"
#include "cli/ConsoleDialogs.h"
#include "cli/ListCommand.h"
#include "metadata/MPEGaudio.h"
#include "platform/AbsolutePath.h"
#include "tracks/TrackTable.h"

std::optional<LibraryArguments> ParseLibraryArguments(const std::vector<std::string>& args) {
  LibraryArguments arguments;
  for (std::size_t i = 0; i < args.size(); i += 2) {
    if (i + 1 >= args.size()) return std::nullopt;
    if (args[i] == "--root") {
      arguments.roots.push_back(args[i + 1]);
    } else if (args[i] == "--search" && !arguments.search) {
      arguments.search = args[i + 1];
    } else {
      return std::nullopt;
    }
  }
  return arguments;
}

int RunLibraryCommand(const LibraryArguments& arguments, std::ostream& out, std::ostream& err,
                      bool progress, platform::FileSystem& fs, platform::MountTable& mounts) {
  std::vector<std::string> roots;
  for (const std::string& root : arguments.roots) {
    if (!fs.directoryExists(root)) {
      err << "songloom-cli: not a folder: " << root << "\n";
      return 1;
    }
    roots.push_back(platform::AbsolutePath(root));
  }
  ConsoleDialogs dialogs("", err);
  dialogs.showScanProgress(progress);
  TMPEGaudio analyser(fs);
  TrackTables tables(analyser, fs);
  tables.SetUpColumns();
  FolderBrowser browser(tables, dialogs, fs);
  LibraryView library(tables, browser, dialogs, fs, mounts);
  library.hooks.ShowLibraryPage = [&tables](bool searchShown) {
    tables.setShownBrowserGrid(searchShown ? GridId::Search : GridId::Library);
  };
  library.setLibraryFolders(roots);
  library.BuildLibrary();
  if (arguments.search) {
    library.setEdtSearch(*arguments.search);
    library.SearchLibrary();
  }
  WriteBrowserRows(tables, tables.shownBrowserGrid(), browser.lblInfo(), out);
  return 0;
}
