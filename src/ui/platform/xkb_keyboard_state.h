// NumLock on an X server, read and set through XKB. Setting the lock
// changes the server's locked modifiers directly; no key press is
// synthesised, so the window never sees a NumLock key of its own making.
#pragma once

#include "ui/platform/keyboard_state.h"

struct _XDisplay;

namespace varuno {

class XkbKeyboardState final : public KeyboardState {
 public:
  // `display` is not owned and must outlive this object. Without the XKB
  // extension or a NumLock modifier it reports 0 and cannot set NumLock.
  explicit XkbKeyboardState(_XDisplay* display);

  int NumLockByte() const override;
  bool CanSetNumLock() const override;
  void SetNumLock(bool on) override;

 private:
  _XDisplay* m_display;
  unsigned m_numLockMask = 0;    // the real modifier NumLock is bound to
  unsigned m_numLockKeycode = 0; // 0 when no key carries Num_Lock
};

}  // namespace varuno
