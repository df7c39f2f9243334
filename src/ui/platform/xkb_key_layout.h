// The keyboard layout of an X server, read through XKB.
#pragma once

#include "ui/platform/key_layout.h"

struct _XDisplay;

namespace varuno {

class XkbKeyLayout final : public KeyLayout {
 public:
  // `display` is not owned and must outlive the layout.
  explicit XkbKeyLayout(_XDisplay* display);

  // Reads the key's symbols from the server each time: keys are pressed at
  // human speed, and a layout switched meanwhile (setxkbmap, a group change)
  // is then always seen.
  std::optional<BaseSymbols> SymbolsOf(std::uint32_t nativeKeyCode) const override;

 private:
  _XDisplay* m_display;
};

}  // namespace varuno
