// The memory list: an unsorted, single-selection list of text rows on white.
#pragma once

#include <QListWidget>

#include <string>

#include "engine/calc_view.h"

namespace varuno {

class MemoryListView : public QListWidget, public ListSurface {
  Q_OBJECT

 public:
  explicit MemoryListView(QWidget* parent = nullptr);

  int RowCount() const override;
  std::string RowText(int row) const override;
  void AppendRow(const std::string& text) override;
  void DeleteRow(int row) override;
  void RemoveAllRows() override;
  int SelectedRow() const override;
  void SelectRow(int row) override;

 protected:
  // An empty list with the focus shows the focus rectangle where its first
  // row would be, as a list box does.
  void paintEvent(QPaintEvent* event) override;
  // Qt's list view tells a screen reader that the focus went to the new
  // current row even when the list does not have the focus (as when 추가
  // selects the total while the button has it); the screen reader then
  // follows it away from the focus. Only a list with the focus says so.
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
};

}  // namespace varuno
