// The keyboard layout as the windowing system knows it: which symbols a
// physical key carries on its first two shift levels in the active group.
#pragma once

#include <cstdint>
#include <optional>

namespace varuno {

// Symbol codes are X keysyms (the numbering xkbcommon uses as well).
struct BaseSymbols {
  std::uint32_t level0 = 0;  // unshifted
  std::uint32_t level1 = 0;  // with Shift
};

class KeyLayout {
 public:
  virtual ~KeyLayout() = default;
  // The symbols of a native key code in the group that is active now, or
  // nothing when the layout cannot tell.
  virtual std::optional<BaseSymbols> SymbolsOf(std::uint32_t nativeKeyCode) const = 0;
};

}  // namespace varuno
