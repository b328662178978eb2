#pragma once

#include <QDialog>

#include "tracks/ColumnChooser.h"

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

// "Customize Columns": the check list of a grid's columns (or of the export's) with Move Up,
// Move Down, OK and Cancel. Modal, centred on the main window. It shows the core's chooser and
// forwards every click to it; OK is enabled by the chooser, Cancel and Esc leave without OK.
class TfrmColumns : public QDialog {
  Q_OBJECT
 public:
  TfrmColumns(ColumnChooser& chooser, QWidget* parent = nullptr);

  QLabel* lbl1;
  QLabel* lbl2;
  QListWidget* lstColumns;
  QPushButton* btnUp;
  QPushButton* btnDown;
  QPushButton* btnOK;
  QPushButton* btnCancel;

 private:
  // Shows the chooser's list, selection and buttons.
  void showChooser();
  void lstColumnsClickCheck(QListWidgetItem* item);

  ColumnChooser& chooser_;
  bool showing_ = false;  // the list is being filled: its changes are no gestures
};
