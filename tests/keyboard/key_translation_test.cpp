// Key events to virtual keys: what a key means must not change with Shift,
// must follow NumLock on the keypad, and must survive layouts whose digits
// need Shift or whose keypad point is a comma.
#include <gtest/gtest.h>

#include <QKeyEvent>

#include <X11/keysym.h>

#include <map>

#include "ui/platform/key_layout.h"
#include "ui/keyboard/key_translation.h"
#include "dispatch/virtual_keys.h"

namespace varuno {
namespace {

constexpr std::uint32_t kNone = 0;  // no symbol on that level

struct SymbolCase {
  const char* name;
  std::uint32_t produced;
  std::uint32_t level0;
  std::uint32_t level1;
  int expected;
};

TEST(VirtualKeyFromKeysyms, TakesKeypadKeysByWhatTheySendAndOtherKeysUnshifted) {
  const SymbolCase cases[] = {
      {"Shift with 8 (US)", XK_asterisk, XK_8, XK_asterisk, VK_0 + 8},
      {"8 key of AZERTY, unshifted underscore", XK_underscore, XK_underscore, XK_8, VK_0 + 8},
      {"0 key of AZERTY with Shift", XK_0, XK_agrave, XK_0, VK_0 + 0},
      {"equals-sign key", XK_equal, XK_equal, XK_plus, VK_OEM_PLUS},
      {"plus key of a German layout, shifted", XK_asterisk, XK_plus, XK_asterisk, VK_OEM_PLUS},
      {"letter with Shift", XK_Q, XK_q, XK_Q, VK_A + ('Q' - 'A')},
      {"Hangul key", XK_Hangul, XK_Hangul, kNone, kNoVirtualKey},
      {"keypad 7, NumLock on", XK_KP_7, XK_KP_Home, XK_KP_7, VK_NUMPAD0 + 7},
      {"keypad 7, NumLock off", XK_KP_Home, XK_KP_Home, XK_KP_7, VK_HOME},
      {"keypad point, NumLock on", XK_KP_Decimal, XK_KP_Delete, XK_KP_Decimal, VK_DECIMAL},
      {"keypad point, NumLock off", XK_KP_Delete, XK_KP_Delete, XK_KP_Decimal, VK_DELETE},
      {"keypad point of a comma layout", XK_KP_Separator, XK_KP_Delete, XK_KP_Separator,
       VK_DECIMAL},
      {"separate keypad comma key", XK_KP_Separator, XK_KP_Separator, XK_KP_Separator,
       VK_SEPARATOR},
  };
  for (const SymbolCase& c : cases) {
    EXPECT_EQ(VirtualKeyFromKeysyms(c.produced, c.level0, c.level1), c.expected) << c.name;
  }
}

struct QtKeyCase {
  const char* name;
  int key;
  Qt::KeyboardModifiers modifiers;
  int expected;
};

TEST(VirtualKeyFromQtKey, TellsTheKeypadApartWhereTheWindowTestsDoNotReach) {
  const QtKeyCase cases[] = {
      {"keypad point of a comma layout", Qt::Key_Comma, Qt::KeypadModifier, VK_DECIMAL},
      {"keypad star", Qt::Key_Asterisk, Qt::KeypadModifier, VK_MULTIPLY},
      {"NumLock flagged as keypad", Qt::Key_NumLock, Qt::KeypadModifier, VK_NUMLOCK},
      {"keypad equals has no PC key", Qt::Key_Equal, Qt::KeypadModifier, kNoVirtualKey},
  };
  for (const QtKeyCase& c : cases) {
    EXPECT_EQ(VirtualKeyFromQtKey(c.key, c.modifiers), c.expected) << c.name;
  }
}

// An AZERTY digit row: the 8 key (evdev code 17) has "_" unshifted.
class AzertyLayout final : public KeyLayout {
 public:
  std::optional<BaseSymbols> SymbolsOf(std::uint32_t code) const override {
    const auto found = m_keys.find(code);
    if (found == m_keys.end()) {
      return std::nullopt;
    }
    return found->second;
  }

 private:
  std::map<std::uint32_t, BaseSymbols> m_keys{{17, {XK_underscore, XK_8}}};
};

QKeyEvent UnderscoreKey(std::uint32_t nativeCode, std::uint32_t nativeSymbol) {
  return QKeyEvent(QEvent::KeyPress, Qt::Key_Underscore, Qt::NoModifier, nativeCode, nativeSymbol,
                   0, QStringLiteral("_"));
}

TEST(TranslateKey, UsesTheLayoutForNativeKeysAndQtCodesOtherwise) {
  const AzertyLayout layout;
  EXPECT_EQ(TranslateKey(UnderscoreKey(17, XK_underscore), &layout), VK_0 + 8);
  // Without the layout, or without native codes, Qt's code decides: "_" is
  // the minus key of a US layout.
  EXPECT_EQ(TranslateKey(UnderscoreKey(17, XK_underscore), nullptr), VK_OEM_MINUS);
  EXPECT_EQ(TranslateKey(UnderscoreKey(0, 0), &layout), VK_OEM_MINUS);
  // A key the layout cannot tell falls back as well.
  EXPECT_EQ(TranslateKey(UnderscoreKey(99, XK_underscore), &layout), VK_OEM_MINUS);
}

}  // namespace
}  // namespace varuno
