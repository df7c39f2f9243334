#include "ui/display_view.h"

#include <QFocusEvent>

namespace varuno {

DisplayView::DisplayView(QWidget* parent) : QLineEdit(parent) {
  setReadOnly(true);
  setFrame(false);
  setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void DisplayView::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  Q_EMIT focusEntered();
}

void DisplayView::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  Q_EMIT focusLeft();
}

}  // namespace varuno
