#include "ui/platform/native_keypad_filter.h"

#include <QCoreApplication>

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/keysym.h>
#include <xcb/xcb.h>

#include <utility>

#include "ui/platform/x11_display.h"

namespace varuno {

namespace {

constexpr std::uint8_t kKeyPress = XCB_KEY_PRESS;
constexpr std::uint8_t kKeyRelease = XCB_KEY_RELEASE;

// The keypad's digits and point come on the second level of their keys
// (the level Num Lock selects); its operators and Enter on the first.
bool IsKeypadDigit(KeySym keysym) {
  return (keysym >= XK_KP_0 && keysym <= XK_KP_9) || keysym == XK_KP_Decimal || keysym == XK_KP_Separator;
}

bool IsKeypadOperator(KeySym keysym) {
  return keysym == XK_KP_Add || keysym == XK_KP_Subtract || keysym == XK_KP_Multiply ||
         keysym == XK_KP_Divide || keysym == XK_KP_Enter;
}

}  // namespace

NativeKeypadFilter::NativeKeypadFilter(std::function<bool(const NativeKeypadKey&)> keypad,
                                       std::function<void(std::uint32_t window)> otherKey)
    : m_keypad(std::move(keypad)), m_otherKey(std::move(otherKey)) {}

NativeKeypadFilter::~NativeKeypadFilter() {
  if (m_installed && QCoreApplication::instance() != nullptr) {
    QCoreApplication::instance()->removeNativeEventFilter(this);
  }
}

void NativeKeypadFilter::Install() {
  m_display = ApplicationX11Display();
  if (m_display != nullptr && !m_installed) {
    QCoreApplication::instance()->installNativeEventFilter(this);
    m_installed = true;
  }
}

bool NativeKeypadFilter::nativeEventFilter(const QByteArray& eventType, void* message, qintptr* /*result*/) {
  if (eventType != "xcb_generic_event_t" || message == nullptr) {
    return false;
  }
  const auto* event = static_cast<const xcb_generic_event_t*>(message);
  const std::uint8_t type = event->response_type & 0x7F;
  if (type != kKeyPress && type != kKeyRelease) {
    return false;
  }
  // Press and release events share one layout.
  const auto* key = static_cast<const xcb_key_press_event_t*>(message);
  const unsigned numLock = XkbKeysymToModifiers(m_display, XK_Num_Lock);
  const unsigned modifiers = key->state & 0xFFU;
  const bool numLockAlone = numLock != 0 && (modifiers & numLock) != 0 &&
                            (modifiers & ~(numLock | static_cast<unsigned>(LockMask))) == 0;
  KeySym keysym = NoSymbol;
  if (numLockAlone) {
    const int group = XkbGroupForCoreState(key->state);
    const KeySym second = XkbKeycodeToKeysym(m_display, key->detail, group, 1);
    const KeySym first = XkbKeycodeToKeysym(m_display, key->detail, group, 0);
    keysym = IsKeypadDigit(second) ? second : IsKeypadOperator(first) ? first : NoSymbol;
  }
  if (keysym == NoSymbol) {
    m_otherKey(key->event);
    return false;
  }
  return m_keypad(NativeKeypadKey{type == kKeyPress, key->event, key->detail,
                                  static_cast<std::uint32_t>(keysym), key->state});
}

}  // namespace varuno
