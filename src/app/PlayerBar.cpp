#include "app/PlayerBar.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QSignalBlocker>
#include <QSlider>
#include <QStyle>
#include <QToolButton>

#include "app/GradientPanel.h"
#include "player/PlaybackController.h"
#include "player/Volume.h"
#include "widgets/Colours.h"
#include "widgets/Fonts.h"

namespace {

QSlider* MakeSlider(const QString& hint, int width) {
  auto* slider = new QSlider(Qt::Horizontal);
  slider->setToolTip(hint);
  slider->setFixedWidth(width);
  slider->setFocusPolicy(Qt::NoFocus);
  return slider;
}

QLabel* MakeTrackLabel(Qt::Alignment alignment) {
  auto* label = new QLabel;
  label->setFont(SansSerifFont(14, false, true));
  label->setAlignment(alignment | Qt::AlignVCenter);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, StoredColour(colours::kTrackText));
  label->setPalette(palette);
  return label;
}

}  // namespace

PlayerBar::PlayerBar(QWidget* parent) : QWidget(parent) {
  setFixedHeight(40);
  setAttribute(Qt::WA_OpaquePaintEvent);
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(8, 4, 8, 4);
  row->setSpacing(2);

  btnPrev = makeButton(QStringLiteral(" Previous "), QStyle::SP_MediaSkipBackward);
  btnPlay = makeButton(QStringLiteral(" Play "), QStyle::SP_MediaPlay);
  btnStop = makeButton(QStringLiteral(" Stop "), QStyle::SP_MediaStop);
  btnNext = makeButton(QStringLiteral(" Next "), QStyle::SP_MediaSkipForward);
  btnMute = makeButton(QStringLiteral(" Mute "), QStyle::SP_MediaVolume, true);
  btnR = makeTextButton(QStringLiteral("R"), QStringLiteral(" Repeat "), true);
  btnS = makeTextButton(QStringLiteral("S"), QStringLiteral(" Shuffle "), true);
  for (auto* b : {btnPrev, btnPlay, btnStop, btnNext}) row->addWidget(b);
  row->addSpacing(6);

  barPlayer = MakeSlider(QStringLiteral(" Seek "), 150);
  barPlayer->setEnabled(false);
  barPlayer->setRange(0, 0);
  barPlayer->setPageStep(0);  // a seek is a drag of the handle, released where it should go
  row->addWidget(barPlayer);
  row->addSpacing(6);
  row->addWidget(btnMute);
  barVolume = MakeSlider(QStringLiteral(" Volume "), 70);
  barVolume->setRange(0, kMaxVolume);
  barVolume->setValue(kMaxVolume);
  barVolume->setSingleStep(kVolumeStep);
  row->addWidget(barVolume);
  row->addSpacing(4);
  row->addWidget(btnR);
  row->addWidget(btnS);
  row->addSpacing(6);

  pnlTrack = new GradientPanel(StoredColour(colours::kTrackStart), StoredColour(colours::kTrackEnd));
  pnlTrack->setOutline(StoredColour(colours::kTrackOutline), 2);
  auto* track = new QHBoxLayout(pnlTrack);
  track->setContentsMargins(8, 0, 8, 0);
  lblTrName = MakeTrackLabel(Qt::AlignLeft);
  lblTrTime = MakeTrackLabel(Qt::AlignRight);
  lblTrName->setMinimumWidth(10);
  lblTrName->installEventFilter(this);
  track->addWidget(lblTrName, 1);
  track->addSpacing(10);
  track->addWidget(lblTrTime);
  row->addWidget(pnlTrack, 1);
  row->addSpacing(6);

  btnCreateMP3Comp = makeTextButton(QStringLiteral("Create Comp"),
                                    QStringLiteral(" Create MP3 Compilation "));
  btnMenu = makeTextButton(QStringLiteral("Menu"), QStringLiteral(" Menu "));
  btnHelp = makeTextButton(QStringLiteral("?"), QStringLiteral(" Help "));
  row->addWidget(btnCreateMP3Comp);
  row->addWidget(btnMenu);
  row->addWidget(btnHelp);
}

void PlayerBar::showState(const PlaybackController& player) {
  lblTrName->setText(QString::fromStdString(player.lblTrName()));
  lblTrTime->setText(QString::fromStdString(player.lblTrTime()));
  const QSignalBlocker seekQuiet(barPlayer);
  const QSignalBlocker volumeQuiet(barVolume);
  barPlayer->setMaximum(player.barPlayerMax());
  if (!barPlayer->isSliderDown()) barPlayer->setValue(player.barPlayerPosition());
  barPlayer->setEnabled(player.barPlayerEnabled());
  if (!barVolume->isSliderDown()) barVolume->setValue(player.barVolumePosition());
  btnMute->setChecked(player.mute());
  btnR->setChecked(player.repeat());
  btnS->setChecked(player.shuffle());
}

QToolButton* PlayerBar::makeButton(const QString& hint, int standardIcon, bool checkable) {
  auto* button = new QToolButton;
  button->setToolTip(hint);
  button->setIcon(style()->standardIcon(static_cast<QStyle::StandardPixmap>(standardIcon)));
  button->setAutoRaise(true);
  button->setCheckable(checkable);
  button->setFocusPolicy(Qt::NoFocus);
  button->setFixedSize(28, 28);
  return button;
}

QToolButton* PlayerBar::makeTextButton(const QString& text, const QString& hint,
                                        bool checkable) {
  auto* button = new QToolButton;
  button->setText(text);
  button->setToolTip(hint);
  button->setAutoRaise(true);
  button->setFocusPolicy(Qt::NoFocus);
  button->setFont(TahomaFont(8, true));
  button->setMinimumHeight(28);
  button->setCheckable(checkable);
  return button;
}

void PlayerBar::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), StoredColour(colours::kPlayer));
  painter.setPen(StoredColour(colours::kPlayerOutline));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

bool PlayerBar::eventFilter(QObject* watched, QEvent* event) {
  if (watched == lblTrName && event->type() == QEvent::MouseButtonDblClick) {
    emit trackNameDoubleClicked();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}
