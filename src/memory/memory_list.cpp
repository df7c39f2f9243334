#include "memory/memory_list.h"

#include <string>

#include "engine/number_format.h"

namespace varuno {

void MemoryList::OnMemoryAdd() {
  std::string text = m_view.DisplayText();
  // Zero is not worth keeping. The parse stops at the first group comma,
  // which cannot turn a non-zero number into zero.
  if (ParseLeadingNumber(text) == 0.0) {
    return;
  }
  if (text.empty() || text.front() != '-') {
    text.insert(0, 1, '+');
  }
  text = PadLeft(std::move(text), kMemoryRowWidth);

  ListSurface& list = m_view.MemoryList();
  const int count = list.RowCount();
  if (count > 0) {
    list.DeleteRow(count - 1);  // total
    list.DeleteRow(count - 2);  // rule
  }
  list.AppendRow(text);
  RebuildTotal();
}

void MemoryList::OnMemoryDelete() {
  ListSurface& list = m_view.MemoryList();
  const int count = list.RowCount();
  const int selected = list.SelectedRow();
  if (!(selected < count - 2)) {
    return;  // the rule or the total is selected, or the list is empty
  }
  // The bottom rows go first so that `selected` still names its value row.
  list.DeleteRow(count - 1);
  list.DeleteRow(count - 2);
  list.DeleteRow(selected);
  RebuildTotal();
}

void MemoryList::OnMemoryClear() {
  m_view.MemoryList().RemoveAllRows();
}

void MemoryList::RebuildTotal() {
  ListSurface& list = m_view.MemoryList();
  const int count = list.RowCount();
  if (count < 1) {
    return;
  }
  list.AppendRow(std::string(kMemoryRuleRow));

  double sum = 0.0;
  for (int row = 0; row < count; ++row) {
    sum += ParseLeadingNumber(StripCommas(list.RowText(row)));
  }
  const int numberWidth = kMemoryRowWidth - ColumnWidth(kMemoryTotalLabel);
  list.AppendRow(std::string(kMemoryTotalLabel) + PadLeft(FormatNumber(sum), numberWidth));
  list.SelectRow(list.RowCount() - 1);
}

}  // namespace varuno
