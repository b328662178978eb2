#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "metadata/TrackInfo.h"
#include "platform/FileSystem.h"
#include "tracks/GridItem.h"
#include "tracks/RowIdIndex.h"
#include "tracks/TrackColumns.h"
#include "tracks/TrackGrid.h"

class TMPEGaudio;

// The four track grids of the window, by their per-grid state index.
enum class GridId { Browser = 0, Library = 1, Search = 2, Playlist = 3 };
inline constexpr int kGridCount = 4;
inline constexpr int kOtherGridIndex = 4;  // the per-grid state of any grid not among the four

// Stored colours of the grids.
inline constexpr Colour kBrowserBackground = Bgr(99, 99, 99);
inline constexpr Colour kBrowserHeaderColour = Bgr(125, 125, 116);
inline constexpr Colour kPlaylistBackground = Bgr(60, 105, 166);
inline constexpr Colour kPlaylistHeaderColour = Bgr(125, 125, 154);
inline constexpr Colour kSelectionColour = Bgr(182, 202, 234);  // while a grid holds items

// Per-grid running state.
struct recMP3Size {
  std::int64_t Size = 0;          // bytes of the MP3 rows filled in
  double Duration = 0.0;          // their seconds
  std::int32_t Count = 0;         // MP3 rows counted
  std::string LastPlayed = "-1";  // "ID" of the item the player loaded last; "-1" when none
  std::int32_t LastID = 0;        // number given to the most recently filled row
};


// A "Sort by" submenu as data: one radio group of entries.
struct SortMenuEntry {
  std::string caption;
  bool checked = false;
};
struct SortMenu {
  bool sortsPlaylist = false;  // else it sorts the shown browser grid
  std::vector<SortMenuEntry> entries;
};
inline constexpr int kSortMenuCount = 4;  // mniSort1 … mniSort4, numbered 1 … 4

// The window's track tables: the four grids, their per-grid state, and the rules for their
// columns, cell texts, filling, clearing, alignment and sorting. Grids are passed by reference
// so that any other track grid (a dialog's) can be filled too; it uses state index 4.
class TrackTables {
 public:
  // The analyser is the window's single one; fs serves the sizes of files that are not MP3.
  explicit TrackTables(TMPEGaudio& analyser,
                       platform::FileSystem& fs = platform::localFileSystem());
  TrackTables(const TrackTables&) = delete;
  TrackTables& operator=(const TrackTables&) = delete;

  // --- the grids and their state ---------------------------------------------------------
  TrackGrid& grdBrowser() { return grids_[0]; }
  TrackGrid& grdLibrary() { return grids_[1]; }
  TrackGrid& grdSearch() { return grids_[2]; }
  TrackGrid& grdPlaylist() { return grids_[3]; }
  TrackGrid& grid(GridId id) { return grids_[static_cast<std::size_t>(id)]; }
  const TrackGrid& grid(GridId id) const { return grids_[static_cast<std::size_t>(id)]; }
  bool isPlaylist(const TrackGrid& grid) const { return &grid == &grids_[3]; }
  // grdBrowser, grdLibrary or grdSearch.
  bool isBrowserSide(const TrackGrid& grid) const;

  recMP3Size& MP3Size(int gridIndex);  // 0 … 4
  recMP3Size& MP3Size(const TrackGrid& grid) { return MP3Size(GridIndex(grid)); }

  TMPEGaudio& analyser() { return analyser_; }
  platform::FileSystem& fileSystem() { return fs_; }

  // The help panel over the empty playlist (shown at start).
  bool pnlHelpVisible() const { return pnlHelpVisible_; }
  void setHelpVisible(bool visible) { pnlHelpVisible_ = visible; }

  // The grid that grid-wide commands act on; the browser side at start.
  GridId activeGridId() const { return active_; }
  TrackGrid& activeGrid() { return grid(active_); }
  void setActiveGrid(GridId id) { active_ = id; }
  // The browser grid the browser side shows (grdBrowser at start).
  GridId shownBrowserGridId() const { return shownBrowser_; }
  TrackGrid& shownBrowserGrid() { return grid(shownBrowser_); }
  void setShownBrowserGrid(GridId id) { shownBrowser_ = id; }

