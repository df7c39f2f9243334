// The number a row of the memory list holds, for copying.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace varuno {

// A value row gives its value and the total row the total, both as plain
// numbers ("+1,234.5" gives "1234.5", "합계  -3" gives "-3"); the rule row,
// and any row that holds no finite number, gives nothing.
std::optional<std::string> MemoryRowNumber(std::string_view row);

}  // namespace varuno
