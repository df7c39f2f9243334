#include "dispatch/button_keys.h"

#include "dispatch/key_table.h"

namespace varuno {

namespace {

constexpr std::array<ButtonKey, 8> kTable = {{
    {LetterKey('D'), ButtonKeyModifier::Ctrl, IDC_BTN_00, "Ctrl+D"},  // double zero
    {LetterKey('E'), ButtonKeyModifier::Ctrl, IDC_BTN_CE, "Ctrl+E"},  // clear entry
    {LetterKey('M'), ButtonKeyModifier::Ctrl, IDC_BTN_MEM_ADD, "Ctrl+M"},  // into memory
    {LetterKey('R'), ButtonKeyModifier::Ctrl, IDC_BTN_MEM_DEL, "Ctrl+R"},  // remove the row
    {LetterKey('L'), ButtonKeyModifier::Ctrl, IDC_BTN_MEM_CLEAR, "Ctrl+L"},  // clear the list
    {VK_F1, ButtonKeyModifier::None, IDC_BTN_ABOUT, "F1"},
    {LetterKey('H'), ButtonKeyModifier::Ctrl, IDC_BTN_MINIMIZE, "Ctrl+H"},  // hide
    {LetterKey('Q'), ButtonKeyModifier::Ctrl, IDCANCEL, "Ctrl+Q"},  // quit
}};

constexpr bool NoneInKeyTable() {
  for (const ButtonKey& row : kTable) {
    for (const KeyBinding& binding : kKeyTable) {
      if (row.key == binding.key) {
        return false;
      }
    }
  }
  return true;
}
static_assert(NoneInKeyTable(), "the key table would take the key first (it ignores modifiers)");

constexpr bool OneKeyPerButtonAndButtonPerKey() {
  for (std::size_t i = 0; i < kTable.size(); ++i) {
    if (!IsMainWindowControl(kTable[i].button)) {
      return false;
    }
    for (std::size_t j = i + 1; j < kTable.size(); ++j) {
      if (kTable[i].button == kTable[j].button ||
          (kTable[i].key == kTable[j].key && kTable[i].modifier == kTable[j].modifier)) {
        return false;
      }
    }
  }
  return true;
}
static_assert(OneKeyPerButtonAndButtonPerKey(), "a button or a key is listed twice");

}  // namespace

const std::array<ButtonKey, 8>& ButtonKeyTable() { return kTable; }

std::optional<ControlId> FindButtonKey(int virtualKey, bool ctrl, bool shift, bool others) {
  if (shift || others) {
    return std::nullopt;
  }
  const ButtonKeyModifier held = ctrl ? ButtonKeyModifier::Ctrl : ButtonKeyModifier::None;
  for (const ButtonKey& row : kTable) {
    if (row.key == virtualKey && row.modifier == held) {
      return row.button;
    }
  }
  return std::nullopt;
}

const ButtonKey* ButtonKeyFor(ControlId button) {
  for (const ButtonKey& row : kTable) {
    if (row.button == button) {
      return &row;
    }
  }
  return nullptr;
}

}  // namespace varuno
