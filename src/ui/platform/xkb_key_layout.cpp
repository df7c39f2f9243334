#include "ui/platform/xkb_key_layout.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>

namespace varuno {

namespace {

struct KeyboardDescription {
  XkbDescPtr xkb;
  ~KeyboardDescription() {
    if (xkb != nullptr) {
      XkbFreeKeyboard(xkb, 0, True);
    }
  }
};

// The effective group of a key, as the server computes it from the
// keyboard's group and the key's own group count and out-of-range rule.
int EffectiveGroup(XkbDescPtr xkb, unsigned keycode, int group) {
  const int groups = XkbKeyNumGroups(xkb, keycode);
  if (group < groups) {
    return group;
  }
  const unsigned char info = XkbKeyGroupInfo(xkb, keycode);
  switch (XkbOutOfRangeGroupAction(info)) {
    case XkbClampIntoRange:
      return groups - 1;
    case XkbRedirectIntoRange: {
      const int redirected = XkbOutOfRangeGroupNumber(info);
      return redirected < groups ? redirected : 0;
    }
    default:
      return group % groups;
  }
}

std::uint32_t SymbolAt(XkbDescPtr xkb, unsigned keycode, int group, int level) {
  const XkbKeyTypePtr type = XkbKeyKeyType(xkb, keycode, group);
  if (type == nullptr || level >= type->num_levels) {
    return NoSymbol;
  }
  return static_cast<std::uint32_t>(XkbKeySymEntry(xkb, keycode, level, group));
}

}  // namespace

XkbKeyLayout::XkbKeyLayout(_XDisplay* display) : m_display(display) {}

std::optional<BaseSymbols> XkbKeyLayout::SymbolsOf(std::uint32_t nativeKeyCode) const {
  if (m_display == nullptr || nativeKeyCode < 8 || nativeKeyCode > 255) {
    return std::nullopt;
  }
  XkbStateRec state{};
  if (XkbGetState(m_display, XkbUseCoreKbd, &state) != Success) {
    return std::nullopt;
  }
  const KeyboardDescription description{
      XkbGetMap(m_display, XkbKeyTypesMask | XkbKeySymsMask, XkbUseCoreKbd)};
  XkbDescPtr xkb = description.xkb;
  const auto keycode = static_cast<unsigned>(nativeKeyCode);
  if (xkb == nullptr || xkb->map == nullptr || keycode < xkb->min_key_code ||
      keycode > xkb->max_key_code || XkbKeyNumGroups(xkb, keycode) == 0) {
    return std::nullopt;
  }
  const int group = EffectiveGroup(xkb, keycode, state.group);
  return BaseSymbols{SymbolAt(xkb, keycode, group, 0), SymbolAt(xkb, keycode, group, 1)};
}

}  // namespace varuno
