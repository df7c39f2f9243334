// Setting NumLock back to the state the calculator found at start.
#pragma once

namespace varuno {

class KeyboardState;

// Sets NumLock to the lock state recorded in `startByte`, a NumLock byte
// (bit 0: on, bit 7: key down). Only bit 0 is the lock; bit 7 says whether
// the key happened to be held. Leaves NumLock alone when it already matches
// and where the platform cannot set it.
void RestoreNumLock(KeyboardState& keyboard, int startByte);

}  // namespace varuno
