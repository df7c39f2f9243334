// Large numbers read the Korean way, by groups of four digits with their
// units: 123,456,789 reads "1억 2,345만 6,789".
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace varuno {

// The reading by 만 groups of a number text as the window shows it
// ("1,234,567,890.5", "-220,000", blanks around it allowed): the integer
// digits split in groups of four from the right, each group with its own
// group commas and its unit (만, 억, 조, 경), zero groups left out, groups
// separated by a blank, the fraction after the last group and the sign in
// front. 1,234,567,890.5 -> "12억 3,456만 7,890.5", 100,000,000 -> "1억".
// Nothing below 10,000, at 10^20 and beyond (no unit above 경), and for a
// text that is no finite number.
std::optional<std::string> ManReading(std::string_view shown);

}  // namespace varuno
