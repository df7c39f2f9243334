// The memory list: values kept from the display, one row each, under which
// stand a rule row and the running total. The rows are the only storage;
// the total is summed afresh from their texts every time.
#pragma once

#include <string_view>

#include "engine/calc_view.h"

namespace varuno {

// Rule row above the total: 24 columns.
inline constexpr std::string_view kMemoryRuleRow = "━━━━━━━━━━━━";
// Label in front of the total.
inline constexpr std::string_view kMemoryTotalLabel = "합계";
// Value rows and the total both end at this column.
inline constexpr int kMemoryRowWidth = 22;

class MemoryList {
 public:
  explicit MemoryList(CalcView& view) : m_view(view) {}

  MemoryList(const MemoryList&) = delete;
  MemoryList& operator=(const MemoryList&) = delete;

  // Keeps the display's value (unless it is zero) as a new row.
  void OnMemoryAdd();
  // Removes the selected value row; does nothing with the rule or total selected.
  void OnMemoryDelete();
  // Empties the list.
  void OnMemoryClear();

 private:
  void RebuildTotal();

  CalcView& m_view;
};

}  // namespace varuno
