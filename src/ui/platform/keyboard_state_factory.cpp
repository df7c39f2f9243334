#include "keyboard_state_factory.h"

#include "null_keyboard_state.h"

namespace varuno {

std::unique_ptr<KeyboardState> CreateKeyboardState() { return std::make_unique<NullKeyboardState>(); }

}  // namespace varuno
