#include "window/MainActionList.h"

#include <array>

namespace {

using enum MainCommand;

constexpr std::array kActions = {
    MainAction{"actUpdateTag", "View Info & Edit ID3 Tag...", Stored(kAlt, '3'), UpdateTag},
    MainAction{"actSelectAll", "Select All", Stored(kCtrl, 'A'), SelectAll},
    MainAction{"actInvertSelection", "Invert Selection", Stored(kCtrl, 'I'), InvertSelection},
    MainAction{"actAppendItem", "Append Selected Item(s) to Playlist", Stored(kCtrl, kVkReturn),
               AppendItem},
    MainAction{"actAddItem", "Add Selected Item(s) to Playlist", Stored(kShift, kVkReturn),
               AddItem},
    MainAction{"actGroup", "Group Selected Items Together", Stored(kAlt, 'G'), Group},
    MainAction{"actRemoveSel", "Remove Selected", Stored(kNoModifier, kVkDelete), RemoveSel},
    MainAction{"actRemoveAll", "Remove All", Stored(kCtrl | kShift, kVkDelete), RemoveAll},
    MainAction{"actRemoveMiss", "Remove Missing Files from Playlist", Stored(kAlt, kVkDelete),
               RemoveMiss},
    MainAction{"actCrop", "Crop Selected", Stored(kCtrl, kVkDelete), Crop},
    MainAction{"actSave", "Save MP3 Playlist...", Stored(kCtrl, 'S'), Save},
    MainAction{"actOpen", "Open MP3 Playlist...", Stored(kCtrl, 'O'), Open},
    MainAction{"actNew", "New MP3 Playlist...", Stored(kCtrl, 'N'), New},
    MainAction{"actEdit", "Edit Playlist Name...", Stored(kCtrl, 'P'), Edit},
    MainAction{"actMoveUp", "Up", Stored(kAlt, kVkUp), MoveUp},
    MainAction{"actMoveDown", "Down", Stored(kAlt, kVkDown), MoveDown},
    MainAction{"actMoveTop", "to Top", Stored(kAlt, kVkHome), MoveTop},
    MainAction{"actMoveBottom", "to Bottom", Stored(kAlt, kVkEnd), MoveBottom},
    MainAction{"actEditTrackName", "Edit Track Name...", Stored(kCtrl, 'E'), EditTrackName},
    MainAction{"actCreateMP3Comp", "Create MP3 Compilation...", Stored(kCtrl, 'C'), CreateMP3Comp},
    MainAction{"actExport", "Export All...", Stored(kCtrl, 'X'), Export},
    MainAction{"actRandomizeOrder", "Randomize Order", Stored(kCtrl, 'R'), RandomizeOrder},
    MainAction{"actReverseOrder", "Reverse Order", Stored(kCtrl, 'V'), ReverseOrder},
    MainAction{"actVolUp", "Up", Stored(kCtrl, kVkUp), VolUp},
    MainAction{"actVolDown", "Down", Stored(kCtrl, kVkDown), VolDown},
    MainAction{"actMute", "Mute", Stored(kCtrl, 'M'), Mute},
    MainAction{"actPlay", "Play", kNoShortcut, Play},
    MainAction{"actStop", "Stop", kNoShortcut, Stop},
    MainAction{"actPause", "Pause", kNoShortcut, Pause},
    MainAction{"actNext", "Next", kNoShortcut, Next},
    MainAction{"actPrevious", "Previous", kNoShortcut, Previous},
    MainAction{"actRepeat", "Repeat", Stored(kAlt, 'R'), Repeat},
    MainAction{"actShuffle", "Shuffle", Stored(kAlt, 'S'), Shuffle},
    // Menu entries that are no action of their own: their items run them by these names.
    MainAction{"mniExportSel1", "Export Selected...", kNoShortcut, ExportSelected},
    MainAction{"mniCColumns1", "Customize Columns...", kNoShortcut, CustomizeColumns},
};

}  // namespace

std::span<const MainAction> MainActionList() { return kActions; }
