#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "compile/ExportColumns.h"
#include "compile/ExportFormat.h"
#include "compile/ExportSheet.h"
#include "dialogs/EventPacer.h"
#include "dialogs/UserDialogs.h"
#include "search/ScanList.h"
#include "tracks/ColumnsDialog.h"
#include "tracks/GridItem.h"
#include "tracks/PlaylistDocument.h"
#include "tracks/TrackTable.h"

inline constexpr char kExportColumnsLabel[] = "Select the columns you want to export";
inline constexpr char kExportItemsCaption[] = "Export items...";
inline constexpr char kUntitledExport[] = "Untitled";

// Where the tracks of an export come from.
enum class ExportSource {
  Browser,    // every MP3 file the drive scan finds, in export mode: "Export All..." on the
              // browser side
  Selection,  // the active grid's selected rows, folders and a lone playlist file expanded:
              // "Export Selected..."
  Playlist,   // every playlist row, numbered from 1: "Export..." with the playlist active
};

// The export of the main window: asks for the columns and the file, then writes the tracks of
// one source to it as a text table or an HTML page, every value read again from the track's
// file. One export at a time. A file that cannot be written is reported with its path and the
// reason, and nothing is left under the chosen name.
class TrackExporter {
 public:
  // Where the browser export scans: the library's places.
  using ScanPlacesFn = std::function<ScanPlaces()>;

  // columns: the chooser dialog; without one nothing can be exported.
  TrackExporter(TrackTables& tables, UserDialogs& dialogs, ColumnsDialog* columns,
                const PlaylistDocument& document, ScanPlacesFn places);
  TrackExporter(const TrackExporter&) = delete;
  TrackExporter& operator=(const TrackExporter&) = delete;

  // How often the browser export's scan lets window events run.
  std::chrono::milliseconds EventInterval = kEventInterval;

  // actExportExecute: the playlist's export while the playlist is active (nothing when it is
  // empty), else the browser side's.
  void actExportExecute();
  // mniExportSel1Click: the active grid's selected rows; nothing on an empty grid or without a
  // selected row.
  void mniExportSel1Click();
  void ExportTracks(ExportSource mode);
  bool exporting() const { return exporting_; }

  // The last export's totals and format, kept until the next one starts.
  std::int64_t totalSize() const { return totalSize_; }
  double totalDuration() const { return totalDuration_; }
  ExportFormat format() const { return format_; }

 private:
  // What one export writes, gathered before the file is made.
  struct Source {
    std::string title;
    std::vector<GridItem> items;     // the selected rows
    std::vector<std::string> paths;  // the playlist's rows
    bool expandPlaylists = false;
  };

  std::optional<std::vector<ExportColumn>> ChooseExportColumns(ExportSource mode);
  Source CollectSource(ExportSource mode);
  Source CollectSelection();
  Source CollectPlaylist();
  // The body of the file by mode; false when a write failed.
  bool WriteBody(ExportSource mode, const Source& source, ExportSheet& sheet,
                 const std::vector<ExportColumn>& columns);
  bool WriteScanned(ExportSheet& sheet);
  bool WriteSelection(const Source& source, ExportSheet& sheet,
                      const std::vector<ExportColumn>& columns);

  TrackTables& tables_;
  UserDialogs& dialogs_;
  ColumnsDialog* columns_;
  const PlaylistDocument& document_;
  ScanPlacesFn places_;
  bool exporting_ = false;
  std::int64_t totalSize_ = 0;
  double totalDuration_ = 0.0;
  ExportFormat format_ = ExportFormat::Text;
};
