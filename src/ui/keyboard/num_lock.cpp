#include "num_lock.h"

#include "keyboard_state.h"

namespace varuno {

void RestoreNumLock(KeyboardState& keyboard, int startByte) {
  if (!keyboard.CanSetNumLock()) {
    return;
  }
  const bool wanted = (startByte & 0x01) != 0;
  const bool on = (keyboard.NumLockByte() & 0x01) != 0;
  if (on != wanted) {
    keyboard.SetNumLock(wanted);
  }
}

}  // namespace varuno
