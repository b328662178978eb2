#include "compile/TrackExporter.h"

#include <utility>

#include "compile/ChooseExportFile.h"
#include "compile/ExportFile.h"
#include "search/DriveScan.h"
#include "tracks/AddItemsWorker.h"

namespace {

// The chooser's list for a source: every offered column, ticked.
std::vector<ColumnChoice> ExportChoices(ExportSource mode) {
  const std::span<const ExportColumn> offered =
      mode == ExportSource::Playlist ? PlaylistExportColumns() : BrowserExportColumns();
  std::vector<ColumnChoice> choices;
  for (const ExportColumn& column : offered) choices.push_back({std::string(column.name), true});
  return choices;
}

}  // namespace

TrackExporter::TrackExporter(TrackTables& tables, UserDialogs& dialogs, ColumnsDialog* columns,
                             const PlaylistDocument& document, ScanPlacesFn places)
    : tables_(tables),
      dialogs_(dialogs),
      columns_(columns),
      document_(document),
      places_(std::move(places)) {}

void TrackExporter::actExportExecute() {
  if (tables_.activeGridId() != GridId::Playlist) return ExportTracks(ExportSource::Browser);
  if (!tables_.grdPlaylist().isEmpty()) ExportTracks(ExportSource::Playlist);
}

void TrackExporter::mniExportSel1Click() {
  const TrackGrid& grid = tables_.activeGrid();
  if (!grid.isEmpty() && grid.selectedCount() > 0) ExportTracks(ExportSource::Selection);
}

void TrackExporter::ExportTracks(ExportSource mode) {
  if (exporting_ || !columns_) return;
  exporting_ = true;
  totalSize_ = 0;
  totalDuration_ = 0.0;
  const std::optional<std::vector<ExportColumn>> columns = ChooseExportColumns(mode);
  const std::string path =
      columns ? ChooseExportFile(dialogs_, tables_.fileSystem(), kExportFilter) : std::string();
  if (!path.empty()) {
    // Taken before anything runs that lets the person change the grids.
    const Source source = CollectSource(mode);
    format_ = FormatOfExportPath(path);
    const std::string error =
        WriteExportFile(tables_.fileSystem(), path, [&](platform::WriteFile& file) {
          ExportSheet sheet(tables_.analyser(), file, format_, *columns);
          const bool written = sheet.writeHeader(source.title) &&
                               WriteBody(mode, source, sheet, *columns) && sheet.writeFooter();
          totalSize_ = sheet.totalSize();
          totalDuration_ = sheet.totalDuration();
          return written;
        });
    if (!error.empty()) dialogs_.error(error);
  }
  exporting_ = false;
}

std::optional<std::vector<ExportColumn>> TrackExporter::ChooseExportColumns(ExportSource mode) {
  ColumnChooser chooser(kExportColumnsLabel, ExportChoices(mode), FirstEntry::Tickable);
  chooser.enableOK();
  if (!columns_->showColumns(chooser)) return std::nullopt;
  std::vector<ExportColumn> chosen;
  for (const std::string& name : chooser.checkedNames())
    if (const ExportColumn* column = FindExportColumn(name)) chosen.push_back(*column);
  return chosen;
}

TrackExporter::Source TrackExporter::CollectSource(ExportSource mode) {
  switch (mode) {
    case ExportSource::Browser:
      return Source();
    case ExportSource::Selection:
      return CollectSelection();
    case ExportSource::Playlist:
      return CollectPlaylist();
  }
  return Source();
}

TrackExporter::Source TrackExporter::CollectSelection() {
  Source source;
  const TrackGrid& grid = tables_.activeGrid();
  const bool playlist = tables_.isPlaylist(grid);
  for (const int row : grid.selectedRows()) {
    GridItem item = tables_.RowItem(grid, row);
    // The playlist's rows are tracks, whatever their extension.
    if (playlist) item = GridItem{{}, item.path, ItemKind::Mp3, std::string(kTypeMp3)};
    source.items.push_back(std::move(item));
  }
  // A playlist file selected alone gives its tracks and its name.
  if (source.items.size() == 1 && source.items.front().kind == ItemKind::OtherFile) {
    source.expandPlaylists = true;
    source.title = source.items.front().fileName();
  }
  return source;
}

TrackExporter::Source TrackExporter::CollectPlaylist() {
  Source source;
  const std::string& name = document_.playlistName();
  source.title = name.empty() ? std::string(kUntitledExport) : name;
  const TrackGrid& grid = tables_.grdPlaylist();
  for (int row = 1; row < grid.rowCount(); ++row)
    source.paths.push_back(tables_.RowPath(grid, row));
  return source;
}

bool TrackExporter::WriteBody(ExportSource mode, const Source& source, ExportSheet& sheet,
                              const std::vector<ExportColumn>& columns) {
  switch (mode) {
    case ExportSource::Browser:
      return WriteScanned(sheet);
    case ExportSource::Selection:
      return WriteSelection(source, sheet, columns);
    case ExportSource::Playlist:
      return sheet.writeNumberedRows(source.paths);
  }
  return true;
}

bool TrackExporter::WriteScanned(ExportSheet& sheet) {
  DriveScan scan(dialogs_, tables_.fileSystem());
  scan.ExportMode = true;
  scan.EventInterval = EventInterval;
  scan.OnFile = [&](const std::string& path) {
    if (sheet.writeRow(path, -1)) return true;
    scan.Stop();
    return false;
  };
  scan.FormCreate(places_ ? places_() : ScanPlaces());
  scan.ShowModal();
  return sheet.ok();
}

bool TrackExporter::WriteSelection(const Source& source, ExportSheet& sheet,
                                   const std::vector<ExportColumn>& columns) {
  AddItemsWorker worker(tables_, dialogs_);
  worker.ExportMode = true;
  worker.ExpandPlaylists = source.expandPlaylists;
  worker.ExportColumns = ExportColumnNames(columns);
  worker.Caption = kExportItemsCaption;
  worker.ExportFile = [&](const GridItem& item, const std::vector<std::string>&) {
    return sheet.writeRow(item.path, -1);
  };
  worker.Show();
  for (const GridItem& item : source.items) {
    if (worker.Stopped()) break;
    worker.AddItem(item);
    dialogs_.processEvents();
  }
  worker.Close();
  return sheet.ok();
}
