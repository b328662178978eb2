#pragma once

#include <string>
#include <vector>

#include "window/StoredShortcut.h"

// The keys of a stored shortcut as a person reads them, so tables of cases stay readable.
inline std::vector<std::string> KeyTexts(StoredShortcut stored) {
  std::vector<std::string> texts;
  for (const KeyStroke& stroke : KeyStrokesOfStored(stored)) texts.push_back(KeyStrokeText(stroke));
  return texts;
}
