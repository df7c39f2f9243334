// The adding-machine engine: number entry, the four operators evaluated left
// to right, and the tape. It owns the state record and writes only through
// CalcView, so it runs the same under the window, the replay tool and tests.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "engine/calc_state.h"
#include "engine/calc_view.h"

namespace varuno {

// Entry codes besides the digits 0 to 9.
inline constexpr int kEntryDoubleZero = 100;
inline constexpr int kEntryPoint = 9999;
inline constexpr int kEntryBackspace = -9999;
inline constexpr int kEntrySign = -1;

// The entry accepts a digit, "00" or the point while it is at most this long.
inline constexpr std::size_t kEntryLimit = 13;

class CalcEngine {
 public:
  explicit CalcEngine(CalcView& view) : m_view(view) {}

  CalcEngine(const CalcEngine&) = delete;
  CalcEngine& operator=(const CalcEngine&) = delete;

  void OnEntryKey(int code);
  void OnClearEntry();
  void OnClearAll();
  void OnOperator(char op);
  void OnEquals();

  // The entry as the display shows it, without its sign: grouped integer
  // part, point and fraction exactly as typed.
  std::string RenderEntry() const;
  // Shows the committed tape plus the pending line (operator and entry).
  void RefreshTape();
  // The pending line as RefreshTape shows it, CR LF included.
  std::string PendingLine() const;

  const CalcState& State() const { return m_state; }

 private:
  void Evaluate();
  void AppendTape(std::string_view text);
  void CutTape(std::size_t length);
  double EntryValue() const;

  CalcView& m_view;
  CalcState m_state;
  // Bytes at the front of m_strTape that the view already shows unchanged.
  std::size_t m_nTapeShown = 0;
};

}  // namespace varuno
