#include "browser/fPLItems.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>

#include "widgets/TrackGridView.h"
#include "browser/PlaylistItems.h"

namespace {

constexpr int kClientWidth = 550;
constexpr int kClientHeight = 326;

}  // namespace

TfrmPLItems::TfrmPLItems(TrackGrid& grid, const QString& totals, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("frmPLItems"));
  setWindowTitle(QStringLiteral("Playlist Items"));
  setStyleSheet(QStringLiteral("TfrmPLItems { background-color: white; }"));
  resize(kClientWidth, kClientHeight);

  grdPLItems = new TrackGridView(grid);
  grdPLItems->setObjectName(QStringLiteral("grdPLItems"));
  grdPLItems->gridModel()->setAlignmentFn([&grid](int, int col) {
    return grdPLItemsGetAlignment(grid, col) == CellAlignment::Right ? Qt::AlignRight
                                                                     : Qt::AlignLeft;
  });
  grdPLItems->verticalHeader()->setDefaultSectionSize(kPLItemsRowHeight);
  grdPLItems->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  grdPLItems->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  connect(grdPLItems->gridModel(), &TrackGridModel::gridAppearanceChanged, this,
          &TfrmPLItems::applyColours);
  applyColours();

  btnOK = new QPushButton(QStringLiteral("OK"));
  btnOK->setObjectName(QStringLiteral("btnOK"));
  btnOK->setDefault(true);
  connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);

  lblInfo = new QLabel(totals);
  lblInfo->setObjectName(QStringLiteral("lblInfo"));
  lblInfo->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  lblInfo->setStyleSheet(QStringLiteral("color: black;"));

  auto* box = new QGroupBox;
  auto* boxLayout = new QGridLayout(box);
  boxLayout->addWidget(grdPLItems, 0, 0);

  auto* layout = new QGridLayout(this);
  layout->addWidget(btnOK, 0, 0, Qt::AlignRight);
  layout->addWidget(box, 1, 0);
  layout->addWidget(lblInfo, 2, 0);
  layout->setRowStretch(1, 1);
}

void TfrmPLItems::applyColours() {
  grdPLItems->setStyleSheet(QStringLiteral(
      "QTableView { background-color: white; color: black; }"
      "QHeaderView::section { background-color: white; color: black; border: none;"
      " border-right: 1px solid #c0c0c0; border-bottom: 1px solid #c0c0c0; padding-left: 3px; }"));
}
