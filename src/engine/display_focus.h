// What the display does when it gains or loses the keyboard focus. These
// touch only the display text, never the engine's state.
#pragma once

#include "engine/calc_view.h"

namespace varuno {

// Focus in: the group commas go, so the number can be read or copied plainly.
void OnDisplaySetFocus(CalcView& view);
// Focus out: the text is read as a number (commas and all) and shown again
// in the grouped form.
void OnDisplayKillFocus(CalcView& view);

}  // namespace varuno
