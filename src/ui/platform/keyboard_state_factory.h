// The keyboard state of the platform the application runs on.
#pragma once

#include <memory>

#include "ui/platform/keyboard_state.h"

namespace varuno {

// XKB's NumLock on X11; on other platforms (Wayland, offscreen) a state that
// reads 0 and cannot set NumLock, so the calculator leaves it alone there.
// Needs the QGuiApplication to exist.
std::unique_ptr<KeyboardState> CreateKeyboardState();

}  // namespace varuno
