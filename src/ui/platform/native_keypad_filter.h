// The numeric keypad as the X server delivers it, before Qt makes key
// events of it: which key events are the keypad's digits and operators typed
// with Num Lock on, and which are any other key.
#pragma once

#include <QAbstractNativeEventFilter>

#include <cstdint>
#include <functional>

struct _XDisplay;

namespace varuno {

// A keypad key press or release, as X reported it.
struct NativeKeypadKey {
  bool press = true;
  std::uint32_t window = 0;   // the X window the key went to
  std::uint32_t keycode = 0;
  std::uint32_t keysym = 0;   // with Num Lock on: XK_KP_0..XK_KP_9, XK_KP_Decimal, XK_KP_Add, ...
  std::uint32_t state = 0;    // the X modifier and group state
};

class NativeKeypadFilter final : public QAbstractNativeEventFilter {
 public:
  // `keypad` hears each keypad digit, point, operator and Enter typed with
  // Num Lock on and no Shift, Ctrl, Alt or other modifier, and answers
  // whether it took the key (X's event then goes no further). `otherKey`
  // hears the X window of every other key press and release.
  NativeKeypadFilter(std::function<bool(const NativeKeypadKey&)> keypad,
                     std::function<void(std::uint32_t window)> otherKey);
  ~NativeKeypadFilter() override;
  NativeKeypadFilter(const NativeKeypadFilter&) = delete;
  NativeKeypadFilter& operator=(const NativeKeypadFilter&) = delete;

  // Watches the application's X events; does nothing on other platforms.
  void Install();

  bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

 private:
  std::function<bool(const NativeKeypadKey&)> m_keypad;
  std::function<void(std::uint32_t)> m_otherKey;
  _XDisplay* m_display = nullptr;
  bool m_installed = false;
};

}  // namespace varuno
