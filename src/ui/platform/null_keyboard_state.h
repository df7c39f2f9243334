// A keyboard state for platforms that can neither read nor set NumLock.
#pragma once

#include "ui/platform/keyboard_state.h"

namespace varuno {

class NullKeyboardState final : public KeyboardState {
 public:
  int NumLockByte() const override { return 0; }
  bool CanSetNumLock() const override { return false; }
  void SetNumLock(bool on) override { static_cast<void>(on); }
};

}  // namespace varuno
