#include "compile/fCopy.h"

#include <QEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <utility>

// A sheet travelling from one folder to another while files are copied: decoration only.
class CopyAnimation : public QWidget {
 public:
  explicit CopyAnimation(QWidget* parent) : QWidget(parent), timer_(this) {
    QObject::connect(&timer_, &QTimer::timeout, this, [this] {
      frame_ = (frame_ + 1) % kFrames;
      update();
    });
    timer_.start(kFrameMs);
  }

  void stop() {
    timer_.stop();
    frame_ = kStopFrame;
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    const int folderWidth = 48, folderHeight = 36, top = (height() - folderHeight) / 2;
    const QColor folderColour(230, 190, 80);
    painter.fillRect(8, top, folderWidth, folderHeight, folderColour);
    painter.fillRect(width() - 8 - folderWidth, top, folderWidth, folderHeight, folderColour);
    const int travel = width() - 2 * (8 + folderWidth) - 20;
    const int x = 8 + folderWidth + travel * frame_ / (kFrames - 1);
    painter.setPen(Qt::darkGray);
    painter.setBrush(Qt::white);
    painter.drawRect(x, top + 4, 20, 26);
  }

 private:
  static constexpr int kFrames = 32;
  static constexpr int kStopFrame = 31;
  static constexpr int kFrameMs = 40;
  QTimer timer_;
  int frame_ = 0;
};

namespace {

constexpr int kClientWidth = 326;
constexpr int kClientHeight = 184;
constexpr int kInnerLeft = 19;
constexpr int kInnerWidth = 272;
constexpr int kClosingDelayMs = 200;

}  // namespace

TfrmCopy::TfrmCopy(CopyJob copy, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint), copy_(std::move(copy)) {
  setObjectName(QStringLiteral("frmCopy"));
  setWindowTitle(QStringLiteral("MP3 Compilation Creation ..."));
  setFixedSize(kClientWidth, kClientHeight);

  grb = new QGroupBox(this);
  grb->setObjectName(QStringLiteral("grb"));
  grb->setGeometry(8, 4, kClientWidth - 16, 136);
  anim = new CopyAnimation(grb);
  anim->setObjectName(QStringLiteral("anim"));
  anim->setGeometry(kInnerLeft - 8, 14, kInnerWidth, 60);
  barGauge = new QProgressBar(grb);
  barGauge->setObjectName(QStringLiteral("barGauge"));
  barGauge->setGeometry(kInnerLeft - 8, 84, kInnerWidth, 16);
  barGauge->setTextVisible(false);
  barGauge->setRange(0, 0);
  lblFile = new QLabel(grb);
  lblFile->setObjectName(QStringLiteral("lblFile"));
  lblFile->setGeometry(kInnerLeft - 8, 106, kInnerWidth, 18);
  QFont bold = lblFile->font();
  bold.setBold(true);
  lblFile->setFont(bold);

  btnCancel = new QPushButton(QStringLiteral("Cancel"), this);
  btnCancel->setObjectName(QStringLiteral("btnCancel"));
  btnCancel->setGeometry((kClientWidth - 75) / 2, 150, 75, 25);
  connect(btnCancel, &QPushButton::clicked, this, &TfrmCopy::btnCancelClick);

  tmr = new QTimer(this);
  tmr->setObjectName(QStringLiteral("tmr"));
  tmr->setInterval(kClosingDelayMs);
  tmr->setSingleShot(true);
  connect(tmr, &QTimer::timeout, this, &TfrmCopy::tmrTimer);
}

void TfrmCopy::setRange(int count) {
  barGauge->setRange(0, count);
  barGauge->setValue(0);
}

void TfrmCopy::setPosition(int done) { barGauge->setValue(done); }

void TfrmCopy::setFileLabel(const std::string& name) {
  const QString text = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
  lblFile->setText(lblFile->fontMetrics().elidedText(text, Qt::ElideMiddle, lblFile->width()));
  lblFile->setToolTip(text);
}

void TfrmCopy::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // Not every platform activates a window it shows (offscreen does not): start from the event
  // loop as well; the started mark keeps the copy from running twice.
  QTimer::singleShot(0, this, &TfrmCopy::FormActivate);
}

void TfrmCopy::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow())
    QTimer::singleShot(0, this, &TfrmCopy::FormActivate);
}

void TfrmCopy::FormActivate() {
  // Activation comes again whenever the dialog regains focus, also from inside the loop.
  if (started()) return;
  started_ = true;
  copy_(*this);
  if (!cancelled()) tmr->start();
}

void TfrmCopy::btnCancelClick() {
  cancelled_ = true;
  QDialog::reject();
}

void TfrmCopy::tmrTimer() {
  anim->stop();
  accept();
}
