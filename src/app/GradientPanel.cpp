#include "app/GradientPanel.h"

#include <QLinearGradient>
#include <QPainter>

GradientPanel::GradientPanel(QColor top, QColor bottom, QWidget* parent)
    : QWidget(parent), top_(top), bottom_(bottom) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void GradientPanel::setEdgeLines(QColor colour) {
  edge_ = colour;
  update();
}

void GradientPanel::setOutline(QColor colour, int width) {
  outline_ = colour;
  outlineWidth_ = width;
  update();
}

void GradientPanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QLinearGradient gradient(0, 0, 0, height());
  gradient.setColorAt(0, top_);
  gradient.setColorAt(1, bottom_);
  painter.fillRect(rect(), gradient);
  if (edge_.isValid()) {
    painter.fillRect(0, 0, width(), 1, edge_);
    painter.fillRect(0, height() - 1, width(), 1, edge_);
  }
  if (outline_.isValid() && outlineWidth_ > 0) {
    const int w = outlineWidth_;
    painter.fillRect(0, 0, width(), w, outline_);
    painter.fillRect(0, height() - w, width(), w, outline_);
    painter.fillRect(0, 0, w, height(), outline_);
    painter.fillRect(width() - w, 0, w, height(), outline_);
  }
}
