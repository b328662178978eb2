#include "cli/ListCommand.h"

#include <string_view>

#include "browser/FolderBrowser.h"
#include "cli/ConsoleDialogs.h"
#include "cli/InfoCommand.h"
#include "metadata/MPEGaudio.h"
#include "tracks/TrackColumns.h"
#include "tracks/TrackTable.h"

namespace {

// One line of the browser layout's columns in order: cell(name) for each, tab-separated.
template <typename CellText>
std::string ColumnsLine(CellText cell) {
  std::string line;
  bool first = true;
  for (const ColumnEntry& column : BrowserLayout()) {
    if (!first) line += '\t';
    first = false;
    line += cell(column.name);
  }
  return line;
}

}  // namespace

std::string ListHeaderLine() {
  return ColumnsLine([](std::string_view name) { return std::string(name); });
}

int RunListCommand(const std::string& folder, std::ostream& out, std::ostream& err,
                   platform::FileSystem& fs) {
  if (!fs.directoryExists(folder)) {
    err << "songloom-cli: not a folder: " << folder << "\n";
    return 1;
  }
  const bool refused = fs.directoryAccessRefused(folder);
  ConsoleDialogs dialogs("", err);  // the refusal's message goes to err
  TMPEGaudio analyser(fs);
  TrackTables tables(analyser, fs);
  tables.SetUpColumns();
  FolderBrowser browser(tables, dialogs, fs);
  browser.MarkListingIdle();
  browser.lstFoldersChange(folder);
  while (browser.timerEnabled()) browser.tmrTimer();
  if (refused) return 1;

  WriteBrowserRows(tables, tables.grdBrowser(), browser.lblInfo(), out);
  return 0;
}

void WriteBrowserRows(const TrackTables& tables, const TrackGrid& grid, const std::string& totals,
                      std::ostream& out) {
  out << ListHeaderLine() << "\n";
  for (int row = 1; !grid.isEmpty() && row < grid.rowCount(); ++row) {
    out << ColumnsLine([&](std::string_view name) {
      return InfoFieldText(grid.cellView(row, tables.ColumnByName(grid, name)));
    }) << "\n";
  }
  out << totals << "\n";
}
