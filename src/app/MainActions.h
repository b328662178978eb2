#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <functional>

#include "window/StoredShortcut.h"

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
  QAction* add(const char* name, const QString& caption, StoredShortcut shortcut,
               std::function<void()> run);

 private:
  QWidget* window_;
};

// The key sequences of a stored shortcut, one per key press that runs it (Enter: Return and the
// keypad's Enter); none for 0.
QList<QKeySequence> KeySequencesOfStored(StoredShortcut stored);
