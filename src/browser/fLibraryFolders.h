#pragma once

#include <QDialog>
#include <QStringList>
#include <string>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;

// "Library Folders": the folders the library scan looks in, with Add and Remove; none means the
// local disks. Modal; OK takes the list, Cancel (or Esc) leaves it as it was.
class TfrmLibraryFolders : public QDialog {
  Q_OBJECT
 public:
  TfrmLibraryFolders(const std::vector<std::string>& folders, QWidget* parent = nullptr);

  std::vector<std::string> folders() const;
  // Adds a folder at the end, once.
  void addFolder(const QString& folder);

  QLabel* lblHint;
  QListWidget* lstFolders;
  QPushButton* btnAdd;
  QPushButton* btnRemove;
  QPushButton* btnOK;
  QPushButton* btnCancel;

 public slots:
  // Asks for a folder and adds it.
  void btnAddClick();
  void btnRemoveClick();
};
