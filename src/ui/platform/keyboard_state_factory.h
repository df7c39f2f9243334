// The keyboard state of the platform the application runs on.
#pragma once

#include <memory>

#include "keyboard_state.h"

namespace varuno {

std::unique_ptr<KeyboardState> CreateKeyboardState();

}  // namespace varuno
