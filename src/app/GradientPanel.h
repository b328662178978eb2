#pragma once

#include <QColor>
#include <QWidget>

// A bar painted as a vertical gradient, optionally between one-pixel lines at
// its top and bottom edges, or inside an outline.
class GradientPanel : public QWidget {
  Q_OBJECT
 public:
  GradientPanel(QColor top, QColor bottom, QWidget* parent = nullptr);
  void setEdgeLines(QColor colour);
  void setOutline(QColor colour, int width);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor top_;
  QColor bottom_;
  QColor edge_;
  QColor outline_;
  int outlineWidth_ = 0;
};
