// The command table: which operation each (notification, control) pair runs.
// It is the only road from the controls to the engine and the memory list.
#pragma once

#include <array>
#include <cstdint>

#include "control_ids.h"

namespace varuno {

class CalcEngine;
class CalcView;
class MemoryList;

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

// Every entry of the table, in control-ID order.
const std::array<CommandEntry, 30>& CommandTable();

// The commands that only the window can carry out.
class WindowCommands {
 public:
  virtual ~WindowCommands() = default;
  virtual void OnMinimize() = 0;
  virtual void OnHomepageLogo() = 0;
  virtual void OnHomepageLink() = 0;
  virtual void OnAboutButton() = 0;
};

// For running the calculator without a window: the window commands do nothing.
class NoWindowCommands final : public WindowCommands {
 public:
  void OnMinimize() override {}
  void OnHomepageLogo() override {}
  void OnHomepageLink() override {}
  void OnAboutButton() override {}
};

struct CommandContext {
  CalcEngine& engine;
  MemoryList& memory;
  CalcView& view;
  WindowCommands& window;
};

// The table entry for a pair, or nullptr when the table has none.
const CommandEntry* FindCommand(Notification notification, int controlId);

// Runs the operation of the matching entry. Returns false when the table has
// no entry for the pair; the caller then applies its default (the close
// button's ID ends the program, everything else is dropped).
bool DispatchCommand(Notification notification, int controlId, const CommandContext& context);

}  // namespace varuno
