#include "browser/fLibraryFolders.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {

QPushButton* Button(const QString& text, const char* name) {
  auto* button = new QPushButton(text);
  button->setObjectName(QString::fromLatin1(name));
  return button;
}

}  // namespace

TfrmLibraryFolders::TfrmLibraryFolders(const std::vector<std::string>& folders, QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("frmLibraryFolders"));
  setWindowTitle(QStringLiteral("Library Folders"));
  resize(460, 260);

  lblHint = new QLabel(
      QStringLiteral("The library is built from the MP3 and playlist files of these folders.\n"
                     "Without any, all local disks are scanned."));
  lblHint->setObjectName(QStringLiteral("lblHint"));
  lstFolders = new QListWidget;
  lstFolders->setObjectName(QStringLiteral("lstFolders"));
  lstFolders->setSelectionMode(QAbstractItemView::ExtendedSelection);
  for (const std::string& folder : folders) addFolder(QString::fromStdString(folder));

  btnAdd = Button(QStringLiteral("Add..."), "btnAdd");
  btnRemove = Button(QStringLiteral("Remove"), "btnRemove");
  btnOK = Button(QStringLiteral("OK"), "btnOK");
  btnCancel = Button(QStringLiteral("Cancel"), "btnCancel");
  btnOK->setDefault(true);
  connect(btnAdd, &QPushButton::clicked, this, &TfrmLibraryFolders::btnAddClick);
  connect(btnRemove, &QPushButton::clicked, this, &TfrmLibraryFolders::btnRemoveClick);
  connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* layout = new QGridLayout(this);
  layout->addWidget(lblHint, 0, 0, 1, 2);
  layout->addWidget(lstFolders, 1, 0, 4, 1);
  layout->addWidget(btnAdd, 1, 1);
  layout->addWidget(btnRemove, 2, 1);
  layout->addWidget(btnOK, 3, 1, Qt::AlignBottom);
  layout->addWidget(btnCancel, 4, 1, Qt::AlignTop);
  layout->setRowStretch(3, 1);
}

std::vector<std::string> TfrmLibraryFolders::folders() const {
  std::vector<std::string> list;
  for (int i = 0; i < lstFolders->count(); ++i)
    list.push_back(lstFolders->item(i)->text().toStdString());
  return list;
}

void TfrmLibraryFolders::addFolder(const QString& folder) {
  if (folder.isEmpty() || !lstFolders->findItems(folder, Qt::MatchExactly).isEmpty()) return;
  lstFolders->addItem(folder);
}

void TfrmLibraryFolders::btnAddClick() {
  addFolder(QFileDialog::getExistingDirectory(this, QStringLiteral("Add a Library Folder")));
}

void TfrmLibraryFolders::btnRemoveClick() { qDeleteAll(lstFolders->selectedItems()); }
