#pragma once

#include <string>
#include <vector>

// A keyboard shortcut as the action list stores it: the key's virtual-key code in the low byte,
// 0x4000 for Ctrl, 0x2000 for Shift and 0x8000 for Alt; 0 is no shortcut.
using StoredShortcut = int;

inline constexpr StoredShortcut kNoShortcut = 0;
inline constexpr int kNoModifier = 0;
inline constexpr int kCtrl = 0x4000;
inline constexpr int kShift = 0x2000;
inline constexpr int kAlt = 0x8000;

// The virtual-key codes the shortcuts use besides letters and digits, which are their own
// upper-case character ('A', '3').
inline constexpr int kVkReturn = 0x0D;
inline constexpr int kVkEnd = 0x23;
inline constexpr int kVkHome = 0x24;
inline constexpr int kVkUp = 0x26;
inline constexpr int kVkDown = 0x28;
inline constexpr int kVkDelete = 0x2E;
inline constexpr int kVkF1 = 0x70;  // F1 … F12 follow one after another

// The stored value of a key with modifiers: Stored(kCtrl | kShift, kVkDelete).
constexpr StoredShortcut Stored(int modifiers, int virtualKey) { return modifiers | virtualKey; }

// The keys a shortcut can name.
enum class KeyName {
  Character,    // a letter or digit
  Function,     // F1 … F12
  Return,       // the main keyboard's Enter
  KeypadEnter,  // the numeric keypad's Enter
  Delete,
  Up,
  Down,
  Home,
  End,
};

// One key press that runs a shortcut.
struct KeyStroke {
  KeyName key = KeyName::Character;
  int code = 0;  // a Character's upper-case letter or digit; a Function key's number (1 … 12)
  bool ctrl = false;
  bool shift = false;
  bool alt = false;
  friend bool operator==(const KeyStroke&, const KeyStroke&) = default;
};

// The key presses of a stored shortcut: one, except that Enter means both the Return key and
// the keypad's Enter. None for 0 or a key the action list does not use.
std::vector<KeyStroke> KeyStrokesOfStored(StoredShortcut stored);

// How a key press is named to a person: "Ctrl+Shift+Del", "Alt+Up", "Ctrl+Keypad Enter".
std::string KeyStrokeText(const KeyStroke& stroke);
