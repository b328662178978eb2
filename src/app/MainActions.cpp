#include "app/MainActions.h"

#include <QAction>
#include <QKeySequence>
#include <QWidget>

namespace {

// The virtual-key codes the stored shortcuts use.
int QtKeyOfVirtualKey(int vk) {
  if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9')) return vk;
  if (vk >= 0x70 && vk <= 0x7B) return Qt::Key_F1 + (vk - 0x70);
  switch (vk) {
    case 0x0D: return Qt::Key_Return;
    case 0x2E: return Qt::Key_Delete;
    case 0x26: return Qt::Key_Up;
    case 0x28: return Qt::Key_Down;
    case 0x24: return Qt::Key_Home;
    case 0x23: return Qt::Key_End;
    default: return 0;
  }
}

}  // namespace

QKeySequence ShortcutFromStored(int stored) {
  const int key = QtKeyOfVirtualKey(stored & 0xFF);
  if (stored == 0 || key == 0) return {};
  int combination = key;
  if (stored & 0x4000) combination |= Qt::ControlModifier;
  if (stored & 0x2000) combination |= Qt::ShiftModifier;
  if (stored & 0x8000) combination |= Qt::AltModifier;
  return QKeySequence(combination);
}

MainActions::MainActions(QWidget* window) : QObject(window), window_(window) {}

QAction* MainActions::add(const char* name, const QString& caption, int storedShortcut,
                          std::function<void()> run) {
  auto* action = new QAction(caption, window_);
  action->setObjectName(QString::fromLatin1(name));
  action->setShortcut(ShortcutFromStored(storedShortcut));
  action->setShortcutContext(Qt::WindowShortcut);
  connect(action, &QAction::triggered, this, [run = std::move(run)] { run(); });
  window_->addAction(action);
  return action;
}
