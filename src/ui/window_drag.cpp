#include "ui/window_drag.h"

#include <QWidget>
#include <QWindow>

namespace varuno {

void WindowDrag::Begin(const QPointF& globalPos) {
  m_bManual = false;
  QWindow* handle = m_window.windowHandle();
  if (handle != nullptr && handle->startSystemMove()) {
    return;
  }
  m_bManual = true;
  m_pressGlobal = globalPos;
  m_pressWindowPos = m_window.pos();
}

bool WindowDrag::Follow(const QPointF& globalPos) {
  if (!m_bManual) {
    return false;
  }
  m_window.move(m_pressWindowPos + (globalPos - m_pressGlobal).toPoint());
  return true;
}

}  // namespace varuno
