#include "ui/display_view.h"

#include <QFocusEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace varuno {

DisplayView::DisplayView(QWidget* parent) : QLineEdit(parent) {
  setReadOnly(true);
  setFrame(false);
  setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void DisplayView::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  // A menu that opens and closes over the display does not move the focus
  // as the window sees it: the display's text stays, and so does the history.
  if (event->reason() != Qt::PopupFocusReason) {
    Q_EMIT focusEntered();
  }
}

void DisplayView::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  if (event->reason() != Qt::PopupFocusReason) {
    Q_EMIT focusLeft();
  }
}

void DisplayView::paintEvent(QPaintEvent* event) {
  QLineEdit::paintEvent(event);
  if (!hasFocus()) {
    return;
  }
  QPainter painter(this);
  QStyleOptionFocusRect option;
  option.initFrom(this);
  option.backgroundColor = palette().color(QPalette::Base);
  style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

}  // namespace varuno
