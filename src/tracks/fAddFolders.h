#pragma once

#include <QDialog>

#include "dialogs/UserDialogs.h"

class QLabel;
class QPushButton;

// "Adding Items...": the progress dialog of adding (or exporting) items. Modeless for the
// core, which drives it between files; input to the main window waits while it is shown, so
// the playlist cannot change under the rows being filled. No close box; Stop asks the core
// to end after the current file.
class TfrmAddFolders : public QDialog, public AddItemsView {
  Q_OBJECT
 public:
  TfrmAddFolders(const QString& caption, QWidget* parent);

  void setLabel(AddItemsLabel label, const std::string& text) override;
  bool stopRequested() override { return stop_; }

  QLabel* lblMode;
  QLabel* lblFolder;
  QLabel* lblFile;
  QLabel* lblAdd2;
  QPushButton* btnStop;

 protected:
  // Esc and the window manager's close do not end the dialog: the core closes it.
  void reject() override {}

 private:
  bool stop_ = false;
};
