// TrackGrid: selection, current cell, colours, empty mark and editing state.
#include <algorithm>
#include <cstddef>
#include <utility>

#include "tracks/TrackGrid.h"

namespace {
std::size_t Index(int i) { return static_cast<std::size_t>(i); }
}  // namespace

// --- selection -------------------------------------------------------------------------------

void TrackGrid::setSelectedFlag(Row& row, bool selected) {
  if (row.selected == selected) return;
  row.selected = selected;
  selectedCount_ += selected ? 1 : -1;
}

bool TrackGrid::isSelected(int row) const { return isDataRow(row) && rows_[Index(row)].selected; }

void TrackGrid::setRowSelected(int row, bool selected) {
  if (!isDataRow(row) || rows_[Index(row)].selected == selected) return;
  setSelectedFlag(rows_[Index(row)], selected);
  notify([](TrackGridObserver& o) { o.selectionChanged(); });
}

void TrackGrid::selectRange(int first, int last) {
  if (first > last) std::swap(first, last);
  first = std::max(first, 1);
  last = std::min(last, rowCount() - 1);
  const int before = selectedCount_;
  for (int row = first; row <= last; ++row) setSelectedFlag(rows_[Index(row)], true);
  if (selectedCount_ != before) notify([](TrackGridObserver& o) { o.selectionChanged(); });
}

void TrackGrid::clearSelection() {
  if (selectedCount_ == 0) return;
  for (Row& row : rows_) row.selected = false;
  selectedCount_ = 0;
  notify([](TrackGridObserver& o) { o.selectionChanged(); });
}

void TrackGrid::selectAll() { selectRange(1, rowCount() - 1); }

void TrackGrid::invertSelection() {
  if (dataRowCount() < 1) return;
  for (int row = 1; row < rowCount(); ++row) {
    setSelectedFlag(rows_[Index(row)], !rows_[Index(row)].selected);
  }
  notify([](TrackGridObserver& o) { o.selectionChanged(); });
}

std::vector<int> TrackGrid::selectedRows() const {
  std::vector<int> rows;
  rows.reserve(Index(selectedCount_));
  for (int row = 1; row < rowCount() && static_cast<int>(rows.size()) < selectedCount_; ++row) {
    if (rows_[Index(row)].selected) rows.push_back(row);
  }
  return rows;
}

int TrackGrid::selectedCount() const { return selectedCount_; }

// --- current cell ----------------------------------------------------------------------------

int TrackGrid::currentRow() const { return currentRow_; }

int TrackGrid::currentColumn() const { return currentColumn_; }

void TrackGrid::setCurrentRow(int row) { setCurrent(row, currentColumn_); }

void TrackGrid::setCurrent(int row, int col) {
  if (!isDataRow(row) || col < 0 || (col >= columnCount() && col != 0)) return;
  if (row == currentRow_ && col == currentColumn_) return;
  currentRow_ = row;
  currentColumn_ = col;
  notify([row, col](TrackGridObserver& o) { o.currentChanged(row, col); });
}

// --- colours ---------------------------------------------------------------------------------

namespace {
// Sets a grid-wide colour and tells the observers when it changed.
template <typename Notify>
void SetGridColour(Colour& field, Colour value, Notify&& notify) {
  if (field == value) return;
  field = value;
  notify();
}
}  // namespace

Colour TrackGrid::background() const { return background_; }
Colour TrackGrid::headerColour() const { return headerColour_; }
Colour TrackGrid::selectionColour() const { return selectionColour_; }
Colour TrackGrid::textColour() const { return textColour_; }
Colour TrackGrid::gridLineColour() const { return gridLineColour_; }

void TrackGrid::setBackground(Colour colour) {
  SetGridColour(background_, colour, [this] { notifyAppearance(); });
}
void TrackGrid::setHeaderColour(Colour colour) {
  SetGridColour(headerColour_, colour, [this] { notifyAppearance(); });
}
void TrackGrid::setSelectionColour(Colour colour) {
  SetGridColour(selectionColour_, colour, [this] { notifyAppearance(); });
}
void TrackGrid::setTextColour(Colour colour) {
  SetGridColour(textColour_, colour, [this] { notifyAppearance(); });
}
void TrackGrid::setGridLineColour(Colour colour) {
  SetGridColour(gridLineColour_, colour, [this] { notifyAppearance(); });
}

