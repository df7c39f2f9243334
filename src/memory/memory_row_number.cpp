#include "memory/memory_row_number.h"

#include "engine/clipboard_text.h"
#include "memory/memory_list.h"

namespace varuno {

std::optional<std::string> MemoryRowNumber(std::string_view row) {
  if (row.starts_with(kMemoryTotalLabel)) {
    row.remove_prefix(kMemoryTotalLabel.size());
  }
  return PlainNumber(row);
}

}  // namespace varuno
