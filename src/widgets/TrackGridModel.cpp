#include "widgets/TrackGridModel.h"

#include <QMimeData>

#include "tracks/CellPaint.h"
#include "widgets/Colours.h"

TrackGridModel::TrackGridModel(TrackGrid& grid, QObject* parent)
    : QAbstractTableModel(parent), grid_(grid) {
  grid_.addObserver(this);
}

TrackGridModel::~TrackGridModel() { grid_.removeObserver(this); }

int TrackGridModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : grid_.dataRowCount();
}

int TrackGridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : grid_.columnCount();
}

QVariant TrackGridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const int row = index.row() + 1;
  const int col = index.column();
  switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: {
      const std::string_view text = grid_.cellView(row, col);
      return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    }
    case Qt::ForegroundRole:
      return StoredColour(PaintOfCell(grid_, row, col).text);
    case Qt::BackgroundRole:
      return StoredColour(PaintOfCell(grid_, row, col).background);
    case Qt::TextAlignmentRole:
      return QVariant::fromValue(alignment_ ? alignment_(row, col) | Qt::AlignVCenter
                                            : Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::DecorationRole:
      return icon_ ? icon_(row, col) : QVariant();
    default:
      return {};
  }
}

QVariant TrackGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal) return {};
  switch (role) {
    case Qt::DisplayRole: {
      const std::string_view text = grid_.header(section);
      return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    }
    case Qt::TextAlignmentRole:
      return QVariant::fromValue(alignment_ ? alignment_(0, section) | Qt::AlignVCenter
                                            : Qt::AlignLeft | Qt::AlignVCenter);
    default:
      return {};
  }
}

Qt::ItemFlags TrackGridModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::ItemIsDropEnabled;
  Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled |
                    Qt::ItemIsDropEnabled;
  if (grid_.editingAllowed() && grid_.editorRow() == index.row() + 1 &&
      grid_.editorColumn() == index.column())
    f |= Qt::ItemIsEditable;
  return f;
}

bool TrackGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid() || role != Qt::EditRole) return false;
  grid_.setCell(index.row() + 1, index.column(), value.toString().toStdString());
  return true;
}

Qt::DropActions TrackGridModel::supportedDropActions() const {
  return Qt::CopyAction | Qt::MoveAction;
}

Qt::DropActions TrackGridModel::supportedDragActions() const {
  return Qt::CopyAction | Qt::MoveAction;
}

QStringList TrackGridModel::mimeTypes() const { return {QString::fromLatin1(kTrackRowsMimeType)}; }

QMimeData* TrackGridModel::mimeData(const QModelIndexList&) const {
  // The dragged rows are the source grid's selection; the drop target asks the
  // drag's source view for it, so the payload only names the kind.
  auto* mime = new QMimeData;
  mime->setData(QString::fromLatin1(kTrackRowsMimeType), QByteArray());
  return mime;
}

void TrackGridModel::rowsAboutToBeInserted(int first, int count) {
  beginInsertRows({}, first - 1, first + count - 2);
}
void TrackGridModel::rowsInserted(int, int) { endInsertRows(); }
void TrackGridModel::rowsAboutToBeRemoved(int first, int count) {
  beginRemoveRows({}, first - 1, first + count - 2);
}
void TrackGridModel::rowsRemoved(int, int) { endRemoveRows(); }

void TrackGridModel::rowsAboutToBeMoved(int from, int count, int to) {
  const int destination = to > from ? to + count : to;
  beginMoveRows({}, from - 1, from + count - 2, {}, destination - 1);
}
void TrackGridModel::rowsMoved(int, int, int) { endMoveRows(); }

void TrackGridModel::cellChanged(int row, int col) {
  const QModelIndex i = index(row - 1, col);
  emit dataChanged(i, i);
}

void TrackGridModel::rowChanged(int row) {
  emit dataChanged(index(row - 1, 0), index(row - 1, grid_.columnCount() - 1));
}

void TrackGridModel::rowColourChanged(int row) { rowChanged(row); }

void TrackGridModel::headerChanged(int col) { emit headerDataChanged(Qt::Horizontal, col, col); }

void TrackGridModel::layoutAboutToBeChanged() { emit QAbstractItemModel::layoutAboutToBeChanged(); }
void TrackGridModel::layoutChanged() { emit QAbstractItemModel::layoutChanged(); }
void TrackGridModel::modelAboutToBeReset() { beginResetModel(); }
void TrackGridModel::modelReset() { endResetModel(); }
void TrackGridModel::columnsChanged() { emit columnsRearranged(); }

void TrackGridModel::selectionChanged() {
  // A repaint, not dataChanged: that would also reset an open cell editor's text.
  emit repaintNeeded();
}

void TrackGridModel::currentChanged(int, int) { emit gridCurrentChanged(); }
void TrackGridModel::sortIndicatorChanged() { emit gridSortIndicatorChanged(); }

void TrackGridModel::appearanceChanged() {
  selectionChanged();
  emit gridAppearanceChanged();
}

void TrackGridModel::editStateChanged() {
  selectionChanged();
  emit gridEditStateChanged();
}
