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

  // For the history of actions, which takes changes back without copying
  // the tape: between two clears the committed tape changes only at its
  // end, so a change is told by where it begins and what stood after that.
  struct TapeEnd {
    std::size_t keep = 0;  // leading bytes no cut reached
    std::string end;       // what followed them when watching began
  };
  // Starts watching the committed tape: what cuts take off it from now on
  // is kept, and what is appended is not.
  void WatchTape();
  // Stops watching and hands over the bytes that followed the first `keep`
  // bytes when watching began. A clear hands over the tape itself.
  TapeEnd TakeTapeEnd();
  // Replaces what follows the tape's first `keep` bytes with `end` and
  // returns what it replaced in `end`: a second call undoes the first.
  // With `keep` 0 the two texts are swapped, not copied.
  void SwapTapeEnd(std::size_t keep, std::string& end);
  // Exchanges every field of the state record but the tape with `other`.
  void SwapFields(CalcState& other);
  // The tape view was changed behind the engine's back: it now shows the
  // whole committed tape, or nothing.
  void TapeViewShows(bool wholeTape);

 private:
  void Evaluate();
  void AppendTape(std::string_view text);
  void CutTape(std::size_t length);
  double EntryValue() const;

  CalcView& m_view;
  CalcState m_state;
  // Bytes at the front of m_strTape that the view already shows unchanged.
  std::size_t m_nTapeShown = 0;
  // While the tape is watched: what cuts took off, from m_tapeEnd.keep on.
  bool m_bWatching = false;
  TapeEnd m_tapeEnd;
};

}  // namespace varuno
