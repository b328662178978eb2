#pragma once

#include <QAbstractItemModel>
#include <QFileIconProvider>
#include <memory>
#include <vector>

// The folder tree of the browser: a root node without a path ("Computer")
// with the home folder and "/" under it, then folders only, read lazily when
// a node is expanded. Hidden folders (a name starting with ".") are left out.
class FolderTreeModel : public QAbstractItemModel {
  Q_OBJECT
 public:
  explicit FolderTreeModel(QObject* parent = nullptr);
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
  QFileIconProvider icons_;
};
