// Number <-> text conversions for everything the calculator shows.
// All of them are independent of the process locale: the decimal point is
// always "." and the group separator always ",".
#pragma once

#include <string>
#include <string_view>

namespace varuno {

// Tape lines are right-aligned to this many columns.
inline constexpr int kTapeWidth = 22;

// Columns a UTF-8 text takes in the fixed-pitch tape font: one per ASCII
// character, two per non-ASCII character (Hangul, full-width symbols and
// box-drawing characters are all double width).
int ColumnWidth(std::string_view text);

// Prepends spaces until the text is at least `width` columns wide.
std::string PadLeft(std::string text, int width);

// Fixed notation with six decimals ("%f" in the "C" locale), trailing zeros
// and a trailing point trimmed, integer digits grouped by three.
// 1234567 -> "1,234,567", -0.0 -> "-0", 2.0/3 -> "0.666667".
std::string FormatNumber(double value);

// Right-aligns a text to the tape width and ends it with CR LF.
// Longer texts are neither cut nor wrapped.
std::string MakeTapeLine(std::string text);

// Reads the leading number of a text the way atof does in the "C" locale:
// leading white space, an optional sign, digits with an optional fraction and
// exponent, or "inf"/"infinity"/"nan". Anything after the number is ignored;
// a text with no number reads as 0.
double ParseLeadingNumber(std::string_view text);

// Removes every group comma from a text.
std::string StripCommas(std::string_view text);

}  // namespace varuno
