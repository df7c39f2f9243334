// The texts the calculator puts on the clipboard: numbers as other programs
// read them (no group commas, "-" and "." whatever the locale) and the tape
// as plain lines.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace varuno {

// A number as the calculator shows it ("1,234.50", "-0", "+12.") without
// its group commas, a leading "+" and blanks around it; every digit and the
// point stay as shown. Nothing when the text is no finite number (for
// example the text of an infinite result).
std::optional<std::string> PlainNumber(std::string_view shown);

// The lines of the tape text (lines ending in CR LF, the last one possibly
// without) as the tape shows them, without their padding, trailing blank
// lines dropped: what is copied and printed. The views point into `tape`.
std::vector<std::string_view> PlainTapeLines(std::string_view tape);

// One tape line taken apart: its operator ('+', '-', '*', '/'; 0 for none)
// and the text after the operator symbol, the padding removed.
struct TapeLineParts {
  char op;
  std::string_view rest;
};
TapeLineParts SplitTapeLine(std::string_view line);

// The tape text as plain lines for other programs: the padding of every line removed, the
// operator symbols replaced by + - * /, trailing blank lines dropped, each
// line ended by LF. Empty lines inside the tape, the rules and every other
// text stay as they are.
std::string TapeCopyText(std::string_view tape);

}  // namespace varuno
