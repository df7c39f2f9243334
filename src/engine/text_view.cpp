#include "engine/text_view.h"

namespace varuno {

std::string TextListSurface::RowText(int row) const {
  if (row < 0 || row >= RowCount()) {
    return {};
  }
  return m_rows[static_cast<std::size_t>(row)];
}

void TextListSurface::DeleteRow(int row) {
  if (row < 0 || row >= RowCount()) {
    return;
  }
  m_rows.erase(m_rows.begin() + row);
  // The selection follows its row; it is lost with the row itself.
  if (m_selected == row) {
    m_selected = -1;
  } else if (m_selected > row) {
    --m_selected;
  }
}

void TextListSurface::RemoveAllRows() {
  m_rows.clear();
  m_selected = -1;
}

void TextListSurface::SelectRow(int row) {
  m_selected = (row >= 0 && row < RowCount()) ? row : -1;
}

void TextView::UpdateTape(const TapeUpdate& update) {
  m_committed.resize(update.keep);
  m_committed.append(update.committed.substr(update.keep));
  m_pending.assign(update.pendingLine);
}

void TextView::ClearTape() {
  m_committed.clear();
  m_pending.clear();
}

}  // namespace varuno
