// Drives the engine and memory list from a compact key script, for
// table-driven scenario tests. Each character is one key:
//   0-9 digits   Z "00"   . point   B backspace   S sign (+/-)
//   + - * /  operators    = equals   E clear entry   C clear all
//   M memory add   D memory delete   K memory clear
// Spaces are ignored.
#pragma once

#include <string>
#include <string_view>

#include "calc_engine.h"
#include "number_format.h"
#include "memory_list.h"
#include "text_view.h"

namespace varuno::test {

struct Calculator {
  TextView view;
  CalcEngine engine{view};
  MemoryList memory{view};

  void Press(std::string_view keys) { PressOn(engine, memory, keys); }

  static void PressOn(CalcEngine& engine, MemoryList& memory, std::string_view keys) {
    for (const char key : keys) {
      if (key >= '0' && key <= '9') {
        engine.OnEntryKey(key - '0');
      } else {
        switch (key) {
          case 'Z': engine.OnEntryKey(kEntryDoubleZero); break;
          case '.': engine.OnEntryKey(kEntryPoint); break;
          case 'B': engine.OnEntryKey(kEntryBackspace); break;
          case 'S': engine.OnEntryKey(kEntrySign); break;
          case '+': case '-': case '*': case '/': engine.OnOperator(key); break;
          case '=': engine.OnEquals(); break;
          case 'E': engine.OnClearEntry(); break;
          case 'C': engine.OnClearAll(); break;
          case 'M': memory.OnMemoryAdd(); break;
          case 'D': memory.OnMemoryDelete(); break;
          case 'K': memory.OnMemoryClear(); break;
          default: break;
        }
      }
    }
  }
};

// A tape line as MakeTapeLine writes it: right-aligned to 22 columns, CR LF.
inline std::string Line(std::string_view text) { return MakeTapeLine(std::string(text)); }

}  // namespace varuno::test
