#pragma once

#include <QAbstractTableModel>
#include <functional>

#include "tracks/TrackGrid.h"

// Shows a core TrackGrid in a QTableView without copying it: model row r is
// grid row r + 1 (the grid's row 0 is the header). The grid reports every
// change through its observer interface, turned here into precise signals so
// that a 100 000-row grid stays fast.
class TrackGridModel : public QAbstractTableModel, private TrackGridObserver {
  Q_OBJECT
 public:
  using AlignmentFn = std::function<Qt::Alignment(int gridRow, int col)>;
  using IconFn = std::function<QVariant(int gridRow, int col)>;

  explicit TrackGridModel(TrackGrid& grid, QObject* parent = nullptr);
  ~TrackGridModel() override;

  TrackGrid& grid() { return grid_; }
  void setAlignmentFn(AlignmentFn fn) { alignment_ = std::move(fn); }
  void setIconFn(IconFn fn) { icon_ = std::move(fn); }
  // An empty grid's one blank row shows as a row, like the grid keeps it.
  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  Qt::DropActions supportedDropActions() const override;
  Qt::DropActions supportedDragActions() const override;
  QStringList mimeTypes() const override;
  QMimeData* mimeData(const QModelIndexList& indexes) const override;

 signals:
  // Colours or the selection changed: every visible cell paints anew.
  void repaintNeeded();
  void columnsRearranged();
  void gridCurrentChanged();
  void gridAppearanceChanged();
  void gridEditStateChanged();
  void gridSortIndicatorChanged();

 private:
  void rowsAboutToBeInserted(int first, int count) override;
  void rowsInserted(int first, int count) override;
  void rowsAboutToBeRemoved(int first, int count) override;
  void rowsRemoved(int first, int count) override;
  void rowsAboutToBeMoved(int from, int count, int to) override;
  void rowsMoved(int from, int count, int to) override;
  void cellChanged(int row, int col) override;
  void rowChanged(int row) override;
  void rowColourChanged(int row) override;
  void headerChanged(int col) override;
  void layoutAboutToBeChanged() override;
  void layoutChanged() override;
  void modelAboutToBeReset() override;
  void modelReset() override;
  void columnsChanged() override;
  void selectionChanged() override;
  void currentChanged(int row, int col) override;
  void sortIndicatorChanged() override;
  void appearanceChanged() override;
  void editStateChanged() override;

  TrackGrid& grid_;
  AlignmentFn alignment_;
  IconFn icon_;
};

// The MIME type of rows dragged out of a track grid.
inline constexpr const char* kTrackRowsMimeType = "application/x-songloom-track-rows";
