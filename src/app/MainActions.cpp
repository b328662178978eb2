#include "app/MainActions.h"

#include <QAction>
#include <QWidget>

namespace {

Qt::Key QtKeyOf(const KeyStroke& stroke) {
  switch (stroke.key) {
    case KeyName::Character:
      return static_cast<Qt::Key>(stroke.code);  // Qt uses ASCII here
    case KeyName::Function:
      return static_cast<Qt::Key>(Qt::Key_F1 + stroke.code - 1);
    case KeyName::Return:
      return Qt::Key_Return;
    case KeyName::KeypadEnter:
      return Qt::Key_Enter;
    case KeyName::Delete:
      return Qt::Key_Delete;
    case KeyName::Up:
      return Qt::Key_Up;
    case KeyName::Down:
      return Qt::Key_Down;
    case KeyName::Home:
      return Qt::Key_Home;
    case KeyName::End:
      return Qt::Key_End;
  }
  return Qt::Key_unknown;
}

QKeySequence KeySequenceOf(const KeyStroke& stroke) {
  Qt::KeyboardModifiers modifiers;
  if (stroke.ctrl) modifiers |= Qt::ControlModifier;
  if (stroke.shift) modifiers |= Qt::ShiftModifier;
  if (stroke.alt) modifiers |= Qt::AltModifier;
  // The keypad's Enter is told apart by its key, Qt::Key_Enter; Qt matches it with or without
  // the keypad modifier.
  return QKeySequence(QKeyCombination(modifiers, QtKeyOf(stroke)));
}

}  // namespace

QList<QKeySequence> KeySequencesOfStored(StoredShortcut stored) {
  QList<QKeySequence> sequences;
  for (const KeyStroke& stroke : KeyStrokesOfStored(stored))
    sequences.append(KeySequenceOf(stroke));
  return sequences;
}

MainActions::MainActions(QWidget* window) : QObject(window), window_(window) {}

QAction* MainActions::add(const char* name, const QString& caption, StoredShortcut shortcut,
                          std::function<void()> run) {
  auto* action = new QAction(caption, window_);
  action->setObjectName(QString::fromLatin1(name));
  // One action per command, whatever number of keys runs it.
  action->setShortcuts(KeySequencesOfStored(shortcut));
  action->setShortcutContext(Qt::WindowShortcut);
  connect(action, &QAction::triggered, this, [run = std::move(run)] { run(); });
  window_->addAction(action);
  return action;
}
