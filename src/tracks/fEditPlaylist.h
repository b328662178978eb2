#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;

// "Edit Playlist Name": one labelled edit box with OK and Cancel.
class TfrmPlaylistName : public QDialog {
  Q_OBJECT
 public:
  TfrmPlaylistName(const QString& caption, const QString& label, const QString& text,
                   QWidget* parent = nullptr);
  QString text() const;

  QLabel* lblPlaylistName;
  QLineEdit* edtPlaylistName;
};
