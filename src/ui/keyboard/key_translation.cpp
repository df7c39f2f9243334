#include "ui/keyboard/key_translation.h"

#include <QKeyEvent>

#include <X11/keysym.h>

#include <array>

#include "ui/platform/key_layout.h"
#include "dispatch/virtual_keys.h"

namespace varuno {

namespace {

// ---------------------------------------------------------------------------
// Native symbols (X keysyms)

enum class SymbolKind : std::uint8_t {
  Keypad,   // a keypad symbol; the key is taken by what it produced
  Main,     // a symbol of the main keyboard or a function key, taken unshifted
};

struct SymbolRow {
  std::uint32_t keysym;
  SymbolKind kind;
  int virtualKey;
};

constexpr SymbolRow Keypad(std::uint32_t keysym, int vk) { return {keysym, SymbolKind::Keypad, vk}; }
constexpr SymbolRow Main(std::uint32_t keysym, int vk) { return {keysym, SymbolKind::Main, vk}; }

constexpr std::array kSymbolRows = {
    // Keypad with NumLock on.
    Keypad(XK_KP_0, VK_NUMPAD0 + 0), Keypad(XK_KP_1, VK_NUMPAD0 + 1),
    Keypad(XK_KP_2, VK_NUMPAD0 + 2), Keypad(XK_KP_3, VK_NUMPAD0 + 3),
    Keypad(XK_KP_4, VK_NUMPAD0 + 4), Keypad(XK_KP_5, VK_NUMPAD0 + 5),
    Keypad(XK_KP_6, VK_NUMPAD0 + 6), Keypad(XK_KP_7, VK_NUMPAD0 + 7),
    Keypad(XK_KP_8, VK_NUMPAD0 + 8), Keypad(XK_KP_9, VK_NUMPAD0 + 9),
    Keypad(XK_KP_Decimal, VK_DECIMAL),
    Keypad(XK_KP_Separator, VK_SEPARATOR),  // see KeypadKey: the point key of comma layouts
    // Keypad operators, the same in both NumLock states.
    Keypad(XK_KP_Multiply, VK_MULTIPLY), Keypad(XK_KP_Add, VK_ADD),
    Keypad(XK_KP_Subtract, VK_SUBTRACT), Keypad(XK_KP_Divide, VK_DIVIDE),
    Keypad(XK_KP_Enter, VK_RETURN),
    // Keypad with NumLock off: navigation keys, and Delete on the point key.
    Keypad(XK_KP_Insert, VK_INSERT), Keypad(XK_KP_End, VK_END), Keypad(XK_KP_Down, VK_DOWN),
    Keypad(XK_KP_Page_Down, VK_NEXT), Keypad(XK_KP_Left, VK_LEFT), Keypad(XK_KP_Begin, VK_CLEAR),
    Keypad(XK_KP_Right, VK_RIGHT), Keypad(XK_KP_Home, VK_HOME), Keypad(XK_KP_Up, VK_UP),
    Keypad(XK_KP_Page_Up, VK_PRIOR), Keypad(XK_KP_Delete, VK_DELETE),
    Keypad(XK_KP_Space, VK_SPACE), Keypad(XK_KP_Tab, VK_TAB),
    // Main keyboard, by the unshifted symbol.
    Main(XK_equal, VK_OEM_PLUS), Main(XK_plus, VK_OEM_PLUS),
    Main(XK_minus, VK_OEM_MINUS), Main(XK_period, VK_OEM_PERIOD),
    Main(XK_slash, VK_OEM_2), Main(XK_comma, VK_OEM_COMMA), Main(XK_semicolon, VK_OEM_1),
    Main(XK_space, VK_SPACE),
    // Editing, navigation and lock keys.
    Main(XK_BackSpace, VK_BACK), Main(XK_Tab, VK_TAB), Main(XK_ISO_Left_Tab, VK_TAB),
    Main(XK_Return, VK_RETURN), Main(XK_Escape, VK_ESCAPE), Main(XK_Delete, VK_DELETE),
    Main(XK_Insert, VK_INSERT), Main(XK_Clear, VK_CLEAR), Main(XK_Home, VK_HOME),
    Main(XK_End, VK_END), Main(XK_Page_Up, VK_PRIOR), Main(XK_Page_Down, VK_NEXT),
    Main(XK_Left, VK_LEFT), Main(XK_Up, VK_UP), Main(XK_Right, VK_RIGHT), Main(XK_Down, VK_DOWN),
    Main(XK_Num_Lock, VK_NUMLOCK),
};

constexpr bool IsKeypadKeysym(std::uint32_t keysym) {
  return keysym >= XK_KP_Space && keysym <= XK_KP_9;
}

constexpr bool RowsAgreeWithKind() {
  for (const SymbolRow& row : kSymbolRows) {
    if (IsKeypadKeysym(row.keysym) != (row.kind == SymbolKind::Keypad)) {
      return false;
    }
  }
  return true;
}
static_assert(RowsAgreeWithKind(), "a keypad row must hold a keypad symbol and no other row may");

int LookUpSymbol(std::uint32_t keysym) {
  for (const SymbolRow& row : kSymbolRows) {
    if (row.keysym == keysym) {
      return row.virtualKey;
    }
  }
  return kNoVirtualKey;
}

int DigitKey(std::uint32_t keysym) {
  return keysym >= XK_0 && keysym <= XK_9 ? VK_0 + static_cast<int>(keysym - XK_0) : kNoVirtualKey;
}

int LetterKey(std::uint32_t keysym) {
  if (keysym >= XK_a && keysym <= XK_z) {
    return VK_A + static_cast<int>(keysym - XK_a);
  }
  if (keysym >= XK_A && keysym <= XK_Z) {
    return VK_A + static_cast<int>(keysym - XK_A);
  }
  return kNoVirtualKey;
}

int FunctionKey(std::uint32_t keysym) {
  return keysym >= XK_F1 && keysym <= XK_F24 ? VK_F1 + static_cast<int>(keysym - XK_F1)
                                             : kNoVirtualKey;
}

int KeypadKey(std::uint32_t produced, std::uint32_t level0) {
  // Layouts with a decimal comma give the keypad's point key a separator
  // symbol; it is still the point key, as on the PC keyboard.
  if (produced == XK_KP_Separator && level0 == XK_KP_Delete) {
    return VK_DECIMAL;
  }
  return LookUpSymbol(produced);
}

// ---------------------------------------------------------------------------
// Qt key codes

enum class QtKeyKind : std::uint8_t {
  Keypad,  // only with Qt::KeypadModifier
  Main,    // only without it
  Either,  // the same key either way
};

struct QtKeyRow {
  int qtKey;
  QtKeyKind kind;
  int virtualKey;
};

constexpr QtKeyRow Pad(Qt::Key key, int vk) { return {key, QtKeyKind::Keypad, vk}; }
constexpr QtKeyRow Key(Qt::Key key, int vk) { return {key, QtKeyKind::Main, vk}; }
constexpr QtKeyRow Any(Qt::Key key, int vk) { return {key, QtKeyKind::Either, vk}; }

constexpr std::array kQtKeyRows = {
    // Keypad digits, point and operators.
    Pad(Qt::Key_0, VK_NUMPAD0 + 0), Pad(Qt::Key_1, VK_NUMPAD0 + 1), Pad(Qt::Key_2, VK_NUMPAD0 + 2),
    Pad(Qt::Key_3, VK_NUMPAD0 + 3), Pad(Qt::Key_4, VK_NUMPAD0 + 4), Pad(Qt::Key_5, VK_NUMPAD0 + 5),
    Pad(Qt::Key_6, VK_NUMPAD0 + 6), Pad(Qt::Key_7, VK_NUMPAD0 + 7), Pad(Qt::Key_8, VK_NUMPAD0 + 8),
    Pad(Qt::Key_9, VK_NUMPAD0 + 9),
    Pad(Qt::Key_Period, VK_DECIMAL), Pad(Qt::Key_Comma, VK_DECIMAL),
    Pad(Qt::Key_Asterisk, VK_MULTIPLY), Pad(Qt::Key_Plus, VK_ADD),
    Pad(Qt::Key_Minus, VK_SUBTRACT), Pad(Qt::Key_Slash, VK_DIVIDE),
    // Main keyboard digits, and the symbols Shift puts on them in a US layout.
    Key(Qt::Key_0, VK_0 + 0), Key(Qt::Key_ParenRight, VK_0 + 0),
    Key(Qt::Key_1, VK_0 + 1), Key(Qt::Key_Exclam, VK_0 + 1),
    Key(Qt::Key_2, VK_0 + 2), Key(Qt::Key_At, VK_0 + 2),
    Key(Qt::Key_3, VK_0 + 3), Key(Qt::Key_NumberSign, VK_0 + 3),
    Key(Qt::Key_4, VK_0 + 4), Key(Qt::Key_Dollar, VK_0 + 4),
    Key(Qt::Key_5, VK_0 + 5), Key(Qt::Key_Percent, VK_0 + 5),
    Key(Qt::Key_6, VK_0 + 6), Key(Qt::Key_AsciiCircum, VK_0 + 6),
    Key(Qt::Key_7, VK_0 + 7), Key(Qt::Key_Ampersand, VK_0 + 7),
    Key(Qt::Key_8, VK_0 + 8), Key(Qt::Key_Asterisk, VK_0 + 8),
    Key(Qt::Key_9, VK_0 + 9), Key(Qt::Key_ParenLeft, VK_0 + 9),
    // Main keyboard punctuation, unshifted and shifted.
    Key(Qt::Key_Equal, VK_OEM_PLUS), Key(Qt::Key_Plus, VK_OEM_PLUS),
    Key(Qt::Key_Minus, VK_OEM_MINUS), Key(Qt::Key_Underscore, VK_OEM_MINUS),
    Key(Qt::Key_Period, VK_OEM_PERIOD), Key(Qt::Key_Greater, VK_OEM_PERIOD),
    Key(Qt::Key_Slash, VK_OEM_2), Key(Qt::Key_Question, VK_OEM_2),
    Key(Qt::Key_Comma, VK_OEM_COMMA), Key(Qt::Key_Less, VK_OEM_COMMA),
    Key(Qt::Key_Semicolon, VK_OEM_1), Key(Qt::Key_Colon, VK_OEM_1),
    Key(Qt::Key_Space, VK_SPACE),
    // Keys that are the same on the keypad and elsewhere.
    Any(Qt::Key_Backspace, VK_BACK), Any(Qt::Key_Tab, VK_TAB), Any(Qt::Key_Backtab, VK_TAB),
    Any(Qt::Key_Return, VK_RETURN), Any(Qt::Key_Enter, VK_RETURN), Any(Qt::Key_Escape, VK_ESCAPE),
    Any(Qt::Key_Delete, VK_DELETE), Any(Qt::Key_Insert, VK_INSERT), Any(Qt::Key_Clear, VK_CLEAR),
    Any(Qt::Key_Home, VK_HOME), Any(Qt::Key_End, VK_END), Any(Qt::Key_PageUp, VK_PRIOR),
    Any(Qt::Key_PageDown, VK_NEXT), Any(Qt::Key_Left, VK_LEFT), Any(Qt::Key_Up, VK_UP),
    Any(Qt::Key_Right, VK_RIGHT), Any(Qt::Key_Down, VK_DOWN), Any(Qt::Key_NumLock, VK_NUMLOCK),
};

constexpr bool NoQtKeyTwice() {
  for (std::size_t i = 0; i < kQtKeyRows.size(); ++i) {
    for (std::size_t j = i + 1; j < kQtKeyRows.size(); ++j) {
      const QtKeyRow& a = kQtKeyRows[i];
      const QtKeyRow& b = kQtKeyRows[j];
      const bool overlap =
          a.kind == b.kind || a.kind == QtKeyKind::Either || b.kind == QtKeyKind::Either;
      if (a.qtKey == b.qtKey && overlap) {
        return false;
      }
    }
  }
  return true;
}
static_assert(NoQtKeyTwice(), "a Qt key is listed twice for the same keypad state");

}  // namespace

int VirtualKeyFromKeysyms(std::uint32_t produced, std::uint32_t level0, std::uint32_t level1) {
  if (IsKeypadKeysym(produced)) {
    return KeypadKey(produced, level0);
  }
  for (const std::uint32_t keysym : {level0, level1}) {
    if (const int digit = DigitKey(keysym); digit != kNoVirtualKey) {
      return digit;
    }
  }
  if (const int letter = LetterKey(level0); letter != kNoVirtualKey) {
    return letter;
  }
  if (const int function = FunctionKey(level0); function != kNoVirtualKey) {
    return function;
  }
  return LookUpSymbol(level0);
}

int VirtualKeyFromQtKey(int qtKey, Qt::KeyboardModifiers modifiers) {
  if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) {
    return VK_A + (qtKey - Qt::Key_A);
  }
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) {
    return VK_F1 + (qtKey - Qt::Key_F1);
  }
  const QtKeyKind wanted =
      modifiers.testFlag(Qt::KeypadModifier) ? QtKeyKind::Keypad : QtKeyKind::Main;
  for (const QtKeyRow& row : kQtKeyRows) {
    if (row.qtKey == qtKey && (row.kind == wanted || row.kind == QtKeyKind::Either)) {
      return row.virtualKey;
    }
  }
  return kNoVirtualKey;
}

int TranslateKey(const QKeyEvent& event, const KeyLayout* layout) {
  if (layout != nullptr && event.nativeScanCode() != 0 && event.nativeVirtualKey() != 0) {
    if (const std::optional<BaseSymbols> symbols = layout->SymbolsOf(event.nativeScanCode())) {
      return VirtualKeyFromKeysyms(event.nativeVirtualKey(), symbols->level0, symbols->level1);
    }
  }
  return VirtualKeyFromQtKey(event.key(), event.modifiers());
}

}  // namespace varuno
