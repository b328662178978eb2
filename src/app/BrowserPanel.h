#pragma once

#include <QWidget>

class CaptionPanel;
class FolderTreeModel;
class GradientPanel;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTreeView;
class TrackGridView;
class TrackTables;
class VetoSplitter;

// The MP3 Browser side: caption, the two views (folder tree with grdBrowser;
// library with its search bar, grdLibrary and grdSearch) on a page control
// without tabs, and the info bar with the view switch and the totals line.
class BrowserPanel : public QWidget {
  Q_OBJECT
 public:
  BrowserPanel(TrackTables& tables, QWidget* parent = nullptr);

  CaptionPanel* pnlBrowserCaption;
  QStackedWidget* pgcMain;
  QWidget* pnlFolders;
  CaptionPanel* pnlFCaption;
  QTreeView* lstFolders;
  FolderTreeModel* folderModel;
  VetoSplitter* spl1;
  TrackGridView* grdBrowser;
  QWidget* pnlSearch;
  QLineEdit* edtSearch;
  QPushButton* btnSearch;
  QPushButton* btnClear;
  QPushButton* btnFolders;  // the library folders
  TrackGridView* grdLibrary;
  TrackGridView* grdSearch;
  GradientPanel* pnlBrInfo;
  QRadioButton* rbtFolder;
  QRadioButton* rbtLibrary;
  QLabel* pnlFolder;
  QLabel* pnlLibrary;
  QLabel* lblInfo;

 private:
  QWidget* buildFolderPage(TrackTables& tables);
  QWidget* buildLibraryPage(TrackTables& tables);
  GradientPanel* buildInfoBar();
};
