// The calculator program. Its command line is read before anything connects
// to the window system, so --help, --version and a mistyped option answer
// without a display and open no window; Qt's standard options are then taken
// by the application object, and the developer aids (a screenshot, the
// start-up benchmark's early exit) are set up.
#include <cstdio>
#include <future>
#include <memory>

#include <QStringList>

#include "app/ccalc_app.h"
#include "app/command_line.h"
#include "app/screenshot.h"
#include "app/startup_messages.h"
#include "ui/ccalc_dlg.h"
#include "ui/ui_fonts.h"

namespace {

// Writes the help or version text; a text that cannot be written (a full
// disk, a closed pipe) is a failure, not a success.
int PrintAndExit(const QString& text) {
  std::fputs(text.toUtf8().constData(), stdout);
  if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0) {
    std::perror("varunocalc: cannot write the output");
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) {
    arguments << QString::fromLocal8Bit(argv[i]);
  }
  const varuno::CommandLine options = varuno::ParseCommandLine(arguments);
  if (options.showHelp) {
    return PrintAndExit(varuno::UsageText());
  }
  if (options.showVersion) {
    return PrintAndExit(varuno::VersionLine() + QLatin1Char('\n'));
  }
  if (!options.error.isEmpty()) {
    std::fprintf(stderr, "varunocalc: %s\nTry 'varunocalc --help' for more information.\n",
                 options.error.toLocal8Bit().constData());
    return 2;
  }

  // Reading the font configuration is the longest single step before the
  // first paint; it overlaps connecting to the window system.
  const std::future<void> fontConfiguration = varuno::StartReadingFontConfiguration();
  auto startup = std::make_unique<varuno::StartupMessages>();
  varuno::CCalcApp app(argc, argv);
  startup.reset();

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
