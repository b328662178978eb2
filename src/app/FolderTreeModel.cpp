#include "app/FolderTreeModel.h"

#include <optional>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/PathParts.h"
#include "search/FolderListing.h"
#include "window/FolderTreePath.h"

namespace {

QString FromUtf8(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The names of a folder's subfolders as the folder listing reads them.
std::vector<std::string> SubfolderNames(const std::string& folder) {
  std::vector<std::string> names;
  ReadFolderEntries(platform::localFileSystem(), folder, "*", ListingKind::Folders, names);
  return names;
}

}  // namespace

struct FolderTreeModel::Node {
  std::string name;
  std::string path;  // empty for the root node
  Node* parent = nullptr;
  int row = 0;
  bool loaded = false;
  // Whether the folder has subfolders, read once before the node is expanded.
  mutable std::optional<bool> hasSubfolders;
  std::vector<std::unique_ptr<Node>> children;

  Node* add(const std::string& childName, const std::string& childPath) {
    auto child = std::make_unique<Node>();
    child->name = childName;
    child->path = childPath;
    child->parent = this;
    child->row = static_cast<int>(children.size());
    children.push_back(std::move(child));
    return children.back().get();
  }
};

FolderTreeModel::FolderTreeModel(const std::string& homePath, QObject* parent)
    : QAbstractItemModel(parent), root_(std::make_unique<Node>()) {
  // An invisible top holds the one visible root node.
  Node* computer = root_->add("Computer", std::string());
  root_->loaded = true;
  if (HasHomeNode(homePath)) {
    const std::string home = CleanFolderPath(homePath);
    home_ = computer->add(FileNamePart(home), home);
  }
  slash_ = computer->add("/", "/");
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
  if (role == Qt::DisplayRole) return FromUtf8(node->name);
  if (role == Qt::DecorationRole)
    return node->path.empty() ? icons_.icon(QFileIconProvider::Computer)
                              : icons_.icon(QFileIconProvider::Folder);
  if (role == Qt::ToolTipRole) return FromUtf8(node->path);
  return {};
}

bool FolderTreeModel::hasChildren(const QModelIndex& parent) const {
  const Node* node = nodeOf(parent);
  if (node->loaded) return !node->children.empty();
  // Asked for every node the view paints: the folder is read once, not at every paint.
  if (!node->hasSubfolders) node->hasSubfolders = !SubfolderNames(node->path).empty();
  return *node->hasSubfolders;
}

bool FolderTreeModel::canFetchMore(const QModelIndex& parent) const {
  return !nodeOf(parent)->loaded;
}

void FolderTreeModel::fetchMore(const QModelIndex& parent) {
  Node* node = nodeOf(parent);
  if (node->loaded) return;
  const std::vector<std::string> names = SubfolderNames(node->path);
  node->loaded = true;
  if (names.empty()) return;
  beginInsertRows(parent, 0, static_cast<int>(names.size()) - 1);
  for (const std::string& name : names) node->add(name, FolderTreeChildPath(node->path, name));
  endInsertRows();
}

QString FolderTreeModel::filePath(const QModelIndex& index) const {
  return FromUtf8(nodeOf(index)->path);
}

QModelIndex FolderTreeModel::rootIndex() const { return index(0, 0); }

QModelIndex FolderTreeModel::indexForPath(const QString& path) {
  const std::optional<FolderTreeRoute> route =
      FolderTreeRouteOf(path.toStdString(), home_ ? home_->path : std::string());
  if (!route) return {};
  QModelIndex current = indexOf(route->top == FolderTreeTop::Home ? home_ : slash_);
  for (const std::string& wanted : route->chain) {
    if (canFetchMore(current)) fetchMore(current);
    QModelIndex next;
    for (int row = 0; row < rowCount(current) && !next.isValid(); ++row) {
      const QModelIndex child = index(row, 0, current);
      if (nodeOf(child)->path == wanted) next = child;
    }
    if (!next.isValid()) return {};
    current = next;
  }
  return current;
}
