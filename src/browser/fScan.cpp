#include "browser/fScan.h"

#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <utility>

// A magnifying glass circling over a sheet while the scan runs: decoration only.
class ScanAnimation : public QWidget {
 public:
  explicit ScanAnimation(QWidget* parent) : QWidget(parent), timer_(this) {
    QObject::connect(&timer_, &QTimer::timeout, this, [this] {
      frame_ = (frame_ + 1) % kFrames;
      update();
    });
    timer_.start(kFrameMs);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::darkGray);
    painter.setBrush(Qt::white);
    painter.drawRect(4, 2, 22, 28);
    static constexpr int kPathX[kFrames] = {10, 14, 18, 18, 14, 10, 6, 6};
    static constexpr int kPathY[kFrames] = {6, 4, 8, 12, 16, 14, 12, 8};
    const int x = kPathX[frame_], y = kPathY[frame_];
    painter.setBrush(QColor(180, 210, 255, 160));
    painter.drawEllipse(x, y, 12, 12);
    painter.setPen(QPen(Qt::darkGray, 3));
    painter.drawLine(x + 11, y + 11, x + 16, y + 16);
  }

 private:
  static constexpr int kFrames = 8;
  static constexpr int kFrameMs = 120;
  QTimer timer_;
  int frame_ = 0;
};

namespace {

// Wide enough for a label of 40 characters, as the add-items dialog; labels never widen it, the
// core shortens them.
constexpr int kClientWidth = 340;
constexpr int kClientHeight = 139;
constexpr int kStartDelayMs = 20;
constexpr int kLabelLeft = 52;
constexpr int kLabelHeight = 16;

QLabel* ScanLabelAt(QWidget* parent, const char* name, const QString& text, int x, int y,
                    int width) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setGeometry(x, y, width, kLabelHeight);
  return label;
}

}  // namespace

TfrmScan::TfrmScan(const QString& caption, ScanJob scan, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      scan_(std::move(scan)) {
  setObjectName(QStringLiteral("frmScan"));
  setWindowTitle(caption);
  setFixedSize(kClientWidth, kClientHeight);

  grb = new QGroupBox(this);
  grb->setObjectName(QStringLiteral("grb"));
  grb->setGeometry(8, 4, kClientWidth - 16, 96);
  anim = new ScanAnimation(grb);
  anim->setObjectName(QStringLiteral("anim"));
  anim->setGeometry(10, 16, 34, 34);
  const int width = kClientWidth - 16 - kLabelLeft - 8;
  lblDrive = ScanLabelAt(grb, "lblDrive", QStringLiteral("Drive"), kLabelLeft, 10, width);
  QFont bold = lblDrive->font();
  bold.setBold(true);
  lblDrive->setFont(bold);
  lblFolder = ScanLabelAt(grb, "lblFolder", QString(), kLabelLeft, 30, width);
  lblFile = ScanLabelAt(grb, "lblFile", QString(), kLabelLeft, 48, width);
  ScanLabelAt(grb, "lblFound", QStringLiteral("Files Found:"), kLabelLeft, 70, 70);
  lblFnd = ScanLabelAt(grb, "lblFnd", QStringLiteral("0"), kLabelLeft + 72, 70, width - 72);

  btnCancel = new QPushButton(QStringLiteral("Cancel"), this);
  btnCancel->setObjectName(QStringLiteral("btnCancel"));
  btnCancel->setGeometry((kClientWidth - 75) / 2, 106, 75, 25);
  connect(btnCancel, &QPushButton::clicked, this, &TfrmScan::btnCancelClick);

  tmrStart = new QTimer(this);
  tmrStart->setObjectName(QStringLiteral("tmrStart"));
  tmrStart->setInterval(kStartDelayMs);
  tmrStart->setSingleShot(true);
  connect(tmrStart, &QTimer::timeout, this, &TfrmScan::tmrStartTimer);
}

void TfrmScan::setLabel(ScanLabel label, const std::string& text) {
  QLabel* const labels[] = {lblDrive, lblFolder, lblFile, lblFnd};  // in ScanLabel's order
  labels[static_cast<int>(label)]->setText(
      QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void TfrmScan::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // The scan starts once the dialog is on screen.
  if (!started_) tmrStart->start();
}

void TfrmScan::tmrStartTimer() {
  if (started_) return;
  started_ = true;
  scan_(*this);
  QDialog::done(cancelled_ ? QDialog::Rejected : QDialog::Accepted);
}

void TfrmScan::btnCancelClick() {
  cancelled_ = true;
  btnCancel->setEnabled(false);
}
