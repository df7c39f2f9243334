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
// Accepted: blanks around the number; integer digits grouped by three with
// commas, blanks, no-break or narrow no-break spaces (one kind in a
// number); one decimal point; a leading "-" or "−" (U+2212) or accounting
// parentheses for a negative number; a won sign before the number (₩ or ￦)
// or 원 after it; full-width digits, comma, point and minus; the number
// written by groups of four digits with their units, as in "125만",
// "1억 2,345만 6,789" and "2조 5000억", the digits below 만 last with an
// optional fraction. Nothing for any other text (letters, two numbers,
// exponents, "1.250.000", an empty text, more than kPasteMaxBytes) and for a
// number the entry could not hold whole: a paste never enters a number other
// than the one it was given.
std::optional<std::vector<ControlId>> PasteClicks(std::string_view text);

}  // namespace varuno
