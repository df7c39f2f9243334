// The keyboard focus made visible: a dark ring drawn around whichever of the
// window's tab stops (the memory list, the tape, the display and the two hot
// spots) holds the focus, over the skin beside it. Nothing is drawn while
// none of them has the focus, so the hot spots stay invisible otherwise.
#pragma once

#include <QColor>
#include <QList>
#include <QPointer>
#include <QWidget>

namespace varuno {

// Dark blue: 10:1 against the white of the controls and at least 7:1 against
// the light skin around them.
inline constexpr QColor kFocusRingColor(0x0B, 0x3D, 0x91);
inline constexpr int kFocusRingWidth = 2;
// The ring's inner edge lies this far outside the control.
inline constexpr int kFocusRingGap = 1;

class FocusRing final : public QWidget {
  Q_OBJECT

 public:
  // A child of `window` that rings each of `stops` while it has the focus.
  FocusRing(QWidget* window, const QList<QWidget*>& stops);

  // The control ringed now, nullptr when hidden.
  QWidget* Target() const { return isVisible() ? m_target.data() : nullptr; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void Follow(QWidget* focus);

  QList<QWidget*> m_stops;
  QPointer<QWidget> m_target;
};

}  // namespace varuno
