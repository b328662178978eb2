#pragma once

#include <QLabel>

#include "tracks/Colour.h"

// A panel caption: coloured bar with bold text; the text colour marks the
// active side. Reports presses and double clicks.
class CaptionPanel : public QLabel {
  Q_OBJECT
 public:
  CaptionPanel(const QString& text, Colour colour, int height, int pointSize,
               QWidget* parent = nullptr);
  void setTextColour(Colour colour);

 signals:
  void pressed(Qt::MouseButton button, QPoint globalPos, int y);
  void doubleClicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
};

// A plain panel painted in its own colour, never with a themed background.
QWidget* ColourPanel(Colour colour, QWidget* parent = nullptr);
void PaintWith(QWidget* widget, Colour colour);
// A label in Tahoma 8 pt, white, as on the info bars.
QLabel* WhiteLabel(const QString& text);
