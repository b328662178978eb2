#include "window/SplitterRules.h"

namespace {
constexpr int kMinimumWindowWidth = 797;
}

bool spl2CanResize(int newBrowserWidth, int foldersWidth, int windowWidth) {
  if (newBrowserWidth - foldersWidth + 13 < 300) return false;
  return windowWidth - newBrowserWidth - 13 >= 300;
}

bool spl1CanResize(int newFoldersWidth, int pageWidth) {
  return newFoldersWidth >= 200 && pageWidth - newFoldersWidth - 11 >= 200;
}

int FirstBrowserWidth(int screenWidth) { return screenWidth - 304; }

int BrowserWidthAfterResize(bool activatedOnce, int windowWidth, int playlistGridWidth) {
  if (activatedOnce && windowWidth == kMinimumWindowWidth && playlistGridWidth < 300)
    return windowWidth - 312;
  return -1;
}
