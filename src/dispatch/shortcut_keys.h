// The keys that work on the clipboard and the printer, and undo and redo.
// They stand beside the key table: the key filter looks here only for keys
// the key table does not hold, and none of them clicks a button.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "dispatch/virtual_keys.h"

namespace varuno {

enum class ShortcutAction : std::uint8_t {
  Copy,   // the selection of the tape or display, else the number shown
  Paste,  // a number from the clipboard into the entry
  Print,  // the tape, through the print dialog
  Undo,   // takes back the last action
  Redo,   // does again the last action taken back
};

// The modifiers a shortcut needs, exactly: no other modifier may be held.
enum class ShortcutModifier : std::uint8_t { Ctrl, Shift, CtrlShift };

struct ShortcutKey {
  VirtualKey key;
  ShortcutModifier modifier;
  ShortcutAction action;
};

const std::array<ShortcutKey, 8>& ShortcutTable();

// The action of a key with the modifiers held, or nothing. Only Ctrl and
// Shift are given: a key with Alt or the logo key held is no shortcut.
std::optional<ShortcutAction> FindShortcut(int virtualKey, bool ctrl, bool shift);

}  // namespace varuno
