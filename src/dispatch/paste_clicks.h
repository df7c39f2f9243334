// A number pasted from the clipboard, as the clicks that type it: the paste
// goes through the same buttons as the keyboard and the mouse, so the entry
// rules (the banner after equals, a pending operator's operand) apply as
// they stand.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "dispatch/control_ids.h"

namespace varuno {

// Texts longer than this (in UTF-8 bytes) are never read as a number.
inline constexpr std::size_t kPasteMaxBytes = 256;

// The clicks that replace the entry with the one number `text` (UTF-8)
// holds: CE, its digits and point, then +/- for a negative number.
// Accepted: blanks around the number, group commas every three integer
// digits, a leading "-" or "−" (U+2212), one decimal point. Nothing for any
// other text (letters, two numbers, exponents, an empty text, more than
// kPasteMaxBytes) and for a number the entry could not hold whole: a paste
// never enters a number other than the one it was given.
std::optional<std::vector<ControlId>> PasteClicks(std::string_view text);

}  // namespace varuno
