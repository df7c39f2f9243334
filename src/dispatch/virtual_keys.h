// Virtual-key codes of the keys the calculator answers (the PC keyboard's
// conventional numbering, independent of the windowing system).
#pragma once

#include <cstdint>

namespace varuno {

using VirtualKey = std::uint8_t;

inline constexpr VirtualKey VK_BACK = 0x08;
inline constexpr VirtualKey VK_TAB = 0x09;
inline constexpr VirtualKey VK_RETURN = 0x0D;
inline constexpr VirtualKey VK_ESCAPE = 0x1B;
inline constexpr VirtualKey VK_SPACE = 0x20;
inline constexpr VirtualKey VK_PRIOR = 0x21;
inline constexpr VirtualKey VK_NEXT = 0x22;
inline constexpr VirtualKey VK_END = 0x23;
inline constexpr VirtualKey VK_HOME = 0x24;
inline constexpr VirtualKey VK_LEFT = 0x25;
inline constexpr VirtualKey VK_UP = 0x26;
inline constexpr VirtualKey VK_RIGHT = 0x27;
inline constexpr VirtualKey VK_DOWN = 0x28;
inline constexpr VirtualKey VK_CLEAR = 0x0C;
inline constexpr VirtualKey VK_INSERT = 0x2D;
inline constexpr VirtualKey VK_DELETE = 0x2E;
inline constexpr VirtualKey VK_0 = 0x30;  // '0'..'9' are 0x30..0x39, 'A'..'Z' 0x41..0x5A
inline constexpr VirtualKey VK_A = 0x41;
// The key of a capital letter, 'A'..'Z'.
constexpr VirtualKey LetterKey(char letter) { return static_cast<VirtualKey>(VK_A + (letter - 'A')); }
inline constexpr VirtualKey VK_NUMPAD0 = 0x60;  // ..VK_NUMPAD9 = 0x69
inline constexpr VirtualKey VK_MULTIPLY = 0x6A;
inline constexpr VirtualKey VK_ADD = 0x6B;
inline constexpr VirtualKey VK_SEPARATOR = 0x6C;
inline constexpr VirtualKey VK_SUBTRACT = 0x6D;
inline constexpr VirtualKey VK_DECIMAL = 0x6E;
inline constexpr VirtualKey VK_DIVIDE = 0x6F;
inline constexpr VirtualKey VK_F1 = 0x70;
inline constexpr VirtualKey VK_NUMLOCK = 0x90;
inline constexpr VirtualKey VK_OEM_1 = 0xBA;
inline constexpr VirtualKey VK_OEM_PLUS = 0xBB;
inline constexpr VirtualKey VK_OEM_COMMA = 0xBC;
inline constexpr VirtualKey VK_OEM_MINUS = 0xBD;
inline constexpr VirtualKey VK_OEM_PERIOD = 0xBE;
inline constexpr VirtualKey VK_OEM_2 = 0xBF;

}  // namespace varuno
