// What the history of actions costs: a key and its undo, and C and its undo,
// on tapes of 10 and 1,000,000 lines, which should cost about the same; and
// the heap the history of 1,000 keys takes beside a 100,000-line tape.
#include <benchmark/benchmark.h>

#include <malloc.h>

#include <cstddef>
#include <cstdint>
#include <memory>

#include "dispatch/calculator.h"
#include "engine/text_view.h"

namespace varuno {
namespace {

// The calculator on its in-memory view, with a tape of `lines` committed
// lines from a run of additions (each adds one line: the fold takes back the
// previous rule and total) and an addition pending with an empty entry.
struct Session {
  TextView view;
  Calculator calculator{view};

  explicit Session(std::int64_t lines) {
    Click(IDC_BTN_1);
    Click(IDC_BTN_ADD);
    for (std::int64_t n = 1; n < lines - 2; ++n) {
      Click(IDC_BTN_1);
      Click(IDC_BTN_ADD);
    }
  }
  void Click(ControlId id) { calculator.Dispatch(BN_CLICKED, id); }
};

// A digit key and its undo.
void BM_DigitThenUndo(benchmark::State& state) {
  Session session(state.range(0));
  state.counters["tape_bytes"] = static_cast<double>(session.calculator.Engine().State().m_strTape.size());
  for (auto _ : state) {
    session.Click(IDC_BTN_7);
    session.calculator.Undo();
  }
  state.SetItemsProcessed(state.iterations());
}

// An operator key that evaluates (it takes back the last rule and total and
// commits three lines) and its undo.
void BM_OperatorThenUndo(benchmark::State& state) {
  Session session(state.range(0));
  session.Click(IDC_BTN_1);
  for (auto _ : state) {
    session.Click(IDC_BTN_ADD);
    session.calculator.Undo();
  }
  state.SetItemsProcessed(state.iterations());
}

// C, which hands the whole tape to the history, and its undo, which gives
// it back to the engine and the view.
void BM_ResetThenUndo(benchmark::State& state) {
  Session session(state.range(0));
  for (auto _ : state) {
    session.Click(IDC_BTN_C);
    session.calculator.Undo();
  }
  state.SetItemsProcessed(state.iterations());
}

std::size_t HeapInUse() { return mallinfo2().uordblks; }

// The same 1,000 keys (digits and evaluating operators) on a
// 100,000-line tape, run by the engine alone and by the
// calculator with its history: the difference is what the history holds.
void BM_HistoryMemory(benchmark::State& state) {
  constexpr std::int64_t kLines = 100'000;
  constexpr int kKeys = 1'000;
  const ControlId keys[] = {IDC_BTN_1, IDC_BTN_2, IDC_BTN_ADD};
  for (auto _ : state) {
    const std::size_t start = HeapInUse();
    std::size_t without = 0;
    {
      auto view = std::make_unique<TextView>();
      auto engine = std::make_unique<CalcEngine>(*view);
      engine->OnEntryKey(1);
      engine->OnOperator('+');
      for (std::int64_t n = 1; n < kLines - 2; ++n) {
        engine->OnEntryKey(1);
        engine->OnOperator('+');
      }
      for (int key = 0; key < kKeys; ++key) {
        const ControlId id = keys[key % 3];
        if (id == IDC_BTN_ADD) {
          engine->OnOperator('+');
        } else {
          engine->OnEntryKey(id == IDC_BTN_1 ? 1 : 2);
        }
      }
      without = HeapInUse() - start;
    }
    std::size_t with = 0;
    {
      auto session = std::make_unique<Session>(kLines);
      for (int key = 0; key < kKeys; ++key) {
        session->Click(keys[key % 3]);
      }
      with = HeapInUse() - start;
    }
    const double history = static_cast<double>(with) - static_cast<double>(without);
    state.counters["calculator_bytes"] = static_cast<double>(without);
    state.counters["history_bytes"] = history;
    state.counters["bytes_per_step"] = history / static_cast<double>(ActionHistory::kSteps);
    state.counters["history_percent"] = 100.0 * history / static_cast<double>(without);
  }
}

BENCHMARK(BM_DigitThenUndo)->Arg(10)->Arg(1'000'000);
BENCHMARK(BM_OperatorThenUndo)->Arg(10)->Arg(1'000'000);
BENCHMARK(BM_ResetThenUndo)->Arg(10)->Arg(1'000'000);
BENCHMARK(BM_HistoryMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace varuno
