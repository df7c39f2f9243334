// Translates Qt key events to the PC keyboard's virtual-key codes that the
// key table is written in. Keypad keys are taken by what they send under the
// current NumLock state; every other key by its unshifted symbol, so that
// Shift never changes which button a key clicks.
#pragma once

#include <Qt>
#include <cstdint>

class QKeyEvent;

namespace varuno {

class KeyLayout;

// 0 means "no virtual key": the event names no key this program knows.
inline constexpr int kNoVirtualKey = 0;

// From the symbol a key produced now (`produced`, it carries the NumLock
// state for keypad keys) and the key's first two shift levels in the active
// group. A digit on either level makes a digit key, so digit rows that need
// Shift for their digits still type digits; otherwise the unshifted symbol
// decides.
int VirtualKeyFromKeysyms(std::uint32_t produced, std::uint32_t level0, std::uint32_t level1);

// From Qt's key code and modifiers alone, for platforms that do not tell the
// native key: keypad keys by Qt::KeypadModifier; the shifted symbols of a US
// layout are mapped back to their unshifted keys ('*' to 8, '+' to the
// equals-sign key, ...).
int VirtualKeyFromQtKey(int qtKey, Qt::KeyboardModifiers modifiers);

// The virtual key of an event. Uses the native key code and `layout` when
// both are there (X11), Qt's key code otherwise. `layout` may be null.
int TranslateKey(const QKeyEvent& event, const KeyLayout* layout);

}  // namespace varuno