void TrackGrid::notifyAppearance() {
  notify([](TrackGridObserver& o) { o.appearanceChanged(); });
}

Colour TrackGrid::rowTextColour(int row) const {
  return isDataRow(row) ? rows_[Index(row)].textColour : kNoColour;
}

Colour TrackGrid::rowBackground(int row) const {
  return isDataRow(row) ? rows_[Index(row)].background : kNoColour;
}

void TrackGrid::setRowTextColour(int row, Colour colour) {
  if (!isDataRow(row) || rows_[Index(row)].textColour == colour) return;
  rows_[Index(row)].textColour = colour;
  notify([row](TrackGridObserver& o) { o.rowColourChanged(row); });
}

void TrackGrid::setRowBackground(int row, Colour colour) {
  if (!isDataRow(row) || rows_[Index(row)].background == colour) return;
  rows_[Index(row)].background = colour;
  notify([row](TrackGridObserver& o) { o.rowColourChanged(row); });
}

const TrackGrid::CellBackground* TrackGrid::findCellBackground(int row, int col) const {
  if (!isDataRow(row)) return nullptr;
  for (const CellBackground& c : rows_[Index(row)].cellBackgrounds) {
    if (c.col == col) return &c;
  }
  return nullptr;
}

Colour TrackGrid::cellBackground(int row, int col) const {
  const CellBackground* c = findCellBackground(row, col);
  return c != nullptr ? c->colour : kNoColour;
}

void TrackGrid::setCellBackground(int row, int col, Colour colour) {
  if (!isDataRow(row) || col < 0 || col >= columnCount()) return;
  if (cellBackground(row, col) == colour) return;
  std::vector<CellBackground>& backgrounds = rows_[Index(row)].cellBackgrounds;
  std::erase_if(backgrounds, [col](const CellBackground& c) { return c.col == col; });
  if (colour != kNoColour) backgrounds.push_back(CellBackground{col, colour});
  notify([row](TrackGridObserver& o) { o.rowColourChanged(row); });
}

Colour TrackGrid::effectiveTextColour(int row) const {
  if (const Colour c = rowTextColour(row); c != kNoColour) return c;
  return textColour_;
}

Colour TrackGrid::effectiveBackground(int row, int col) const {
  if (row == 0) return headerColour_;
  if (const Colour c = cellBackground(row, col); c != kNoColour) return c;
  if (const Colour c = rowBackground(row); c != kNoColour) return c;
  return background_;
}

// --- empty mark ------------------------------------------------------------------------------

int TrackGrid::tag() const { return tag_; }

void TrackGrid::setTag(int tag) {
  if (tag_ == tag) return;
  tag_ = tag;
  notifyAppearance();
}

// --- in-place editing ------------------------------------------------------------------------

bool TrackGrid::editingAllowed() const { return editingAllowed_; }
bool TrackGrid::rowSelect() const { return rowSelect_; }
bool TrackGrid::selectionShown() const { return selectionShown_; }
bool TrackGrid::editorOpen() const { return editorRow_ >= 1; }
int TrackGrid::editorRow() const { return editorRow_; }
int TrackGrid::editorColumn() const { return editorColumn_; }

void TrackGrid::setEditFlag(bool& flag, bool value) {
  if (flag == value) return;
  flag = value;
  notify([](TrackGridObserver& o) { o.editStateChanged(); });
}

void TrackGrid::setEditingAllowed(bool allowed) { setEditFlag(editingAllowed_, allowed); }
void TrackGrid::setRowSelect(bool on) { setEditFlag(rowSelect_, on); }
void TrackGrid::setSelectionShown(bool shown) { setEditFlag(selectionShown_, shown); }

void TrackGrid::openEditor(int row, int col) {
  if (!isDataRow(row) || col < 0 || col >= columnCount()) return;
  if (row == editorRow_ && col == editorColumn_) return;
  editorRow_ = row;
  editorColumn_ = col;
  notify([](TrackGridObserver& o) { o.editStateChanged(); });
}

void TrackGrid::closeEditor() {
  if (editorRow_ < 0) return;
  editorRow_ = -1;
  editorColumn_ = -1;
  notify([](TrackGridObserver& o) { o.editStateChanged(); });
}
