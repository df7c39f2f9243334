// What a screen reader is to hear after a command, and what a control holds
// when it takes the focus. The texts are computed here, below the window, so
// the replay tool and Qt-free tests see the same speech the window gives.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "dispatch/command_table.h"
#include "engine/calc_view.h"

namespace varuno {

// What the calculator looked like before a command ran.
struct SpeechBefore {
  std::string display;          // the display's text as shown
  std::size_t tapeBytes = 0;    // length of the committed tape
  int memoryRows = 0;           // rows of the memory list, rule and total included
};

// The text to speak once the command of `kind` has run, given the state
// before it, the view after it and the committed tape after it:
// - an operator or equals: the display's new value, or the tape's message
//   when the command wrote a division by zero;
// - a memory add or delete that changed the list: the list's new total
//   ("합계 1,239"; "합계 0" once the last value is gone);
// - the display taking the focus: its value as it was shown (with group
//   commas), before the focus took them away;
// - anything else: nothing (an empty text). Typed digits are heard by the
//   name of their button.
std::string SpokenResult(CommandKind kind, const SpeechBefore& before, CalcView& view,
                         std::string_view committedTape);

// A number as shown, for the ear: the text without surrounding blanks, and
// after a comma its reading by 만 groups where it has one
// ("12,345" -> "12,345, 1만 2,345"; "7" -> "7").
std::string SpokenNumber(std::string_view shown);

// The memory list's total row for the ear ("합계 1,239"; "합계 0" when the
// list is empty).
std::string SpokenMemoryTotal(ListSurface& list);

// The tape's last result: the last line under a rule, or the division
// message when that came later; without padding. Empty when there is none.
std::string TapeLastResult(std::string_view tape);

// A row of the memory list for the ear: blanks collapsed, the rule row and
// a missing row empty.
std::string SpokenMemoryRow(std::string_view row);

}  // namespace varuno
