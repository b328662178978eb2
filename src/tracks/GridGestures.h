#pragma once

class TrackGrid;

// How mouse presses and arrow keys change a grid's whole-row selection, kept
// in the core so that a window and a test see the same behaviour.
class GridGestures {
 public:
  enum class Modifier { None, Ctrl, Shift };

  // A left press on a data row. A plain press on a row of a multi-row selection
  // keeps the selection until release, so the whole selection can be dragged.
  void press(TrackGrid& grid, int row, Modifier modifier);
  // The release of a plain press that did not turn into a drag: a press kept on a
  // multi-row selection narrows it to the row. True when the selection changed.
  bool release(TrackGrid& grid, int row);
  // Arrow keys, Page Up/Down, Home/End: the current row moves by delta
  // (clamped) and becomes the only selected row, or extends with Shift.
  void step(TrackGrid& grid, int delta, bool shift);

 private:
  int anchor_ = 1;
  int pendingRow_ = -1;
};
