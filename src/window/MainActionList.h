#pragma once

#include <span>

#include "window/StoredShortcut.h"

// What an action of the main window runs (see MainWindowCore::Execute).
enum class MainCommand {
  UpdateTag,
  SelectAll,
  InvertSelection,
  AppendItem,
  AddItem,
  Group,
  RemoveSel,
  RemoveAll,
  RemoveMiss,
  Crop,
  Save,
  Open,
  New,
  Edit,
  MoveUp,
  MoveDown,
  MoveTop,
  MoveBottom,
  EditTrackName,
  CreateMP3Comp,
  RandomizeOrder,
  ReverseOrder,
  VolUp,
  VolDown,
  Mute,
  Play,
  Stop,
  Pause,
  Next,
  Previous,
  Repeat,
  Shuffle,
  Export,            // "Export All..." / the playlist menus' "Export..."
  ExportSelected,    // "Export Selected..." of the browser menus
  CustomizeColumns,  // the three "Customize Columns..." entries
};

// One entry of the window's action list.
struct MainAction {
  const char* name;     // "actAppendItem"
  const char* caption;  // as menus show it
  StoredShortcut shortcut;
  MainCommand command;
};

// The actions built so far, in the order of the action list. Each shortcut acts window-wide.
std::span<const MainAction> MainActionList();
