#include "ui/memory_list_view.h"

#include <QFontMetrics>
#include <QItemSelectionModel>
#include <QPainter>
#include <QString>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace varuno {

MemoryListView::MemoryListView(QWidget* parent) : QListWidget(parent) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSortingEnabled(false);
  setUniformItemSizes(true);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  // A list box clips a row that is too wide; it never puts "…" in place of
  // its end.
  setTextElideMode(Qt::ElideNone);
}

int MemoryListView::RowCount() const { return count(); }

std::string MemoryListView::RowText(int row) const {
  const QListWidgetItem* row_item = item(row);
  return row_item == nullptr ? std::string() : row_item->text().toStdString();
}

void MemoryListView::AppendRow(const std::string& text) {
  addItem(QString::fromStdString(text));
}

void MemoryListView::DeleteRow(int row) {
  if (row < 0 || row >= count()) {
    return;
  }
  delete takeItem(row);
}

void MemoryListView::RemoveAllRows() {
  clear();
  setCurrentRow(-1);
}

int MemoryListView::SelectedRow() const {
  const QModelIndexList selected = selectionModel()->selectedRows();
  return selected.isEmpty() ? -1 : selected.first().row();
}

void MemoryListView::SelectRow(int row) {
  if (row < 0 || row >= count()) {
    clearSelection();
    return;
  }
  setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
  scrollToItem(item(row));
}

void MemoryListView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  if (hasFocus()) {
    QListWidget::currentChanged(current, previous);
    return;
  }
  QAbstractItemView::currentChanged(current, previous);  // everything but the focus report
}

void MemoryListView::paintEvent(QPaintEvent* event) {
  QListWidget::paintEvent(event);
  if (count() > 0 || !hasFocus()) {
    return;
  }
  QPainter painter(viewport());
  QStyleOptionFocusRect option;
  option.initFrom(this);
  option.rect = QRect(0, 0, viewport()->width(), QFontMetrics(font()).height());
  option.backgroundColor = palette().color(QPalette::Base);
  style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

}  // namespace varuno
