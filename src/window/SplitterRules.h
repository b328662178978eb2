#pragma once

// Which widths the window's two splitters may take. A splitter drag that
// would squeeze a side below its minimum is refused, not clamped.

// New width w of the browser panel: both the browser's grid area and the
// playlist keep at least 300 pixels.
bool spl2CanResize(int newBrowserWidth, int foldersWidth, int windowWidth);

// New width w of the folder tree panel: the tree and the browser grid keep at
// least 200 pixels.
bool spl1CanResize(int newFoldersWidth, int pageWidth);

// The browser panel's width when the window is first shown on a screen this wide; the
// playlist side takes the rest.
int FirstBrowserWidth(int screenWidth);

// After the window shrank to its minimum width: the browser width that leaves
// the playlist usable, or -1 to keep the current one.
int BrowserWidthAfterResize(bool activatedOnce, int windowWidth, int playlistGridWidth);
