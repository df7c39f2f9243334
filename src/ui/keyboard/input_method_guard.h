// Keeps input methods out of one window. No control of the window accepts
// input-method text or shows an unfinished syllable, so with a Hangul input
// method left in Hangul mode every key reaches the window's key handling
// exactly as it does with no input method, wherever the focus is. Text that
// can be selected and copied stays so: only the input method is turned away.
//
// Qt's read-only text views still take committed text, and they switch
// input methods back on whenever their read-only state is set again, so the
// guard does not clear a flag on each control once: it answers for every
// control of the window, including controls added after it, for as long as
// it lives.
#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

namespace varuno {

class InputMethodGuard final : public QObject {
 public:
  // Becomes a child of `window` and guards it and every widget inside it.
  explicit InputMethodGuard(QWidget* window);
  ~InputMethodGuard() override;

  InputMethodGuard(const InputMethodGuard&) = delete;
  InputMethodGuard& operator=(const InputMethodGuard&) = delete;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QPointer<QWidget> m_window;
};

}  // namespace varuno
