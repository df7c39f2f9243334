// A CalcView that keeps its three surfaces as plain text in memory. The
// replay tool, the fuzzer, the benchmarks and the tests run the calculator on
// it; it applies tape updates incrementally, as the window's tape does.
#pragma once

#include <string>
#include <vector>

#include "engine/calc_view.h"

namespace varuno {

class TextListSurface final : public ListSurface {
 public:
  int RowCount() const override { return static_cast<int>(m_rows.size()); }
  std::string RowText(int row) const override;
  void AppendRow(const std::string& text) override { m_rows.push_back(text); }
  void DeleteRow(int row) override;
  void RemoveAllRows() override;
  int SelectedRow() const override { return m_selected; }
  void SelectRow(int row) override;

  const std::vector<std::string>& Rows() const { return m_rows; }

 private:
  std::vector<std::string> m_rows;
  int m_selected = -1;
};

class TextView final : public CalcView {
 public:
  void SetDisplayText(const std::string& text) override { m_display = text; }
  std::string DisplayText() const override { return m_display; }
  void UpdateTape(const TapeUpdate& update) override;
  void ClearTape() override;
  std::unique_ptr<KeptTape> TakeTape() override;
  void GiveTape(std::unique_ptr<KeptTape> kept) override;
  ListSurface& MemoryList() override { return m_list; }

  // The whole tape view text: committed lines followed by the pending line.
  std::string TapeText() const { return m_committed + m_pending; }
  const std::string& CommittedTape() const { return m_committed; }
  const std::string& PendingLine() const { return m_pending; }
  const TextListSurface& List() const { return m_list; }
  TextListSurface& List() { return m_list; }

 private:
  std::string m_display = "0";
  std::string m_committed;
  std::string m_pending;
  TextListSurface m_list;
};

}  // namespace varuno
