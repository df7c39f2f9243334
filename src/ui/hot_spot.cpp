#include "ui/hot_spot.h"

namespace varuno {

HotSpot::HotSpot(QWidget* parent) : QAbstractButton(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setCursor(Qt::PointingHandCursor);
  setAttribute(Qt::WA_NoSystemBackground);
  setAutoFillBackground(false);
}

void HotSpot::paintEvent(QPaintEvent* event) { static_cast<void>(event); }

}  // namespace varuno
