// The replay tool's output: the three view surfaces as one line of JSON.
#pragma once

#include <string>
#include <string_view>

#include "engine/text_view.h"

namespace varuno::replay {

// The text as the contents of a JSON string: quote and backslash escaped,
// control characters as \b \f \n \r \t or \u00XX, and any byte that is not
// part of a well-formed UTF-8 sequence as \ufffd, so the output is always
// valid JSON in valid UTF-8.
std::string JsonEscape(std::string_view text);

// {"display": "...", "tape": "...", "memory": ["...", ...], "selected": N,
//  "spoken": "..."} without a line break; `spoken` is what a screen reader
// hears after the line's command (empty when nothing).
std::string StateJson(const TextView& view, std::string_view spoken = {});

}  // namespace varuno::replay
