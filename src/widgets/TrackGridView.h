#pragma once

#include <QPoint>
#include <QPointer>
#include <QStyledItemDelegate>
#include <QTableView>

#include "widgets/TrackGridModel.h"
#include "tracks/GridGestures.h"

// A QTableView over one core TrackGrid. The core holds the selection, the
// current row, the column layout and the sort indicator; the view shows
// them and forwards presses, clicks, drags and drops to the window.
class TrackGridView : public QTableView {
  Q_OBJECT
 public:
  explicit TrackGridView(TrackGrid& grid, QWidget* parent = nullptr);

  TrackGrid& grid() { return model_->grid(); }
  TrackGridModel* gridModel() { return model_; }
  // Re-reads widths, hidden columns, visual order and colours from the grid.
  void syncColumns();
  void syncAppearance();
  // Grid row (1-based) under a viewport point, or -1.
  int gridRowAt(const QPoint& viewportPos) const;
  // Where a drop at a viewport point lands: the data row under it, or rowCount() for the space
  // below the last row.
  int dropRowAt(const QPoint& viewportPos) const;
  void setDropTarget(bool on);
  // Puts the text of an open cell editor into the cell.
  void commitEditor();

 signals:
  // Any mouse press on the view or its header (before selection changes).
  void pressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint globalPos,
               int yInView);
  // A left press on a data row changed the selection; ctrl when it toggled one row.
  void rowPressed(int row, bool ctrl);
  // The keyboard moved the current row and the selection, or the release of a click
  // narrowed a selection to the clicked row.
  void selectionChangedByGesture();
  void headerClicked(int col);
  void enterPressed();
  void escapePressed();
  void doubleClickedRow(int row);
  // Rows of a track grid were dropped on data row `row` of this grid, or below its last row
  // (row is then rowCount(), one past the last data row).
  void rowsDropped(int row);
  // The in-place editor committed or closed.
  void editorClosed();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Remembers the in-place editor, so the core can close it with its text kept.
  class TrackingDelegate : public QStyledItemDelegate {
   public:
    explicit TrackingDelegate(TrackGridView* view) : QStyledItemDelegate(view), view_(view) {}
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;

   protected:
    bool eventFilter(QObject* object, QEvent* event) override;

   private:
    TrackGridView* view_;
  };

  void startRowDrag();
  void syncSortIndicator();
  void syncEditor();
  void scrollToCurrent();

  TrackGridModel* model_;
  GridGestures gestures_;
  QPoint pressPos_;
  bool dragPossible_ = false;
  bool syncingColumns_ = false;
  QPointer<QWidget> editor_;
};
