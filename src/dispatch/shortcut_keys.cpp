#include "dispatch/shortcut_keys.h"

namespace varuno {

namespace {

constexpr std::array<ShortcutKey, 8> kTable = {{
    {LetterKey('C'), ShortcutModifier::Ctrl, ShortcutAction::Copy},
    {VK_INSERT, ShortcutModifier::Ctrl, ShortcutAction::Copy},
    {LetterKey('V'), ShortcutModifier::Ctrl, ShortcutAction::Paste},
    {VK_INSERT, ShortcutModifier::Shift, ShortcutAction::Paste},
    {LetterKey('P'), ShortcutModifier::Ctrl, ShortcutAction::Print},
    {LetterKey('Z'), ShortcutModifier::Ctrl, ShortcutAction::Undo},
    {LetterKey('Z'), ShortcutModifier::CtrlShift, ShortcutAction::Redo},
    {LetterKey('Y'), ShortcutModifier::Ctrl, ShortcutAction::Redo},
}};

}  // namespace

const std::array<ShortcutKey, 8>& ShortcutTable() { return kTable; }

std::optional<ShortcutAction> FindShortcut(int virtualKey, bool ctrl, bool shift) {
  if (!ctrl && !shift) {
    return std::nullopt;
  }
  const ShortcutModifier held = !ctrl ? ShortcutModifier::Shift
                                : shift ? ShortcutModifier::CtrlShift
                                        : ShortcutModifier::Ctrl;
  for (const ShortcutKey& row : kTable) {
    if (row.key == virtualKey && row.modifier == held) {
      return row.action;
    }
  }
  return std::nullopt;
}

}  // namespace varuno
