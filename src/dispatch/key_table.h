// Which on-screen button each key clicks.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "control_ids.h"
#include "virtual_keys.h"

namespace varuno {

enum class KeyRule : std::uint8_t {
  Always,              // the key always clicks its button
  MemoryListFocused,   // only while the memory list has the keyboard focus (Delete)
  NumLockFirst,        // NumLock is set back to its start state before the click
};

struct KeyBinding {
  VirtualKey key;
  ControlId button;
  KeyRule rule;
};

// The 34 keys the calculator answers; every other key goes on to the widgets.
const std::array<KeyBinding, 34>& KeyTable();

// The binding of a key, or nothing when the key is not in the table.
std::optional<KeyBinding> FindKey(int virtualKey);

}  // namespace varuno
