#include "engine/text_view.h"

#include <utility>

namespace varuno {

namespace {

// The two texts of a tape view, moved out of it.
struct KeptText final : KeptTape {
  std::string committed;
  std::string pending;
};

}  // namespace

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

std::unique_ptr<KeptTape> TextView::TakeTape() {
  auto kept = std::make_unique<KeptText>();
  kept->committed = std::exchange(m_committed, {});
  kept->pending = std::exchange(m_pending, {});
  return kept;
}

void TextView::GiveTape(std::unique_ptr<KeptTape> kept) {
  ClearTape();
  if (auto* text = dynamic_cast<KeptText*>(kept.get())) {
    m_committed = std::move(text->committed);
    m_pending = std::move(text->pending);
  }
}

}  // namespace varuno
