// Drives the calculator from a compact key script, for table-driven
// scenario tests. Each character is a click on one button, run through the
// command table as the window runs it:
//   0-9 digits   Z "00"   . point   B backspace   S sign (+/-)
//   + - * /  operators    = equals   E clear entry   C clear all
//   M memory add   D memory delete   K memory clear
// Spaces are ignored.
#pragma once

#include <string>
#include <string_view>

#include "dispatch/calculator.h"
#include "dispatch/control_ids.h"
#include "engine/number_format.h"
#include "engine/text_view.h"

namespace varuno::test {

// The button a key script character clicks; 0 for a character that clicks none.
constexpr ControlId ScriptControl(char key) {
  switch (key) {
    case '0': return IDC_BTN_0;
    case '1': return IDC_BTN_1;
    case '2': return IDC_BTN_2;
    case '3': return IDC_BTN_3;
    case '4': return IDC_BTN_4;
    case '5': return IDC_BTN_5;
    case '6': return IDC_BTN_6;
    case '7': return IDC_BTN_7;
    case '8': return IDC_BTN_8;
    case '9': return IDC_BTN_9;
    case 'Z': return IDC_BTN_00;
    case '.': return IDC_BTN_POINT;
    case 'B': return IDC_BTN_BACK;
    case 'S': return IDC_BTN_SIGN;
    case '+': return IDC_BTN_ADD;
    case '-': return IDC_BTN_SUB;
    case '*': return IDC_BTN_MUL;
    case '/': return IDC_BTN_DIV;
    case '=': return IDC_BTN_EQUALS;
    case 'E': return IDC_BTN_CE;
    case 'C': return IDC_BTN_C;
    case 'M': return IDC_BTN_MEM_ADD;
    case 'D': return IDC_BTN_MEM_DEL;
    case 'K': return IDC_BTN_MEM_CLEAR;
    default: return 0;
  }
}

// Clicks the buttons of a key script on `calculator`.
inline void PressOn(varuno::Calculator& calculator, std::string_view keys) {
  for (const char key : keys) {
    if (const ControlId id = ScriptControl(key); id != 0) {
      calculator.Dispatch(BN_CLICKED, id);
    }
  }
}

struct Calculator {
  TextView view;
  varuno::Calculator calculator{view};
  const CalcEngine& engine = calculator.Engine();

  void Press(std::string_view keys) { PressOn(calculator, keys); }
};

// A tape line as MakeTapeLine writes it: right-aligned to 22 columns, CR LF.
inline std::string Line(std::string_view text) { return MakeTapeLine(std::string(text)); }

}  // namespace varuno::test
