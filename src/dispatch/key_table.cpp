#include "key_table.h"

namespace varuno {

namespace {

constexpr KeyBinding Key(VirtualKey key, ControlId button, KeyRule rule = KeyRule::Always) {
  return KeyBinding{key, button, rule};
}

constexpr std::array<KeyBinding, 34> kTable = {{
    Key(VK_BACK, IDC_BTN_BACK),
    Key(VK_RETURN, IDC_BTN_EQUALS),
    Key(VK_ESCAPE, IDC_BTN_C),
    Key(VK_DELETE, IDC_BTN_MEM_DEL, KeyRule::MemoryListFocused),
    Key(0x30, IDC_BTN_0), Key(VK_NUMPAD0 + 0, IDC_BTN_0),
    Key(0x31, IDC_BTN_1), Key(VK_NUMPAD0 + 1, IDC_BTN_1),
    Key(0x32, IDC_BTN_2), Key(VK_NUMPAD0 + 2, IDC_BTN_2),
    Key(0x33, IDC_BTN_3), Key(VK_NUMPAD0 + 3, IDC_BTN_3),
    Key(0x34, IDC_BTN_4), Key(VK_NUMPAD0 + 4, IDC_BTN_4),
    Key(0x35, IDC_BTN_5), Key(VK_NUMPAD0 + 5, IDC_BTN_5),
    Key(0x36, IDC_BTN_6), Key(VK_NUMPAD0 + 6, IDC_BTN_6),
    Key(0x37, IDC_BTN_7), Key(VK_NUMPAD0 + 7, IDC_BTN_7),
    Key(0x38, IDC_BTN_8), Key(VK_NUMPAD0 + 8, IDC_BTN_8),
    Key(0x39, IDC_BTN_9), Key(VK_NUMPAD0 + 9, IDC_BTN_9),
    Key(VK_MULTIPLY, IDC_BTN_MUL),
    Key(VK_ADD, IDC_BTN_ADD), Key(VK_OEM_PLUS, IDC_BTN_ADD),
    Key(VK_SUBTRACT, IDC_BTN_SUB), Key(VK_OEM_MINUS, IDC_BTN_SUB),
    Key(VK_DECIMAL, IDC_BTN_POINT), Key(VK_OEM_PERIOD, IDC_BTN_POINT),
    Key(VK_DIVIDE, IDC_BTN_DIV), Key(VK_OEM_2, IDC_BTN_DIV),
    Key(VK_NUMLOCK, IDC_BTN_SIGN, KeyRule::NumLockFirst),
}};

constexpr bool NoKeyTwice() {
  for (std::size_t i = 0; i < kTable.size(); ++i) {
    for (std::size_t j = i + 1; j < kTable.size(); ++j) {
      if (kTable[i].key == kTable[j].key) {
        return false;
      }
    }
  }
  return true;
}
static_assert(NoKeyTwice(), "a key is listed twice");

constexpr bool EveryButtonKnown() {
  for (const KeyBinding& binding : kTable) {
    if (!IsMainWindowControl(binding.button)) {
      return false;
    }
  }
  return true;
}
static_assert(EveryButtonKnown(), "a key clicks a control the window does not have");

}  // namespace

const std::array<KeyBinding, 34>& KeyTable() { return kTable; }

std::optional<KeyBinding> FindKey(int virtualKey) {
  for (const KeyBinding& binding : kTable) {
    if (binding.key == virtualKey) {
      return binding;
    }
  }
  return std::nullopt;
}

}  // namespace varuno
