#include "ui/platform/xkb_keyboard_state.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/keysym.h>

namespace varuno {

namespace {

inline constexpr int kNumLockOn = 0x01;
inline constexpr int kNumLockDown = 0x80;

bool HasXkb(Display* display) {
  int opcode = 0;
  int event = 0;
  int error = 0;
  int major = XkbMajorVersion;
  int minor = XkbMinorVersion;
  return XkbQueryExtension(display, &opcode, &event, &error, &major, &minor) == True;
}

}  // namespace

XkbKeyboardState::XkbKeyboardState(_XDisplay* display) : m_display(display) {
  if (m_display == nullptr || !HasXkb(m_display)) {
    m_display = nullptr;
    return;
  }
  m_numLockMask = XkbKeysymToModifiers(m_display, XK_Num_Lock);
  m_numLockKeycode = XKeysymToKeycode(m_display, XK_Num_Lock);
}

int XkbKeyboardState::NumLockByte() const {
  if (m_display == nullptr || m_numLockMask == 0) {
    return 0;
  }
  int byte = 0;
  XkbStateRec state{};
  if (XkbGetState(m_display, XkbUseCoreKbd, &state) == Success &&
      (state.locked_mods & m_numLockMask) != 0) {
    byte |= kNumLockOn;
  }
  if (m_numLockKeycode != 0) {
    char keys[32] = {};
    XQueryKeymap(m_display, keys);
    if ((keys[m_numLockKeycode / 8] & (1 << (m_numLockKeycode % 8))) != 0) {
      byte |= kNumLockDown;
    }
  }
  return byte;
}

bool XkbKeyboardState::CanSetNumLock() const { return m_display != nullptr && m_numLockMask != 0; }

void XkbKeyboardState::SetNumLock(bool on) {
  if (!CanSetNumLock()) {
    return;
  }
  XkbLockModifiers(m_display, XkbUseCoreKbd, m_numLockMask, on ? m_numLockMask : 0);
  // Round trip, so the next read sees the new state.
  XSync(m_display, False);
}

}  // namespace varuno
