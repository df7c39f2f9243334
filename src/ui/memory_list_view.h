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
};

}  // namespace varuno
