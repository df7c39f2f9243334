#include "engine/calc_engine.h"

#include <algorithm>
#include <utility>

#include "engine/number_format.h"
#include "engine/tape_text.h"

namespace varuno {

double CalcEngine::EntryValue() const {
  double value = ParseLeadingNumber(m_state.m_strEntry);
  return m_state.m_bNegative ? -value : value;
}

void CalcEngine::AppendTape(std::string_view text) {
  m_nTapeShown = std::min(m_nTapeShown, m_state.m_strTape.size());
  m_state.m_strTape += text;
}

void CalcEngine::CutTape(std::size_t length) {
  std::string& tape = m_state.m_strTape;
  length = std::min(length, tape.size());
  if (m_bWatching && length < m_tapeEnd.keep) {
    // Bytes before m_tapeEnd.keep are still the ones watching began with.
    if (length == 0 && m_tapeEnd.keep == tape.size() && m_tapeEnd.end.empty()) {
      m_tapeEnd.end = std::exchange(tape, {});  // the whole tape, not a copy
    } else {
      m_tapeEnd.end.insert(0, tape, length, m_tapeEnd.keep - length);
    }
    m_tapeEnd.keep = length;
  }
  tape.resize(length);
  m_nTapeShown = std::min(m_nTapeShown, tape.size());
}

void CalcEngine::WatchTape() {
  m_bWatching = true;
  m_tapeEnd = TapeEnd{m_state.m_strTape.size(), {}};
}

CalcEngine::TapeEnd CalcEngine::TakeTapeEnd() {
  m_bWatching = false;
  return std::exchange(m_tapeEnd, {});
}

void CalcEngine::SwapTapeEnd(std::size_t keep, std::string& end) {
  std::string& tape = m_state.m_strTape;
  keep = std::min(keep, tape.size());
  if (keep == 0) {
    tape.swap(end);
  } else {
    std::string replaced = tape.substr(keep);
    tape.resize(keep);
    tape += end;
    end = std::move(replaced);
  }
  m_nTapeShown = std::min(m_nTapeShown, keep);
}

void CalcEngine::SwapFields(CalcState& other) {
  // Every field, whatever fields the record gains, with the tape moved
  // aside for the exchange.
  std::string tape = std::exchange(m_state.m_strTape, {});
  std::string otherTape = std::exchange(other.m_strTape, {});
  std::swap(m_state, other);
  m_state.m_strTape = std::move(tape);
  other.m_strTape = std::move(otherTape);
}

void CalcEngine::TapeViewShows(bool wholeTape) { m_nTapeShown = wholeTape ? m_state.m_strTape.size() : 0; }

std::string CalcEngine::RenderEntry() const {
  const std::string& entry = m_state.m_strEntry;
  const std::size_t point = entry.find('.');
  if (point == std::string::npos) {
    return FormatNumber(ParseLeadingNumber(entry));
  }
  return FormatNumber(ParseLeadingNumber(std::string_view(entry).substr(0, point))) +
         entry.substr(point);
}

std::string CalcEngine::PendingLine() const {
  std::string pending;
  if (m_state.m_nPhase == PHASE_SECOND) {
    pending += OperatorSymbol(m_state.m_chOp);
  }
  if (!m_state.m_strEntry.empty()) {
    if (m_state.m_bNegative) {
      pending += "(-" + RenderEntry() + ")";
    } else {
      pending += RenderEntry();
    }
  }
  return MakeTapeLine(std::move(pending));
}

void CalcEngine::RefreshTape() {
  const std::string& tape = m_state.m_strTape;
  // Hand the view whole lines only: back up to the start of the line that
  // holds the first changed byte.
  std::size_t keep = std::min(m_nTapeShown, tape.size());
  if (keep > 0) {
    const std::size_t lineFeed = tape.rfind('\n', keep - 1);
    keep = lineFeed == std::string::npos ? 0 : lineFeed + 1;
  }
  const std::string pending = PendingLine();
  m_view.UpdateTape(TapeUpdate{tape, keep, pending});
  m_nTapeShown = tape.size();
}

void CalcEngine::OnEntryKey(int code) {
  CalcState& s = m_state;
  std::string& entry = s.m_strEntry;

  if (s.m_nPhase == PHASE_FIRST && entry.empty()) {
    // First key after equals: a new calculation begins.
    std::string banner(kLineBreak);
    banner += kNewInputBanner;
    banner += kLineBreak;
    banner += kLineBreak;
    AppendTape(banner);
    s.m_chOp = 0;
    s.m_chPrevOp = 0;
    s.m_dAccum = 0.0;
    s.m_dOperand = 0.0;
  }

  if (code == kEntryPoint) {
    if (entry.find('.') == std::string::npos && entry.size() <= kEntryLimit) {
      if (entry.empty()) {
        entry = "0";
      }
      entry += '.';
    }
  } else if (code == kEntrySign) {
    s.m_bNegative = s.m_bNegative ? 0 : 1;
  } else if (code == kEntryBackspace) {
    if (!entry.empty()) {
      entry.pop_back();
      if (!entry.empty() && entry.back() == '.') {
        entry.pop_back();
      }
      if (entry.empty()) {
        entry = "0";
      }
    }
  } else if (code == kEntryDoubleZero) {
    if (entry.size() <= kEntryLimit) {
      if (entry == "0" || entry.empty()) {
        entry = "0";
      } else {
        entry += "00";
      }
    }
  } else if (code >= 0 && code <= 9) {
    if (entry.size() <= kEntryLimit) {
      if (entry == "0") {
        entry.clear();
      }
      entry += static_cast<char>('0' + code);
    }
  }

  std::string display = RenderEntry();
  if (s.m_bNegative) {
    display.insert(0, 1, '-');
  }
  m_view.SetDisplayText(display);
  RefreshTape();
}

void CalcEngine::OnClearEntry() {
  m_state.m_bNegative = 0;
  m_view.SetDisplayText("0");
  if (!m_state.m_strEntry.empty()) {
    m_state.m_strEntry = "0";
  }
  RefreshTape();
}

void CalcEngine::OnClearAll() {
  CutTape(0);             // a watcher takes the tape over
  m_state = CalcState{};  // the start values: entry "0", first phase, empty tape
  m_nTapeShown = 0;
  m_view.ClearTape();
  m_view.SetDisplayText("0");
}

void CalcEngine::OnOperator(char op) {
  CalcState& s = m_state;
  if (s.m_nPhase == PHASE_SECOND && !s.m_strEntry.empty()) {
    s.m_dOperand = EntryValue();  // the sign flag is cleared by Evaluate
    Evaluate();
  } else if (s.m_nPhase == PHASE_FIRST && !s.m_strEntry.empty()) {
    s.m_dAccum = EntryValue();
    s.m_bNegative = 0;
    AppendTape(MakeTapeLine(FormatNumber(s.m_dAccum)));
  }

  s.m_strEntry.clear();
  s.m_nPhase = PHASE_SECOND;
  s.m_chOp = op;
  switch (op) {
    case '*': s.m_dOperand = s.m_dAccum; break;
    case '/': s.m_dOperand = 1.0; break;
    default: s.m_dOperand = 0.0; break;
  }
  RefreshTape();
}

void CalcEngine::OnEquals() {
  CalcState& s = m_state;
  if (!s.m_strEntry.empty()) {
    if (s.m_nPhase == PHASE_FIRST) {
      s.m_dAccum = EntryValue();
    } else {
      s.m_dOperand = EntryValue();
    }
  }
  Evaluate();
  s.m_nPhase = PHASE_FIRST;
  s.m_strEntry.clear();
  RefreshTape();
}

void CalcEngine::Evaluate() {
  CalcState& s = m_state;
  std::string line;
  switch (s.m_chOp) {
    case '+':
      s.m_dAccum += s.m_dOperand;
      break;
    case '-':
      s.m_dAccum -= s.m_dOperand;
      break;
    case '*':
      s.m_dAccum *= s.m_dOperand;
      break;
    case '/':
      // NaN compares unequal to everything, so test for "not a usable divisor"
      // with the ordered comparisons: a NaN operand is refused like zero.
      if (!(s.m_dOperand < 0.0 || s.m_dOperand > 0.0)) {
        std::string message(kLineBreak);
        message += MakeTapeLine(std::string(kDivideByZeroText));
        AppendTape(message);
        return;
      }
      s.m_dAccum /= s.m_dOperand;
      break;
    default:
      // Equals on a bare number: rule and the number itself.
      AppendTape(MakeTapeLine(std::string(kRuleText)) + MakeTapeLine(FormatNumber(s.m_dAccum)));
      return;
  }

  line += OperatorSymbol(s.m_chOp);
  if (s.m_dOperand >= 0) {
    line += FormatNumber(s.m_dOperand);
  } else {
    line += "(" + FormatNumber(s.m_dOperand) + ")";
  }
  s.m_bNegative = 0;

  const auto isAddSub = [](char op) { return op == '+' || op == '-'; };
  if (isAddSub(s.m_chPrevOp) && isAddSub(s.m_chOp)) {
    // Fold the run: take back the previous rule and total so the addends
    // stand in one column over a single rule.
    for (int cut = 0; cut < 3; ++cut) {
      const std::size_t lineFeed = s.m_strTape.rfind('\n');
      if (lineFeed != std::string::npos) {
        CutTape(cut < 2 ? lineFeed : lineFeed + 1);
      }
    }
  }

  s.m_chPrevOp = s.m_chOp;
  const std::string total = FormatNumber(s.m_dAccum);
  AppendTape(MakeTapeLine(std::move(line)) + MakeTapeLine(std::string(kRuleText)) +
             MakeTapeLine(total));
  m_view.SetDisplayText(total);
}

}  // namespace varuno
