#pragma once

#include <QDialog>
#include <functional>
#include <string>

#include "dialogs/CopyProgressView.h"

class CopyAnimation;
class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

// "MP3 Compilation Creation ...": the modal copy dialog. When it first becomes active it runs
// the core's copy loop once (the started mark), which drives its progress bar and file label
// and lets queued events run between files, so Cancel is seen; 200 ms after the loop it closes
// itself. Cancel (or Esc, or the close button) sets the cancel mark and closes it as soon as
// the loop returns.
class TfrmCopy : public QDialog, public CopyProgressView {
  Q_OBJECT
 public:
  using CopyJob = std::function<void(CopyProgressView&)>;

  explicit TfrmCopy(CopyJob copy, QWidget* parent = nullptr);

  bool started() const { return started_; }
  bool cancelled() const { return cancelled_; }

  // --- the view the copy loop drives ---
  void setRange(int count) override;
  void setPosition(int done) override;
  void setFileLabel(const std::string& name) override;
  void fileCopied(const std::string&) override {}
  bool cancelRequested() const override { return cancelled(); }

  void reject() override { btnCancelClick(); }

  QGroupBox* grb;
  CopyAnimation* anim;
  QProgressBar* barGauge;
  QLabel* lblFile;
  QPushButton* btnCancel;
  QTimer* tmr;

 public slots:
  void FormActivate();
  void btnCancelClick();
  void tmrTimer();

 protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  CopyJob copy_;
  bool started_ = false;    // the copy has begun
  bool cancelled_ = false;  // the person pressed Cancel
};
