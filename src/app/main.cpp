// The calculator program. It reads no command line of its own: Qt's standard
// options are taken by the application object, and the only other arguments
// are developer aids (a screenshot, the start-up benchmark's early exit).
#include <cstdio>

#include "app/ccalc_app.h"
#include "ui/ccalc_dlg.h"
#include "app/dev_options.h"
#include "app/screenshot.h"

int main(int argc, char* argv[]) {
  varuno::CCalcApp app(argc, argv);

  const varuno::DevOptions options = varuno::ParseDevOptions(varuno::CCalcApp::arguments());
  if (!options.error.isEmpty()) {
    std::fprintf(stderr, "varunocalc: %s\n", options.error.toLocal8Bit().constData());
    return 2;
  }

  bool saved = true;
  if (!options.screenshotFile.isEmpty()) {
    app.SetStartupHook([&](varuno::CCalcDlg& calculator) {
      varuno::TakeScreenshotWhenPainted(calculator, app, options.screenshotFile, options.screenshotWithAbout,
                                        &saved);
    });
  } else if (options.exitAfterPaint) {
    app.SetStartupHook([](varuno::CCalcDlg& calculator) { varuno::ReportAndCloseWhenPainted(calculator); });
  }

  app.InitInstance();
  if (!saved) {
    std::fprintf(stderr, "varunocalc: the screenshot could not be saved\n");
    return 1;
  }
  return 0;
}
