// Moving a window without a title bar by dragging its face. Where the window
// manager offers an interactive move of its own, that is used, so snapping
// and the like behave as with a title bar; otherwise (no window manager, the
// offscreen platform) the window follows the mouse itself.
#pragma once

#include <QPoint>
#include <QPointF>

class QWidget;

namespace varuno {

class WindowDrag {
 public:
  explicit WindowDrag(QWidget& window) : m_window(window) {}

  // The left button went down on a bare point of the face.
  void Begin(const QPointF& globalPos);
  // The mouse moved with the button held; returns whether a manual move is running.
  bool Follow(const QPointF& globalPos);
  // The button went up.
  void End() { m_bManual = false; }

  bool Manual() const { return m_bManual; }

 private:
  QWidget& m_window;
  bool m_bManual = false;
  QPointF m_pressGlobal;
  QPoint m_pressWindowPos;
};

}  // namespace varuno
