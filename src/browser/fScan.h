#pragma once

#include <QDialog>
#include <functional>
#include <string>

#include "dialogs/ScanProgressView.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QTimer;
class ScanAnimation;

// "Scanning..." (or "Export in process..."): the modal scan dialog. Once it is on screen its
// 20 ms timer tmrStart runs the core's scan, which sets the labels and lets queued events run
// now and then, so Cancel is seen; when the scan returns the dialog closes. Cancel, Esc and the
// close box set the cancel mark only: the dialog never closes in the middle of a scan.
class TfrmScan : public QDialog, public ScanProgressView {
  Q_OBJECT
 public:
  using ScanJob = std::function<void(ScanProgressView&)>;

  TfrmScan(const QString& caption, ScanJob scan, QWidget* parent = nullptr);

  bool started() const { return started_; }
  bool cancelled() const { return cancelled_; }

  // --- the view the scan drives ---
  void setLabel(ScanLabel label, const std::string& text) override;
  bool cancelRequested() const override { return cancelled(); }

  void reject() override { btnCancelClick(); }

  QGroupBox* grb;
  ScanAnimation* anim;
  QLabel* lblDrive;
  QLabel* lblFolder;
  QLabel* lblFile;
  QLabel* lblFnd;
  QPushButton* btnCancel;
  QTimer* tmrStart;

 public slots:
  void tmrStartTimer();
  void btnCancelClick();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  ScanJob scan_;
  bool started_ = false;    // the scan has begun
  bool cancelled_ = false;  // the cancel mark
};
