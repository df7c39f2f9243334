#include "command_table.h"

#include "calc_engine.h"
#include "display_focus.h"
#include "memory_list.h"

namespace varuno {

namespace {
constexpr CommandEntry Click(ControlId id, CommandKind kind, int arg = 0) {
  return CommandEntry{BN_CLICKED, id, kind, arg};
}

constexpr std::array<CommandEntry, 30> kTable = {{
    Click(IDC_BTN_CE, CommandKind::ClearEntry),
    Click(IDC_BTN_BACK, CommandKind::EntryKey, kEntryBackspace),
    Click(IDC_BTN_SIGN, CommandKind::EntryKey, kEntrySign),
    Click(IDC_BTN_C, CommandKind::ClearAll),
    Click(IDC_BTN_DIV, CommandKind::Operator, '/'),
    Click(IDC_BTN_MEM_DEL, CommandKind::MemoryDelete),
    Click(IDC_BTN_7, CommandKind::EntryKey, 7),
    Click(IDC_BTN_8, CommandKind::EntryKey, 8),
    Click(IDC_BTN_9, CommandKind::EntryKey, 9),
    Click(IDC_BTN_MUL, CommandKind::Operator, '*'),
    Click(IDC_BTN_MEM_CLEAR, CommandKind::MemoryClear),
    Click(IDC_BTN_4, CommandKind::EntryKey, 4),
    Click(IDC_BTN_5, CommandKind::EntryKey, 5),
    Click(IDC_BTN_6, CommandKind::EntryKey, 6),
    Click(IDC_BTN_SUB, CommandKind::Operator, '-'),
    CommandEntry{EN_SETFOCUS, IDC_DISPLAY, CommandKind::DisplaySetFocus, 0},
    CommandEntry{EN_KILLFOCUS, IDC_DISPLAY, CommandKind::DisplayKillFocus, 0},
    Click(IDC_BTN_1, CommandKind::EntryKey, 1),
    Click(IDC_BTN_2, CommandKind::EntryKey, 2),
    Click(IDC_BTN_3, CommandKind::EntryKey, 3),
    Click(IDC_BTN_ADD, CommandKind::Operator, '+'),
    Click(IDC_BTN_MEM_ADD, CommandKind::MemoryAdd),
    Click(IDC_BTN_0, CommandKind::EntryKey, 0),
    Click(IDC_BTN_00, CommandKind::EntryKey, kEntryDoubleZero),
    Click(IDC_BTN_POINT, CommandKind::EntryKey, kEntryPoint),
    Click(IDC_BTN_EQUALS, CommandKind::Equals),
    Click(IDC_BTN_MINIMIZE, CommandKind::Minimize),
    Click(IDC_LOGO, CommandKind::HomepageLogo),
    Click(IDC_HOMEPAGE, CommandKind::HomepageLink),
    Click(IDC_BTN_ABOUT, CommandKind::AboutBox),
}};
// The close button (IDCANCEL) has no entry: the window's default ends the program.

constexpr bool NoPairTwice() {
  for (std::size_t i = 0; i < kTable.size(); ++i) {
    for (std::size_t j = i + 1; j < kTable.size(); ++j) {
      if (kTable[i].notification == kTable[j].notification &&
          kTable[i].controlId == kTable[j].controlId) {
        return false;
      }
    }
  }
  return true;
}
static_assert(NoPairTwice(), "a (notification, control) pair is listed twice");

constexpr bool EveryControlKnown() {
  for (const CommandEntry& entry : kTable) {
    if (!IsMainWindowControl(entry.controlId) || entry.controlId == IDCANCEL) {
      return false;
    }
  }
  return true;
}
static_assert(EveryControlKnown(), "the table names a control the window does not have");

}  // namespace

const std::array<CommandEntry, 30>& CommandTable() { return kTable; }

const CommandEntry* FindCommand(Notification notification, int controlId) {
  for (const CommandEntry& entry : kTable) {
    if (entry.notification == notification &&
        entry.controlId == controlId) {
      return &entry;
    }
  }
  return nullptr;
}

bool DispatchCommand(Notification notification, int controlId, const CommandContext& context) {
  const CommandEntry* entry = FindCommand(notification, controlId);
  if (entry == nullptr) {
    return false;
  }
  switch (entry->kind) {
    case CommandKind::EntryKey: context.engine.OnEntryKey(entry->arg); break;
    case CommandKind::ClearEntry: context.engine.OnClearEntry(); break;
    case CommandKind::ClearAll: context.engine.OnClearAll(); break;
    case CommandKind::Operator: context.engine.OnOperator(static_cast<char>(entry->arg)); break;
    case CommandKind::Equals: context.engine.OnEquals(); break;
    case CommandKind::MemoryAdd: context.memory.OnMemoryAdd(); break;
    case CommandKind::MemoryDelete: context.memory.OnMemoryDelete(); break;
    case CommandKind::MemoryClear: context.memory.OnMemoryClear(); break;
    case CommandKind::DisplaySetFocus: OnDisplaySetFocus(context.view); break;
    case CommandKind::DisplayKillFocus: OnDisplayKillFocus(context.view); break;
    case CommandKind::Minimize: context.window.OnMinimize(); break;
    case CommandKind::HomepageLogo: context.window.OnHomepageLogo(); break;
    case CommandKind::HomepageLink: context.window.OnHomepageLink(); break;
    case CommandKind::AboutBox: context.window.OnAboutButton(); break;
  }
  return true;
}

}  // namespace varuno
