#include "app/BrowserPanel.h"

#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTreeView>
#include <QVBoxLayout>

#include "app/CaptionPanel.h"
#include "widgets/Colours.h"
#include "app/FolderTreeModel.h"
#include "widgets/Fonts.h"
#include "app/GradientPanel.h"
#include "widgets/TrackGridView.h"
#include "app/VetoSplitter.h"
#include "tracks/TrackTable.h"

namespace {

// A clickable label panel of the view switch: grey, with white text.
QLabel* LabelPanel(const QString& text) {
  QLabel* label = WhiteLabel(text);
  PaintWith(label, colours::kGreyLabel);
  label->setContentsMargins(4, 0, 4, 0);
  label->setFixedHeight(16);
  label->setCursor(Qt::PointingHandCursor);
  return label;
}

QPushButton* SearchButton(const QString& text) {
  auto* button = new QPushButton(text);
  button->setFixedSize(65, 17);
  button->setFont(TahomaFont(8, true));
  button->setStyleSheet(QStringLiteral(
      "QPushButton { color: yellow; background-color: #6a6a63; border: 1px solid #8e8e8e; }"
      "QPushButton:pressed { background-color: #55554f; }"));
  return button;
}

}  // namespace

BrowserPanel::BrowserPanel(TrackTables& tables, QWidget* parent) : QWidget(parent) {
  PaintWith(this, colours::kBrowserFrame);
  auto* frame = new QVBoxLayout(this);
  frame->setContentsMargins(1, 1, 1, 1);  // the one-pixel frame pnlBrFr1 … pnlBrFr4
  frame->setSpacing(0);
  auto* inner = ColourPanel(colours::kBrowser);
  frame->addWidget(inner);

  auto* column = new QVBoxLayout(inner);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  pnlBrowserCaption =
      new CaptionPanel(QStringLiteral("   MP3 Browser"), colours::kBrowserCaption, 26, 12);
  column->addWidget(pnlBrowserCaption);

  pgcMain = new QStackedWidget;
  pgcMain->addWidget(buildFolderPage(tables));
  pgcMain->addWidget(buildLibraryPage(tables));
  pgcMain->setCurrentIndex(0);
  column->addWidget(pgcMain, 1);

  pnlBrInfo = buildInfoBar();
  column->addWidget(pnlBrInfo);
}

QWidget* BrowserPanel::buildFolderPage(TrackTables& tables) {
  spl1 = new VetoSplitter;
  PaintWith(spl1, colours::kGreyLabel);

  pnlFolders = ColourPanel(colours::kBrowser);
  pnlFolders->setMinimumWidth(100);
  auto* folders = new QVBoxLayout(pnlFolders);
  folders->setContentsMargins(0, 0, 0, 0);
  folders->setSpacing(0);
  pnlFCaption = new CaptionPanel(QStringLiteral("   Folders"), colours::kGridHeaderBrowser, 18, 8);
  folders->addWidget(pnlFCaption);

  auto* treeArea = ColourPanel(colours::kFolders);
  auto* treeLayout = new QHBoxLayout(treeArea);
  treeLayout->setContentsMargins(16, 4, 0, 0);  // the two spacers of the page
  folderModel = new FolderTreeModel(QDir::homePath().toStdString(), this);
  lstFolders = new QTreeView;
  lstFolders->setModel(folderModel);
  lstFolders->setHeaderHidden(true);
  lstFolders->setRootIsDecorated(false);
  lstFolders->setFrameShape(QFrame::NoFrame);
  lstFolders->setFont(TahomaFont(8));
  lstFolders->setStyleSheet(QStringLiteral(
      "QTreeView { background-color: %1; color: white; }"
      "QTreeView::item:selected { background-color: #b6caea; color: #202040; }")
                                .arg(StoredColour(colours::kFolders).name()));
  lstFolders->expand(folderModel->rootIndex());
  treeLayout->addWidget(lstFolders);
  folders->addWidget(treeArea, 1);

  grdBrowser = new TrackGridView(tables.grdBrowser());
  spl1->addWidget(pnlFolders);
  spl1->addWidget(grdBrowser);
  spl1->setStretchFactor(1, 1);
  spl1->setSizes({185, 400});
  return spl1;
}

QWidget* BrowserPanel::buildLibraryPage(TrackTables& tables) {
  auto* page = ColourPanel(colours::kBrowser);
  auto* column = new QVBoxLayout(page);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);

  pnlSearch = ColourPanel(colours::kGridHeaderBrowser);
  pnlSearch->setFixedHeight(24);
  auto* bar = new QHBoxLayout(pnlSearch);
  bar->setContentsMargins(6, 2, 6, 2);
  bar->setSpacing(6);
  bar->addWidget(WhiteLabel(QStringLiteral("Search:")));
  edtSearch = new QLineEdit;
  edtSearch->setFixedWidth(201);
  edtSearch->setFrame(false);
  edtSearch->setFont(SansSerifFont(10, true));
  edtSearch->setStyleSheet(QStringLiteral("QLineEdit { background-color: %1; color: white; }")
                               .arg(StoredColour(colours::kBrowser).name()));
  bar->addWidget(edtSearch);
  btnSearch = SearchButton(QStringLiteral("Search"));
  btnClear = SearchButton(QStringLiteral("Clear"));
  btnFolders = SearchButton(QStringLiteral("Folders..."));
  btnFolders->setToolTip(QStringLiteral("The folders the library is built from"));
  bar->addWidget(btnSearch);
  bar->addWidget(btnClear);
  bar->addWidget(btnFolders);
  bar->addStretch(1);
  column->addWidget(pnlSearch);

  grdLibrary = new TrackGridView(tables.grdLibrary());
  grdSearch = new TrackGridView(tables.grdSearch());
  grdSearch->hide();  // shown for a search result
  column->addWidget(grdLibrary, 1);
  column->addWidget(grdSearch, 1);
  return page;
}

GradientPanel* BrowserPanel::buildInfoBar() {
  auto* info = new GradientPanel(StoredColour(colours::kGridHeaderBrowser),
                                 StoredColour(colours::kInfoBarBrowserEnd));
  info->setEdgeLines(StoredColour(colours::kInfoBarLine));
  info->setFixedHeight(24);
  auto* row = new QHBoxLayout(info);
  row->setContentsMargins(6, 0, 5, 0);
  row->setSpacing(4);
  row->addWidget(WhiteLabel(QStringLiteral("View as:")));
  rbtFolder = new QRadioButton;
  rbtFolder->setChecked(true);
  pnlFolder = LabelPanel(QStringLiteral("Folder Tree"));
  rbtLibrary = new QRadioButton;
  pnlLibrary = LabelPanel(QStringLiteral("Library"));
  row->addWidget(rbtFolder);
  row->addWidget(pnlFolder);
  row->addSpacing(6);
  row->addWidget(rbtLibrary);
  row->addWidget(pnlLibrary);
  row->addStretch(1);
  lblInfo = WhiteLabel(QStringLiteral("Total:"));
  lblInfo->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  row->addWidget(lblInfo);
  return info;
}
