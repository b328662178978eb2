#include "widgets/TrackGridView.h"

#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>

#include "widgets/Colours.h"
#include "widgets/Fonts.h"

namespace {

constexpr int kRowHeight = 17;

GridGestures::Modifier GestureModifier(Qt::KeyboardModifiers modifiers) {
  if (modifiers & Qt::ControlModifier) return GridGestures::Modifier::Ctrl;
  if (modifiers & Qt::ShiftModifier) return GridGestures::Modifier::Shift;
  return GridGestures::Modifier::None;
}

bool CarriesTrackRows(const QMimeData* mime) {
  return mime && mime->hasFormat(QString::fromLatin1(kTrackRowsMimeType));
}

}  // namespace

TrackGridView::TrackGridView(TrackGrid& grid, QWidget* parent)
    : QTableView(parent), model_(new TrackGridModel(grid, this)) {
  setModel(model_);
  setItemDelegate(new TrackingDelegate(this));
  // The core keeps the selection; the view only paints it (see the model's colours).
  setSelectionMode(QAbstractItemView::NoSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setFont(TahomaFont(8));
  setWordWrap(false);
  setCornerButtonEnabled(false);
  setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  setFrameShape(QFrame::NoFrame);
  setDragEnabled(false);  // drags start from our own mouse handling

  verticalHeader()->hide();
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setMinimumSectionSize(kRowHeight);
  verticalHeader()->setDefaultSectionSize(kRowHeight);

  QHeaderView* header = horizontalHeader();
  header->setFixedHeight(kRowHeight + 1);
  header->setMinimumSectionSize(8);
  header->setHighlightSections(false);
  header->setSectionsClickable(true);
  header->setSectionsMovable(false);
  header->setStretchLastSection(false);
  header->setFont(TahomaFont(8));
  header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  header->viewport()->installEventFilter(this);
  connect(header, &QHeaderView::sectionClicked, this, &TrackGridView::headerClicked);
  connect(header, &QHeaderView::sectionResized, this, [this](int col, int, int width) {
    if (!syncingColumns_) model_->grid().setColumnWidth(col, width);
  });

  connect(model_, &TrackGridModel::repaintNeeded, viewport(), qOverload<>(&QWidget::update));
  connect(model_, &TrackGridModel::columnsRearranged, this, &TrackGridView::syncColumns);
  connect(model_, &QAbstractItemModel::modelReset, this, &TrackGridView::syncColumns);
  connect(model_, &TrackGridModel::gridAppearanceChanged, this, &TrackGridView::syncAppearance);
  connect(model_, &TrackGridModel::gridSortIndicatorChanged, this,
          &TrackGridView::syncSortIndicator);
  connect(model_, &TrackGridModel::gridEditStateChanged, this, &TrackGridView::syncEditor);
  connect(model_, &TrackGridModel::gridCurrentChanged, this, &TrackGridView::scrollToCurrent);
  syncColumns();
  syncAppearance();
}

void TrackGridView::syncColumns() {
  syncingColumns_ = true;
  TrackGrid& g = model_->grid();
  QHeaderView* header = horizontalHeader();
  for (int col = 0; col < g.columnCount(); ++col) {
    setColumnHidden(col, g.isColumnHidden(col));
    header->resizeSection(col, g.columnWidth(col));
  }
  for (int visual = 0; visual < g.columnCount(); ++visual) {
    const int logical = g.logicalIndex(visual);
    const int current = header->visualIndex(logical);
    if (current != visual) header->moveSection(current, visual);
  }
  syncingColumns_ = false;
  syncSortIndicator();
}

void TrackGridView::syncAppearance() {
  TrackGrid& g = model_->grid();
  const QColor background = StoredColour(g.background());
  const QColor headerColour = StoredColour(g.headerColour());
  const QColor lines = g.gridLineColour() == kNoColour ? background.lighter(125)
                                                       : StoredColour(g.gridLineColour());
  setStyleSheet(QStringLiteral(
                    "QTableView { background-color: %1; color: white; gridline-color: %2; }"
                    "QHeaderView::section { background-color: %3; color: white; border: none;"
                    " border-right: 1px solid %2; border-bottom: 1px solid %2; padding-left: 3px; }")
                    .arg(background.name(), lines.name(), headerColour.name()));
}

void TrackGridView::syncSortIndicator() {
  TrackGrid& g = model_->grid();
  QHeaderView* header = horizontalHeader();
  const bool shown = g.sortIndicatorShown() && g.sortColumn() != TrackGrid::kNoSortColumn;
  header->setSortIndicatorShown(shown);
  if (shown)
    header->setSortIndicator(g.sortColumn(), g.sortDirection() == SortDirection::Ascending
                                                 ? Qt::AscendingOrder
                                                 : Qt::DescendingOrder);
}

void TrackGridView::syncEditor() {
  TrackGrid& g = model_->grid();
  const bool editing = state() == QAbstractItemView::EditingState;
  if (g.editorOpen() && !editing) {
    const QModelIndex index = model_->index(g.editorRow() - 1, g.editorColumn());
    if (!(model_->flags(index) & Qt::ItemIsEditable)) return;
    scrollTo(index);
    edit(index, QAbstractItemView::AllEditTriggers, nullptr);
  } else if (!g.editorOpen() && editing && editor_) {
    // The core ended the editing; the text was committed when Enter was pressed.
    QTableView::closeEditor(editor_, QAbstractItemDelegate::NoHint);
    setFocus();
  }
}

void TrackGridView::commitEditor() {
  if (state() == QAbstractItemView::EditingState && editor_) commitData(editor_);
}

bool TrackGridView::TrackingDelegate::eventFilter(QObject* object, QEvent* event) {
  auto* editor = qobject_cast<QWidget*>(object);
  if (editor && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      // The typed text goes into the cell before the window ends the editing.
      emit commitData(editor);
      emit view_->enterPressed();
      return true;
    }
    if (key == Qt::Key_Escape) {
      emit view_->escapePressed();
      return true;
    }
  }
  return QStyledItemDelegate::eventFilter(object, event);
}

