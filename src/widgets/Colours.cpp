#include "widgets/Colours.h"

QColor StoredColour(Colour value) {
  return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}
