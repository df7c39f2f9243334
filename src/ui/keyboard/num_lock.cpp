#include "ui/keyboard/num_lock.h"

#include "ui/platform/keyboard_state.h"

namespace varuno {

void ReassertNumLock(KeyboardState& keyboard, int startState) {
  if (!keyboard.CanSetNumLock()) {
    return;
  }
  const bool wanted = startState != 0;
  const bool on = (keyboard.NumLockByte() & 0x01) != 0;
  if (on != wanted) {
    keyboard.SetNumLock(wanted);
  }
}

}  // namespace varuno
