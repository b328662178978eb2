#include "app/FolderTreeModel.h"

#include <QDir>
#include <QFileInfo>

struct FolderTreeModel::Node {
  QString name;
  QString path;  // empty for the root node
  Node* parent = nullptr;
  int row = 0;
  bool loaded = false;
  std::vector<std::unique_ptr<Node>> children;

  Node* add(const QString& childName, const QString& childPath) {
    auto child = std::make_unique<Node>();
    child->name = childName;
    child->path = childPath;
    child->parent = this;
    child->row = static_cast<int>(children.size());
    children.push_back(std::move(child));
    return children.back().get();
  }
};

FolderTreeModel::FolderTreeModel(QObject* parent)
    : QAbstractItemModel(parent), root_(std::make_unique<Node>()) {
  // An invisible top holds the one visible root node.
  Node* computer = root_->add(QStringLiteral("Computer"), QString());
  root_->loaded = true;
  computer->add(QDir::homePath().section(QLatin1Char('/'), -1), QDir::homePath());
  computer->add(QStringLiteral("/"), QStringLiteral("/"));
  computer->loaded = true;
}

FolderTreeModel::~FolderTreeModel() = default;

FolderTreeModel::Node* FolderTreeModel::nodeOf(const QModelIndex& index) const {
  return index.isValid() ? static_cast<Node*>(index.internalPointer()) : root_.get();
}

QModelIndex FolderTreeModel::indexOf(Node* node) const {
  return node == root_.get() ? QModelIndex() : createIndex(node->row, 0, node);
}

QModelIndex FolderTreeModel::index(int row, int column, const QModelIndex& parent) const {
  Node* node = nodeOf(parent);
  if (column != 0 || row < 0 || row >= static_cast<int>(node->children.size())) return {};
  return createIndex(row, 0, node->children[static_cast<std::size_t>(row)].get());
}

QModelIndex FolderTreeModel::parent(const QModelIndex& child) const {
  if (!child.isValid()) return {};
  return indexOf(nodeOf(child)->parent);
}

int FolderTreeModel::rowCount(const QModelIndex& parent) const {
  return static_cast<int>(nodeOf(parent)->children.size());
}

int FolderTreeModel::columnCount(const QModelIndex&) const { return 1; }

QVariant FolderTreeModel::data(const QModelIndex& index, int role) const {
  const Node* node = nodeOf(index);
  if (!index.isValid()) return {};
  if (role == Qt::DisplayRole) return node->name;
  if (role == Qt::DecorationRole)
    return node->path.isEmpty() ? icons_.icon(QFileIconProvider::Computer)
                                : icons_.icon(QFileIconProvider::Folder);
  if (role == Qt::ToolTipRole) return node->path;
  return {};
}

bool FolderTreeModel::hasChildren(const QModelIndex& parent) const {
  const Node* node = nodeOf(parent);
  if (node->loaded) return !node->children.empty();
  QDir dir(node->path);
  return !dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot).isEmpty();
}

bool FolderTreeModel::canFetchMore(const QModelIndex& parent) const {
  return !nodeOf(parent)->loaded;
}

void FolderTreeModel::fetchMore(const QModelIndex& parent) {
  Node* node = nodeOf(parent);
  if (node->loaded) return;
  QDir dir(node->path);
  const QFileInfoList entries =
      dir.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
  node->loaded = true;
  if (entries.isEmpty()) return;
  beginInsertRows(parent, 0, static_cast<int>(entries.size()) - 1);
  for (const QFileInfo& entry : entries) node->add(entry.fileName(), entry.absoluteFilePath());
  endInsertRows();
}

QString FolderTreeModel::filePath(const QModelIndex& index) const { return nodeOf(index)->path; }

QModelIndex FolderTreeModel::rootIndex() const { return index(0, 0); }

QModelIndex FolderTreeModel::indexForPath(const QString& path) {
  const QString wanted = QDir::cleanPath(path);
  QModelIndex current = rootIndex();
  // Under the home folder when the path lies there, else under "/".
  const QString home = QDir::homePath();
  const bool inHome = wanted == home || wanted.startsWith(home + QLatin1Char('/'));
  current = index(inHome ? 0 : 1, 0, current);
  QString reached = filePath(current);
  while (reached != wanted) {
    if (canFetchMore(current)) fetchMore(current);
    QModelIndex next;
    for (int row = 0; row < rowCount(current); ++row) {
      const QModelIndex child = index(row, 0, current);
      const QString childPath = filePath(child);
      if (wanted == childPath || wanted.startsWith(childPath + QLatin1Char('/'))) {
        next = child;
        break;
      }
    }
    if (!next.isValid()) return {};
    current = next;
    reached = filePath(current);
  }
  return current;
}
