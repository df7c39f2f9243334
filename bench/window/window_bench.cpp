// The cost of one key through the main window on tapes of 10 and 100,000
// lines: the command table, the engine, the display and the tape view, with
// the layout and painting it causes. The tape view updates incrementally, so
// the long tape should cost about what the short one does.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLocale>
#include <QTextDocument>

#include <memory>

#include "ui/ccalc_dlg.h"
#include "dispatch/control_ids.h"
#include "ui/platform/null_keyboard_state.h"
#include "ui/shell_services.h"
#include "ui/tape_view.h"

namespace {

using varuno::BN_CLICKED;
using varuno::CCalcDlg;

class QuietShell final : public varuno::ShellServices {
 public:
  void ShowAbout(QWidget*) override {}
  void OpenHomepage(const QString&) override {}
  QString HomepageAddress() const override { return QStringLiteral("https://www.example.kr"); }
};

void Click(CCalcDlg& window, varuno::ControlId id) { window.OnCommand(BN_CLICKED, id); }

// "1 +" commits one operand line each time after the first.
void FillTape(CCalcDlg& window, int lines) {
  window.show();
  QCoreApplication::processEvents();
  while (window.Tape().document()->blockCount() < lines) {
    Click(window, varuno::IDC_BTN_1);
    Click(window, varuno::IDC_BTN_ADD);
  }
  Click(window, varuno::IDC_BTN_1);
  QCoreApplication::processEvents();
}

void BM_KeyOnTape(benchmark::State& state) {
  QuietShell shell;
  varuno::NullKeyboardState keyboard;
  CCalcDlg window(shell, keyboard);
  FillTape(window, static_cast<int>(state.range(0)));

  // A digit and a backspace: the pending line changes twice, the entry
  // stays short, and the window repaints after each key.
  for (auto _ : state) {
    Click(window, varuno::IDC_BTN_7);
    QCoreApplication::processEvents();
    Click(window, varuno::IDC_BTN_BACK);
    QCoreApplication::processEvents();
  }
  state.SetItemsProcessed(state.iterations() * 2);
  state.counters["lines"] = window.Tape().document()->blockCount();
}

// C and its undo: the tape view hands its document to the history and
// takes it back, so the long tape is not inserted again (Qt still recounts
// the lines of every block when a document is set).
void BM_ResetThenUndoOnTape(benchmark::State& state) {
  QuietShell shell;
  varuno::NullKeyboardState keyboard;
  CCalcDlg window(shell, keyboard);
  FillTape(window, static_cast<int>(state.range(0)));
  for (auto _ : state) {
    Click(window, varuno::IDC_BTN_C);
    QCoreApplication::processEvents();
    window.OnUndo();
    QCoreApplication::processEvents();
  }
  state.SetItemsProcessed(state.iterations() * 2);
  state.counters["lines"] = window.Tape().document()->blockCount();
}

BENCHMARK(BM_KeyOnTape)->Arg(10)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ResetThenUndoOnTape)->Arg(10)->Arg(100000)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QLocale::setDefault(QLocale::c());
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
    return 1;
  }
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
