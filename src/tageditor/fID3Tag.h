#pragma once

#include <QDialog>

#include "tageditor/TagEditorView.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// "ID3 Tag Editor": one file's path and stream information, and its six tag texts to edit.
// Update closes it with the OK result, Cancel and the close box with the Cancel result; neither
// Enter nor Esc closes it. Built afresh for each showing.
class TfrmID3Tag : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmID3Tag(QWidget* parent = nullptr);

  // Fills the fields from the core's view of the file.
  void showView(const TagEditorView& view);
  // The six texts as they stand in the fields.
  TagTexts texts() const;

  QGroupBox* grb;
  QGroupBox* grbMP3Info;
  QLineEdit* edtFile;
  QLabel* lblSize;
  QLabel* lblDuration;
  QLabel* lblBitrate;
  QGroupBox* grbID3;
  QLineEdit* edtTitle;
  QLineEdit* edtArtist;
  QLineEdit* edtAlbum;
  QLineEdit* edtYear;
  QLabel* lblGenre;
  QComboBox* lstGenre;
  QLineEdit* edtComment;
  QPushButton* btnUpdate;
  QPushButton* btnCancel;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void FormCreate();
  QGroupBox* buildInfoGroup();
  QGroupBox* buildTagGroup();
};
