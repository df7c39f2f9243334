// The cost of one key on tapes of different lengths, through the in-memory
// view that applies the engine's tape updates as the window's tape does.
// A key should cost about the same on a long tape as on a short one; so
// should finding the tape's last result, which a screen reader hears each
// time the tape takes the focus.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "dispatch/spoken_result.h"
#include "engine/calc_engine.h"
#include "engine/text_view.h"

namespace varuno {
namespace {

// Brings the tape to `lines` committed lines with a run of additions, each
// of which adds one line (the fold takes back the previous rule and total),
// and leaves an addition pending with an empty entry.
void BuildTape(CalcEngine& engine, std::int64_t lines) {
  engine.OnClearAll();
  engine.OnEntryKey(1);
  engine.OnOperator('+');  // "1" and the pending "+"
  engine.OnEntryKey(1);
  engine.OnOperator('+');  // "+1", rule and total: 4 lines
  for (std::int64_t n = 4; n < lines; ++n) {
    engine.OnEntryKey(1);
    engine.OnOperator('+');
  }
}

std::int64_t LineCount(const CalcEngine& engine) {
  std::int64_t lines = 0;
  for (const char ch : engine.State().m_strTape) {
    lines += ch == '\n' ? 1 : 0;
  }
  return lines;
}

// A digit key: the entry grows, the display and the pending line change,
// the committed tape does not. When the entry is full, CE empties it (also
// a key, and counted).
void BM_DigitKey(benchmark::State& state) {
  TextView view;
  CalcEngine engine(view);
  BuildTape(engine, state.range(0));
  state.counters["tape_lines"] = static_cast<double>(LineCount(engine));
  std::int64_t keys = 0;
  int digit = 1;
  for (auto _ : state) {
    if (engine.State().m_strEntry.size() > kEntryLimit) {
      engine.OnClearEntry();
      ++keys;
    }
    engine.OnEntryKey(digit);
    digit = digit == 9 ? 1 : digit + 1;
    ++keys;
  }
  benchmark::DoNotOptimize(view.DisplayText());
  state.SetItemsProcessed(keys);
}

// An operator key that evaluates the pending addition: it takes back the
// last rule and total and commits the operator line, a rule and the total.
// Each iteration is the operand digit and the operator, so the tape grows a
// line per iteration; it is rebuilt (untimed) before it has grown by a
// tenth, so every key runs on a tape of about the stated length.
void BM_DigitThenOperator(benchmark::State& state) {
  TextView view;
  CalcEngine engine(view);
  const std::int64_t lines = state.range(0);
  const std::int64_t slack = lines / 10 > 10 ? lines / 10 : 10;
  BuildTape(engine, lines);
  state.counters["tape_lines"] = static_cast<double>(LineCount(engine));
  std::int64_t grown = 0;
  for (auto _ : state) {
    if (grown == slack) {
      state.PauseTiming();
      BuildTape(engine, lines);
      grown = 0;
      state.ResumeTiming();
    }
    engine.OnEntryKey(1);
    engine.OnOperator('+');
    ++grown;
  }
  benchmark::DoNotOptimize(view.TapeText().size());
  state.SetItemsProcessed(state.iterations() * 2);
}

// The tape's last result, read from the committed tape.
void BM_TapeLastResult(benchmark::State& state) {
  TextView view;
  CalcEngine engine(view);
  BuildTape(engine, state.range(0));
  state.counters["tape_lines"] = static_cast<double>(LineCount(engine));
  for (auto _ : state) {
    benchmark::DoNotOptimize(TapeLastResult(engine.State().m_strTape));
  }
  state.SetItemsProcessed(state.iterations());
}

BENCHMARK(BM_DigitKey)->Arg(10)->Arg(10'000)->Arg(1'000'000);
BENCHMARK(BM_DigitThenOperator)->Arg(10)->Arg(10'000)->Arg(1'000'000);
BENCHMARK(BM_TapeLastResult)->Arg(10)->Arg(1'000'000);

}  // namespace
}  // namespace varuno
