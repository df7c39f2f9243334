// Keys for the buttons the key table leaves without one (00, CE, the three
// memory-list buttons and the three title buttons), so that every button can
// be pressed from the keyboard. They stand beside the key table and the
// clipboard shortcuts: each is Ctrl with a letter or a function key, so none
// is a key of the key table (which ignores modifiers), none is taken by the
// clipboard, printing or undo, and none is a screen reader's own (those use
// Insert, Caps Lock and the keypad). A key clicks its button, as the key
// table's keys do.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "dispatch/control_ids.h"
#include "dispatch/virtual_keys.h"

namespace varuno {

enum class ButtonKeyModifier : std::uint8_t { None, Ctrl };

struct ButtonKey {
  VirtualKey key;
  ButtonKeyModifier modifier;  // exactly this is held, nothing else
  ControlId button;
  const char* label;           // as a tooltip or a key list writes it
};

const std::array<ButtonKey, 8>& ButtonKeyTable();

// The button a key with the modifiers held clicks, or nothing. Any
// modifier other than Ctrl and Shift counts as `others`.
std::optional<ControlId> FindButtonKey(int virtualKey, bool ctrl, bool shift, bool others);

// The key of a button in this table, or nullptr.
const ButtonKey* ButtonKeyFor(ControlId button);

}  // namespace varuno
