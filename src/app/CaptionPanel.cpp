#include "app/CaptionPanel.h"

#include <QMouseEvent>

#include "widgets/Colours.h"
#include "widgets/Fonts.h"

CaptionPanel::CaptionPanel(const QString& text, Colour colour, int height, int pointSize,
                           QWidget* parent)
    : QLabel(text, parent) {
  setFixedHeight(height);
  setFont(SansSerifFont(pointSize, true));
  setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  PaintWith(this, colour);
  setTextColour(colours::kInactiveCaption);
}

void CaptionPanel::setTextColour(Colour colour) {
  QPalette palette = this->palette();
  palette.setColor(QPalette::WindowText, StoredColour(colour));
  setPalette(palette);
}

void CaptionPanel::mousePressEvent(QMouseEvent* event) {
  emit pressed(event->button(), event->globalPosition().toPoint(),
               event->position().toPoint().y());
}

void CaptionPanel::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit doubleClicked();
}

void PaintWith(QWidget* widget, Colour colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, StoredColour(colour));
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

QWidget* ColourPanel(Colour colour, QWidget* parent) {
  auto* panel = new QWidget(parent);
  PaintWith(panel, colour);
  return panel;
}

QLabel* WhiteLabel(const QString& text) {
  auto* label = new QLabel(text);
  label->setFont(TahomaFont(8));
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, Qt::white);
  label->setPalette(palette);
  return label;
}
