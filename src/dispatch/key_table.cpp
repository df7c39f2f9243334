#include "dispatch/key_table.h"

namespace varuno {

namespace {

constexpr bool NoKeyTwice() {
  for (std::size_t i = 0; i < kKeyTable.size(); ++i) {
    for (std::size_t j = i + 1; j < kKeyTable.size(); ++j) {
      if (kKeyTable[i].key == kKeyTable[j].key) {
        return false;
      }
    }
  }
  return true;
}
static_assert(NoKeyTwice(), "a key is listed twice");

constexpr bool EveryButtonKnown() {
  for (const KeyBinding& binding : kKeyTable) {
    if (!IsMainWindowControl(binding.button)) {
      return false;
    }
  }
  return true;
}
static_assert(EveryButtonKnown(), "a key clicks a control the window does not have");

}  // namespace

const std::array<KeyBinding, 34>& KeyTable() { return kKeyTable; }

std::optional<KeyBinding> FindKey(int virtualKey) {
  for (const KeyBinding& binding : kKeyTable) {
    if (binding.key == virtualKey) {
      return binding;
    }
  }
  return std::nullopt;
}

}  // namespace varuno
