// Which on-screen button each key clicks.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "dispatch/control_ids.h"
#include "dispatch/virtual_keys.h"

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

// A key and the button it clicks.
constexpr KeyBinding KeyBinds(VirtualKey key, ControlId button, KeyRule rule = KeyRule::Always) {
  return KeyBinding{key, button, rule};
}

inline constexpr std::array<KeyBinding, 34> kKeyTable = {{
    KeyBinds(VK_BACK, IDC_BTN_BACK),
    KeyBinds(VK_RETURN, IDC_BTN_EQUALS),
    KeyBinds(VK_ESCAPE, IDC_BTN_C),
    KeyBinds(VK_DELETE, IDC_BTN_MEM_DEL, KeyRule::MemoryListFocused),
    KeyBinds(0x30, IDC_BTN_0), KeyBinds(VK_NUMPAD0 + 0, IDC_BTN_0),
    KeyBinds(0x31, IDC_BTN_1), KeyBinds(VK_NUMPAD0 + 1, IDC_BTN_1),
    KeyBinds(0x32, IDC_BTN_2), KeyBinds(VK_NUMPAD0 + 2, IDC_BTN_2),
    KeyBinds(0x33, IDC_BTN_3), KeyBinds(VK_NUMPAD0 + 3, IDC_BTN_3),
    KeyBinds(0x34, IDC_BTN_4), KeyBinds(VK_NUMPAD0 + 4, IDC_BTN_4),
    KeyBinds(0x35, IDC_BTN_5), KeyBinds(VK_NUMPAD0 + 5, IDC_BTN_5),
    KeyBinds(0x36, IDC_BTN_6), KeyBinds(VK_NUMPAD0 + 6, IDC_BTN_6),
    KeyBinds(0x37, IDC_BTN_7), KeyBinds(VK_NUMPAD0 + 7, IDC_BTN_7),
    KeyBinds(0x38, IDC_BTN_8), KeyBinds(VK_NUMPAD0 + 8, IDC_BTN_8),
    KeyBinds(0x39, IDC_BTN_9), KeyBinds(VK_NUMPAD0 + 9, IDC_BTN_9),
    KeyBinds(VK_MULTIPLY, IDC_BTN_MUL),
    KeyBinds(VK_ADD, IDC_BTN_ADD), KeyBinds(VK_OEM_PLUS, IDC_BTN_ADD),
    KeyBinds(VK_SUBTRACT, IDC_BTN_SUB), KeyBinds(VK_OEM_MINUS, IDC_BTN_SUB),
    KeyBinds(VK_DECIMAL, IDC_BTN_POINT), KeyBinds(VK_OEM_PERIOD, IDC_BTN_POINT),
    KeyBinds(VK_DIVIDE, IDC_BTN_DIV), KeyBinds(VK_OEM_2, IDC_BTN_DIV),
    KeyBinds(VK_NUMLOCK, IDC_BTN_SIGN, KeyRule::NumLockFirst),
}};

// The 34 keys the calculator answers; every other key goes on to the widgets.
const std::array<KeyBinding, 34>& KeyTable();

// The binding of a key, or nothing when the key is not in the table.
std::optional<KeyBinding> FindKey(int virtualKey);

}  // namespace varuno
