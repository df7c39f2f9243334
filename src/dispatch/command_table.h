// The command table: which operation each (notification, control) pair runs.
// It is the only road from the controls to the engine and the memory list.
#pragma once

#include <array>
#include <cstdint>

#include "dispatch/control_ids.h"
#include "engine/calc_engine.h"

namespace varuno {

using Notification = std::uint16_t;
inline constexpr Notification BN_CLICKED = 0x0000;
inline constexpr Notification BN_DOUBLECLICKED = 0x0005;
inline constexpr Notification EN_SETFOCUS = 0x0100;
inline constexpr Notification EN_KILLFOCUS = 0x0200;

enum class CommandKind : std::uint8_t {
  EntryKey,          // OnEntryKey(arg)
  ClearEntry,        // OnClearEntry
  ClearAll,          // OnClearAll
  Operator,          // OnOperator(char(arg))
  Equals,            // OnEquals
  MemoryAdd,         // OnMemoryAdd
  MemoryDelete,      // OnMemoryDelete
  MemoryClear,       // OnMemoryClear
  DisplaySetFocus,   // display loses its group commas
  DisplayKillFocus,  // display is regrouped
  Minimize,          // window operations, run by the window
  HomepageLogo,
  HomepageLink,
  AboutBox,
};

struct CommandEntry {
  Notification notification;
  ControlId controlId;
  CommandKind kind;
  int arg;  // entry code or operator character; 0 where the operation takes none
};

// A button's click.
constexpr CommandEntry ClickCommand(ControlId id, CommandKind kind, int arg = 0) {
  return CommandEntry{BN_CLICKED, id, kind, arg};
}

// Every entry of the table, in control-ID order. The close button (IDCANCEL)
// has no entry: the window's default ends the program.
inline constexpr std::array<CommandEntry, 30> kCommandTable = {{
    ClickCommand(IDC_BTN_CE, CommandKind::ClearEntry),
    ClickCommand(IDC_BTN_BACK, CommandKind::EntryKey, kEntryBackspace),
    ClickCommand(IDC_BTN_SIGN, CommandKind::EntryKey, kEntrySign),
    ClickCommand(IDC_BTN_C, CommandKind::ClearAll),
    ClickCommand(IDC_BTN_DIV, CommandKind::Operator, '/'),
    ClickCommand(IDC_BTN_MEM_DEL, CommandKind::MemoryDelete),
    ClickCommand(IDC_BTN_7, CommandKind::EntryKey, 7),
    ClickCommand(IDC_BTN_8, CommandKind::EntryKey, 8),
    ClickCommand(IDC_BTN_9, CommandKind::EntryKey, 9),
    ClickCommand(IDC_BTN_MUL, CommandKind::Operator, '*'),
    ClickCommand(IDC_BTN_MEM_CLEAR, CommandKind::MemoryClear),
    ClickCommand(IDC_BTN_4, CommandKind::EntryKey, 4),
    ClickCommand(IDC_BTN_5, CommandKind::EntryKey, 5),
    ClickCommand(IDC_BTN_6, CommandKind::EntryKey, 6),
    ClickCommand(IDC_BTN_SUB, CommandKind::Operator, '-'),
    CommandEntry{EN_SETFOCUS, IDC_DISPLAY, CommandKind::DisplaySetFocus, 0},
    CommandEntry{EN_KILLFOCUS, IDC_DISPLAY, CommandKind::DisplayKillFocus, 0},
    ClickCommand(IDC_BTN_1, CommandKind::EntryKey, 1),
    ClickCommand(IDC_BTN_2, CommandKind::EntryKey, 2),
    ClickCommand(IDC_BTN_3, CommandKind::EntryKey, 3),
    ClickCommand(IDC_BTN_ADD, CommandKind::Operator, '+'),
    ClickCommand(IDC_BTN_MEM_ADD, CommandKind::MemoryAdd),
    ClickCommand(IDC_BTN_0, CommandKind::EntryKey, 0),
    ClickCommand(IDC_BTN_00, CommandKind::EntryKey, kEntryDoubleZero),
    ClickCommand(IDC_BTN_POINT, CommandKind::EntryKey, kEntryPoint),
    ClickCommand(IDC_BTN_EQUALS, CommandKind::Equals),
    ClickCommand(IDC_BTN_MINIMIZE, CommandKind::Minimize),
    ClickCommand(IDC_LOGO, CommandKind::HomepageLogo),
    ClickCommand(IDC_HOMEPAGE, CommandKind::HomepageLink),
    ClickCommand(IDC_BTN_ABOUT, CommandKind::AboutBox),
}};
const std::array<CommandEntry, 30>& CommandTable();

// The table entry for a pair, or nullptr when the table has none.
constexpr const CommandEntry* FindCommand(Notification notification, int controlId) {
  for (const CommandEntry& entry : kCommandTable) {
    if (entry.notification == notification && entry.controlId == controlId) {
      return &entry;
    }
  }
  return nullptr;
}

}  // namespace varuno
