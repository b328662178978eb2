#pragma once

#include "tracks/ColumnChooser.h"

// The column chooser dialog TfrmColumns as the shell shows it: modal, centred on the main
// window, showing the chooser's state and forwarding every gesture to it. True when the person
// closed it with OK (which only an enabled OK can do).
class ColumnsDialog {
 public:
  virtual ~ColumnsDialog() = default;
  virtual bool showColumns(ColumnChooser& chooser) = 0;
};
