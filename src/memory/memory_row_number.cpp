#include "memory_row_number.h"

#include "clipboard_text.h"
#include "memory_list.h"

namespace varuno {

std::optional<std::string> MemoryRowNumber(std::string_view row) {
  if (row.starts_with(kMemoryTotalLabel)) {
    row.remove_prefix(kMemoryTotalLabel.size());
  }
  return PlainNumber(row);
}

}  // namespace varuno