  // --- columns -----------------------------------------------------------------------------
  // Columns, widths and hidden system columns of the four grids, and the "Sort by" submenus.
  void SetUpColumns();
  int LayoutSize(const TrackGrid& grid) const;  // 11 browser side, 12 any other grid
  int GridIndex(const TrackGrid& grid) const;   // 0 … 3 for the four grids, 4 for any other
  int ColumnByName(const TrackGrid& grid, std::string_view name) const;  // -1 when absent
  void SetCellByName(TrackGrid& grid, int row, std::string_view value, std::string_view name);
  std::string RowPath(const TrackGrid& grid, int row) const;
  std::string RowID(const TrackGrid& grid, int row) const;
  int RowByID(const TrackGrid& grid, std::string_view id) const;  // -1 when absent
  // The "Type" cell of the active grid's current row; empty when there is none.
  std::string CurrentType() const;
  // The row's item, without a track name: its path, and its kind and type by its "Type" cell
  // (by the path's extension in a grid without that column).
  GridItem RowItem(const TrackGrid& grid, int row) const;
  ItemKind RowKind(const TrackGrid& grid, int row) const;

  // --- filling -------------------------------------------------------------------------------
  // Fills one row from an item. False only when a file that is not an MP3 cannot be found:
  // then nothing is written and FillError() holds the text to show.
  bool FillRowFromItem(TrackGrid& grid, int row, const GridItem& item);
  const std::string& FillError() const { return fillError_; }
  // Writes the MP3 columns of a row; hides the help panel for the playlist.
  void FillRowFromInfo(TrackGrid& grid, int row, const recMP3Info& info,
                       const std::string& trackName);
  // Fills row toRow of a grid from a row of another as FillRowFromItem would from the row's
  // file, without reading the file again: the cells and totals are copied, the row gets the
  // next "ID" of its grid and counts in its running totals. False for a row out of range.
  bool CopyRow(const TrackGrid& from, int fromRow, TrackGrid& to, int toRow);
  // One blank row, empty mark, selection colour = background, per-grid state reset.
  void ClearGrid(TrackGrid& grid);
  // After removals left no data row: one blank row and the empty mark.
  void MarkEmptyIfNoRows(TrackGrid& grid);
  // "%d." of each data row into the playlist's "#" column.
  void Renumber();

  // --- cell rules and sorting ----------------------------------------------------------------
  // "Size", "#" and "Duration" cells (header included) are right-aligned.
  CellAlignment grdBrowserGetAlignment(const TrackGrid& grid, int row, int col) const;
  // "Size2" compares as numbers, everything else as text.
  CompareKind grdBrowserGetFormat(const TrackGrid& grid, int col) const;
  // Asked before a header click sorts: true when the grid should sort by itself; false after
  // it sorted on its own rules here ("Type", "Size", "Bitrate") or for the playlist's "#".
  bool grdBrowserCanSort(TrackGrid& grid, int col);
  // After the playlist sorted by itself: renumber it.
  void grdPlaylistClickSort(TrackGrid& grid, int col);
  // The whole header click: nothing with fewer than two data rows; else grdBrowserCanSort,
  // the grid's own sort when it allows, and the playlist's renumbering.
  void SortByHeaderClick(TrackGrid& grid, int col);

  const SortMenu& sortMenu(int menu) const;  // 1 … 4
  // The entry `entry` (0-based) of submenu `menu` (1 … 4) was clicked.
  void SortByMenuItem(int menu, std::size_t entry);
  // Ticks the entry of the grid's sort column in submenu `menu` (1 … 4).
  void CheckSortMenu(int menu);

 private:
  void setUpGrid(TrackGrid& grid);
  // Sorts on the column's own rules ("Type", "Size", "Bitrate") and renumbers the playlist;
  // false for a column that sorts as plain text.
  bool sortOnOwnRules(TrackGrid& grid, std::string_view header);
  void indexedSort(TrackGrid& grid, std::string_view header);
  void companionSort(TrackGrid& grid, std::string_view header);
  TrackGrid& sortMenuGrid(int menu);
  SortMenu& menuAt(int menu);

  TMPEGaudio& analyser_;
  platform::FileSystem& fs_;
  std::array<TrackGrid, kGridCount> grids_;
  // "ID" lookups of the four grids; a lookup fills its index anew after a change.
  mutable std::array<std::unique_ptr<RowIdIndex>, kGridCount> idIndexes_;
  std::array<recMP3Size, kGridCount + 1> sizes_;
  std::array<SortMenu, kSortMenuCount> sortMenus_;
  bool pnlHelpVisible_ = true;
  GridId active_ = GridId::Browser;
  GridId shownBrowser_ = GridId::Browser;
  std::string fillError_;
};
