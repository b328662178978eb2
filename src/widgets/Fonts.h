#pragma once

#include <QFont>

// Loads Tahoma and MS Sans Serif from Debian's fonts-wine when present; the
// fonts below then fall back to DejaVu Sans where they are missing.
void LoadApplicationFonts();

QFont TahomaFont(int pointSize, bool bold = false);
QFont SansSerifFont(int pointSize, bool bold = false, bool italic = false);
