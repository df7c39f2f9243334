// The keyboard layout of the platform the application runs on.
#pragma once

#include <memory>

#include "ui/platform/key_layout.h"

namespace varuno {

// The X server's layout on X11; null where the platform does not tell native
// key codes (Wayland, offscreen): keys are then translated from Qt's codes.
std::unique_ptr<KeyLayout> MakeKeyLayout();

}  // namespace varuno
