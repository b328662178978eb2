#pragma once

#include <QObject>
#include <functional>

class QAction;
class QWidget;

// The window's action list: each action has its caption and its window-wide
// shortcut and forwards to the core when triggered.
class MainActions : public QObject {
  Q_OBJECT
 public:
  explicit MainActions(QWidget* window);

  // Creates an action, adds it to the window so its shortcut works whatever
  // has the focus, and runs run when it triggers.
  QAction* add(const char* name, const QString& caption, int storedShortcut,
               std::function<void()> run);

 private:
  QWidget* window_;
};

// A stored shortcut value (low byte virtual-key code; 0x4000 Ctrl, 0x2000
// Shift, 0x8000 Alt) as a Qt key combination; 0 gives none.
QKeySequence ShortcutFromStored(int stored);