QWidget* TrackGridView::TrackingDelegate::createEditor(QWidget* parent,
                                                       const QStyleOptionViewItem& option,
                                                       const QModelIndex& index) const {
  QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
  view_->editor_ = editor;
  return editor;
}

void TrackGridView::scrollToCurrent() {
  const int row = model_->grid().currentRow();
  if (row >= 1) scrollTo(model_->index(row - 1, std::max(0, columnAt(0))));
}

int TrackGridView::gridRowAt(const QPoint& viewportPos) const {
  const int row = rowAt(viewportPos.y());
  return row < 0 ? -1 : row + 1;
}

int TrackGridView::dropRowAt(const QPoint& viewportPos) const {
  const int row = gridRowAt(viewportPos);
  return row >= 1 ? row : model_->grid().rowCount();
}

void TrackGridView::setDropTarget(bool on) {
  setAcceptDrops(on);
  viewport()->setAcceptDrops(on);
  setDropIndicatorShown(on);
}

bool TrackGridView::eventFilter(QObject* watched, QEvent* event) {
  if (watched == horizontalHeader()->viewport() && event->type() == QEvent::MouseButtonPress) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    emit pressed(mouse->button(), mouse->modifiers(), mouse->globalPosition().toPoint(),
                 mouse->position().toPoint().y());
  }
  return QTableView::eventFilter(watched, event);
}

void TrackGridView::mousePressEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  emit pressed(event->button(), event->modifiers(), event->globalPosition().toPoint(),
               viewport()->mapTo(this, pos).y());
  setFocus(Qt::MouseFocusReason);
  dragPossible_ = false;
  if (event->button() != Qt::LeftButton) return;
  const int row = gridRowAt(pos);
  if (row < 1 || !model_->grid().rowSelect()) return;
  gestures_.press(model_->grid(), row, GestureModifier(event->modifiers()));
  emit rowPressed(row, event->modifiers() & Qt::ControlModifier);
  pressPos_ = pos;
  dragPossible_ = model_->grid().isSelected(row);
}

void TrackGridView::mouseMoveEvent(QMouseEvent* event) {
  if (!dragPossible_ || !(event->buttons() & Qt::LeftButton)) return;
  if ((event->position().toPoint() - pressPos_).manhattanLength() <
      QApplication::startDragDistance())
    return;
  dragPossible_ = false;
  startRowDrag();
}

void TrackGridView::mouseReleaseEvent(QMouseEvent* event) {
  const bool narrowed = event->button() == Qt::LeftButton && dragPossible_ &&
                        gestures_.release(model_->grid(), gridRowAt(event->position().toPoint()));
  dragPossible_ = false;
  if (narrowed) emit selectionChangedByGesture();
}

void TrackGridView::mouseDoubleClickEvent(QMouseEvent* event) {
  const int row = gridRowAt(event->position().toPoint());
  if (event->button() == Qt::LeftButton && row >= 1) emit doubleClickedRow(row);
}

void TrackGridView::keyPressEvent(QKeyEvent* event) {
  const bool shift = event->modifiers() & Qt::ShiftModifier;
  const int page = std::max(1, viewport()->height() / kRowHeight);
  TrackGrid& g = model_->grid();
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      emit enterPressed();
      return;
    case Qt::Key_Escape:
      emit escapePressed();
      return;
    case Qt::Key_Up:
      gestures_.step(g, -1, shift);
      emit selectionChangedByGesture();
      return;
    case Qt::Key_Down:
      gestures_.step(g, 1, shift);
      emit selectionChangedByGesture();
      return;
    case Qt::Key_PageUp:
      gestures_.step(g, -page, shift);
      emit selectionChangedByGesture();
      return;
    case Qt::Key_PageDown:
      gestures_.step(g, page, shift);
      emit selectionChangedByGesture();
      return;
    case Qt::Key_Home:
      gestures_.step(g, -g.rowCount(), shift);
      emit selectionChangedByGesture();
      return;
    case Qt::Key_End:
      gestures_.step(g, g.rowCount(), shift);
      emit selectionChangedByGesture();
      return;
    default:
      QTableView::keyPressEvent(event);
  }
}

void TrackGridView::startRowDrag() {
  auto* drag = new QDrag(this);
  drag->setMimeData(model_->mimeData({}));
  drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::CopyAction);
}

void TrackGridView::dragEnterEvent(QDragEnterEvent* event) {
  if (CarriesTrackRows(event->mimeData()))
    event->acceptProposedAction();
  else
    event->ignore();
}

void TrackGridView::dragMoveEvent(QDragMoveEvent* event) {
  // The whole viewport takes drops, the space below the last row included; the header is no
  // part of it, so drops there are refused.
  if (CarriesTrackRows(event->mimeData()))
    event->acceptProposedAction();
  else
    event->ignore();
}

void TrackGridView::dropEvent(QDropEvent* event) {
  // Only our grids make this kind of drag; what moves is the active grid's selection.
  if (!CarriesTrackRows(event->mimeData())) {
    event->ignore();
    return;
  }
  event->acceptProposedAction();
  emit rowsDropped(dropRowAt(event->position().toPoint()));
}

void TrackGridView::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
  QTableView::closeEditor(editor, hint);
  emit editorClosed();
}
