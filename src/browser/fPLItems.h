#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class TrackGrid;
class TrackGridView;

// "Playlist Items": a playlist file's entries in a read-only grid the core filled, with its
// totals line. Modal; built afresh for each showing.
class TfrmPLItems : public QDialog {
  Q_OBJECT
 public:
  TfrmPLItems(TrackGrid& grid, const QString& totals, QWidget* parent);

  TrackGridView* grdPLItems;
  QPushButton* btnOK;
  QLabel* lblInfo;

 private:
  // The main grids' style sheet shows white text; this grid is white with black text.
  void applyColours();
};
