#include "ui/focus_ring.h"

#include <QApplication>
#include <QPainter>
#include <QRegion>

namespace varuno {

FocusRing::FocusRing(QWidget* window, const QList<QWidget*>& stops) : QWidget(window), m_stops(stops) {
  setObjectName(QStringLiteral("focusRing"));
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  setFocusPolicy(Qt::NoFocus);
  hide();
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { Follow(now); });
}

void FocusRing::Follow(QWidget* focus) {
  if (focus == nullptr || !m_stops.contains(focus)) {
    m_target = nullptr;
    hide();
    return;
  }
  m_target = focus;
  const int margin = kFocusRingGap + kFocusRingWidth;
  setGeometry(focus->geometry().adjusted(-margin, -margin, margin, margin));
  // Only the ring belongs to this widget: the control inside keeps its own
  // clicks and paint.
  const QRect outer = rect();
  setMask(QRegion(outer).subtracted(QRegion(outer.adjusted(kFocusRingWidth, kFocusRingWidth,
                                                            -kFocusRingWidth, -kFocusRingWidth))));
  raise();
  show();
  update();
}

void FocusRing::paintEvent(QPaintEvent* event) {
  static_cast<void>(event);
  QPainter painter(this);
  painter.fillRect(rect(), kFocusRingColor);
}

}  // namespace varuno
