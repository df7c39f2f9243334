// One line of a replay script, read into what it asks for.
//
//   1008             a click (BN_CLICKED) on control 1008
//   select N         selects memory-list row N (-1 clears the selection)
//   focus-display    the display gains the keyboard focus
//   blur-display     the display loses it
//   undo             takes back the last action (nothing to take back: no change)
//   redo             does again the last action taken back (likewise)
//   # ...            a comment; blank lines are skipped too
#pragma once

#include <string>
#include <string_view>

#include "line_reader.h"

namespace varuno::replay {

enum class ReplayKind {
  Skip,          // blank line or comment: no output
  Click,         // value: control ID
  Select,        // value: row
  FocusDisplay,
  BlurDisplay,
  Undo,
  Redo,
  Bad,           // error: why the line cannot be read
};

struct ReplayCommand {
  ReplayKind kind = ReplayKind::Skip;
  int value = 0;
  std::string error;
};

// Reads one line (without its line feed; blanks around it are ignored).
ReplayCommand ParseReplayLine(std::string_view line);

// The same for a line as the reader delivers it, which may have been cut.
ReplayCommand ParseScriptLine(const ScriptLine& line);

}  // namespace varuno::replay
