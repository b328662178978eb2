#include "window/StoredShortcut.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "window/KeyTexts.h"

namespace {

using Keys = std::vector<std::string>;

TEST(StoredShortcutTest, EachStoredValueNamesItsKeys) {
  struct Case {
    StoredShortcut stored;
    Keys keys;
  };
  const std::vector<Case> cases = {
      {0, {}},
      {112, {"F1"}},
      {Stored(kAlt, '3'), {"Alt+3"}},
      {Stored(kCtrl, kVkF1 + 11), {"Ctrl+F12"}},
      {Stored(kCtrl | kShift | kAlt, 'Z'), {"Ctrl+Shift+Alt+Z"}},
      {Stored(kNoModifier, kVkReturn), {"Return", "Keypad Enter"}},
      {Stored(kCtrl, 0x90), {}},  // Num Lock: no action uses it
      {Stored(kCtrl, 0x61), {}},  // a keypad digit (not the letter a): no action uses it
  };
  for (const Case& c : cases) EXPECT_EQ(KeyTexts(c.stored), c.keys) << c.stored;
  const std::vector<KeyStroke> enter = KeyStrokesOfStored(Stored(kShift, kVkReturn));
  ASSERT_EQ(enter.size(), 2u);
  EXPECT_EQ(enter[1], (KeyStroke{KeyName::KeypadEnter, 0, false, true, false}));
}

}  // namespace
