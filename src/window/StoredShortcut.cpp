#include "window/StoredShortcut.h"

#include <optional>

namespace {

bool IsCharacterKey(int vk) { return (vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9'); }

bool IsFunctionKey(int vk) { return vk >= kVkF1 && vk < kVkF1 + 12; }

// The key of a virtual-key code other than a letter, digit or function key; none when the
// action list has no use for it.
std::optional<KeyName> NamedKey(int vk) {
  switch (vk) {
    case kVkReturn:
      return KeyName::Return;
    case kVkDelete:
      return KeyName::Delete;
    case kVkUp:
      return KeyName::Up;
    case kVkDown:
      return KeyName::Down;
    case kVkHome:
      return KeyName::Home;
    case kVkEnd:
      return KeyName::End;
    default:
      return std::nullopt;
  }
}

std::string KeyText(const KeyStroke& stroke) {
  switch (stroke.key) {
    case KeyName::Character:
      return std::string(1, static_cast<char>(stroke.code));
    case KeyName::Function:
      return "F" + std::to_string(stroke.code);
    case KeyName::Return:
      return "Return";
    case KeyName::KeypadEnter:
      return "Keypad Enter";
    case KeyName::Delete:
      return "Del";
    case KeyName::Up:
      return "Up";
    case KeyName::Down:
      return "Down";
    case KeyName::Home:
      return "Home";
    case KeyName::End:
      return "End";
  }
  return {};
}

}  // namespace

std::vector<KeyStroke> KeyStrokesOfStored(StoredShortcut stored) {
  const int vk = stored & 0xFF;
  KeyStroke stroke;
  stroke.ctrl = (stored & kCtrl) != 0;
  stroke.shift = (stored & kShift) != 0;
  stroke.alt = (stored & kAlt) != 0;
  if (IsCharacterKey(vk)) {
    stroke.code = vk;
  } else if (IsFunctionKey(vk)) {
    stroke.key = KeyName::Function;
    stroke.code = vk - kVkF1 + 1;
  } else if (const std::optional<KeyName> key = NamedKey(vk)) {
    stroke.key = *key;
  } else {
    return {};
  }
  if (stroke.key != KeyName::Return) return {stroke};
  KeyStroke keypad = stroke;
  keypad.key = KeyName::KeypadEnter;
  return {stroke, keypad};
}

std::string KeyStrokeText(const KeyStroke& stroke) {
  std::string text;
  if (stroke.ctrl) text += "Ctrl+";
  if (stroke.shift) text += "Shift+";
  if (stroke.alt) text += "Alt+";
  return text + KeyText(stroke);
}
