#include "key_layout_factory.h"

#include "x11_display.h"
#include "xkb_key_layout.h"

namespace varuno {

std::unique_ptr<KeyLayout> MakeKeyLayout() {
  if (_XDisplay* display = ApplicationX11Display()) {
    return std::make_unique<XkbKeyLayout>(display);
  }
  return nullptr;
}

}  // namespace varuno
