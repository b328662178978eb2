#pragma once

#include <QSplitter>
#include <QSplitterHandle>
#include <functional>

// A horizontal splitter that asks before each move whether the first widget
// may take the new width; a refused move leaves the splitter where it was.
class VetoSplitter : public QSplitter {
  Q_OBJECT
 public:
  using CanResize = std::function<bool(int newFirstWidth)>;

  explicit VetoSplitter(QWidget* parent = nullptr);
  void setCanResize(CanResize canResize) { canResize_ = std::move(canResize); }
  bool canResize(int newFirstWidth) const { return !canResize_ || canResize_(newFirstWidth); }
  // Moves the handle as a drag would, veto included; true when it moved.
  bool dragTo(int newFirstWidth);

 protected:
  QSplitterHandle* createHandle() override;

 private:
  CanResize canResize_;
};

class VetoSplitterHandle : public QSplitterHandle {
  Q_OBJECT
 public:
  VetoSplitterHandle(Qt::Orientation orientation, VetoSplitter* parent);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  VetoSplitter* owner_;
  int grabOffset_ = 0;
};
