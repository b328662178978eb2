#pragma once

#include <QAbstractItemModel>
#include <QFileIconProvider>
#include <memory>
#include <string>

// The folder tree of the browser: a root node without a path ("Computer") with the home folder
// and "/" under it, then folders only, read when a node is expanded. A node's subfolders are
// read as the folder listing reads them, so the tree and the listing agree: hidden folders (a
// name starting with ".") left out, names in the listing's order, a link counted as the folder
// it points to.
class FolderTreeModel : public QAbstractItemModel {
  Q_OBJECT
 public:
  // homePath: the folder of the home node; none for "/" or a path that is not absolute.
  explicit FolderTreeModel(const std::string& homePath, QObject* parent = nullptr);
  ~FolderTreeModel() override;

  QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
  QModelIndex parent(const QModelIndex& child) const override;
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  bool hasChildren(const QModelIndex& parent = {}) const override;
  bool canFetchMore(const QModelIndex& parent) const override;
  void fetchMore(const QModelIndex& parent) override;

  // The node's file-system path; empty for the root node.
  QString filePath(const QModelIndex& index) const;
  QModelIndex rootIndex() const;
  // The node of a folder path, fetching the nodes on the way; invalid when not found.
  QModelIndex indexForPath(const QString& path);

 private:
  struct Node;
  Node* nodeOf(const QModelIndex& index) const;
  QModelIndex indexOf(Node* node) const;

  std::unique_ptr<Node> root_;
  Node* home_ = nullptr;  // null when there is no home node
  Node* slash_ = nullptr;
  QFileIconProvider icons_;
};
