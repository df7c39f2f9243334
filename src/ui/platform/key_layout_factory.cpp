#include "ui/platform/key_layout_factory.h"

#include "ui/platform/x11_display.h"
#include "ui/platform/xkb_key_layout.h"

namespace varuno {

std::unique_ptr<KeyLayout> MakeKeyLayout() {
  if (_XDisplay* display = ApplicationX11Display()) {
    return std::make_unique<XkbKeyLayout>(display);
  }
  return nullptr;
}

}  // namespace varuno
