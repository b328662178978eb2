#include "app/VetoSplitter.h"

#include <QMouseEvent>

VetoSplitter::VetoSplitter(QWidget* parent) : QSplitter(Qt::Horizontal, parent) {
  setHandleWidth(2);
  setChildrenCollapsible(false);
  setOpaqueResize(true);
}

bool VetoSplitter::dragTo(int newFirstWidth) {
  if (!canResize(newFirstWidth)) return false;
  moveSplitter(newFirstWidth, 1);
  return true;
}

QSplitterHandle* VetoSplitter::createHandle() {
  return new VetoSplitterHandle(orientation(), this);
}

VetoSplitterHandle::VetoSplitterHandle(Qt::Orientation orientation, VetoSplitter* parent)
    : QSplitterHandle(orientation, parent), owner_(parent) {}

void VetoSplitterHandle::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) grabOffset_ = event->position().toPoint().x();
  QSplitterHandle::mousePressEvent(event);
}

void VetoSplitterHandle::mouseMoveEvent(QMouseEvent* event) {
  if (!(event->buttons() & Qt::LeftButton)) return;
  const int pos = owner_->mapFromGlobal(event->globalPosition().toPoint()).x() - grabOffset_;
  owner_->dragTo(pos);
}
