// The keyboard's NumLock state, read and set through the windowing system.
// Platforms that cannot do either report 0 and ignore the request.
#pragma once

namespace varuno {

class KeyboardState {
 public:
  virtual ~KeyboardState() = default;
  // The NumLock byte: bit 0 set while NumLock is on, bit 7 while the key is
  // held down. 0 where the platform cannot tell.
  virtual int NumLockByte() const = 0;
  // Whether SetNumLock has any effect on this platform.
  virtual bool CanSetNumLock() const = 0;
  // Switches NumLock on or off directly, without synthesising a key press.
  virtual void SetNumLock(bool on) = 0;
};

}  // namespace varuno
