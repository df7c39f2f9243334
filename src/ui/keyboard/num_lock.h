// Setting NumLock back to the state the calculator found at start.
#pragma once

namespace varuno {

class KeyboardState;

// Sets NumLock back to the state recorded in `startState`, the NumLock byte
// read at start (bit 0: on, bit 7: key down). Any non-zero byte counts as on,
// a byte with only the key-down bit among them. Leaves NumLock alone when
// its lock (bit 0 of the current byte) already matches and where the
// platform cannot set it.
void ReassertNumLock(KeyboardState& keyboard, int startState);

}  // namespace varuno
