#include "ui/platform/keyboard_state_factory.h"

#include "ui/platform/null_keyboard_state.h"
#include "ui/platform/x11_display.h"
#include "ui/platform/xkb_keyboard_state.h"

namespace varuno {

std::unique_ptr<KeyboardState> CreateKeyboardState() {
  if (_XDisplay* display = ApplicationX11Display()) {
    auto state = std::make_unique<XkbKeyboardState>(display);
    if (state->CanSetNumLock()) {
      return state;
    }
  }
  return std::make_unique<NullKeyboardState>();
}

}  // namespace varuno
