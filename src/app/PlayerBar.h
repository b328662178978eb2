#pragma once

#include <QWidget>

class PlaybackController;
class QLabel;
class QSlider;
class QToolButton;
class GradientPanel;

// The player bar along the bottom of the window: buttons, seek and volume
// sliders, the track panel and the compilation, menu and help buttons. The
// player's behaviour is wired by the window.
class PlayerBar : public QWidget {
  Q_OBJECT
 public:
  explicit PlayerBar(QWidget* parent = nullptr);

  // Shows the player's state: labels, sliders and the down state of Mute, Repeat and Shuffle.
  // A slider the person holds keeps its place.
  void showState(const PlaybackController& player);

  QToolButton* btnPrev;
  QToolButton* btnPlay;
  QToolButton* btnStop;
  QToolButton* btnNext;
  QToolButton* btnMute;
  QToolButton* btnR;
  QToolButton* btnS;
  QSlider* barPlayer;
  QSlider* barVolume;
  GradientPanel* pnlTrack;
  QLabel* lblTrName;
  QLabel* lblTrTime;
  QToolButton* btnCreateMP3Comp;
  QToolButton* btnMenu;
  QToolButton* btnHelp;

 signals:
  // A double-click on the track name lblTrName.
  void trackNameDoubleClicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QToolButton* makeButton(const QString& hint, int standardIcon, bool checkable = false);
  QToolButton* makeTextButton(const QString& text, const QString& hint, bool checkable = false);
};
