// The program's command line. The calculator itself needs none; it answers
// --help and --version as Linux programs do, takes the developer aids, lets
// Qt's standard options through to the application object, and refuses
// anything else before a window is opened.
#pragma once

#include <QString>
#include <QStringList>

namespace varuno {

struct CommandLine {
  bool showHelp = false;             // --help: print the usage and exit
  bool showVersion = false;          // --version: print the version and exit
  QString screenshotFile;            // --screenshot FILE or --screenshot-about FILE
  bool screenshotWithAbout = false;  // --screenshot-about: the About box over the window
  bool exitAfterPaint = false;       // --bench-exit-after-paint: report and exit after the first paint
  QString error;                     // a usage error; nothing else is valid when set
};

// Reads the arguments (the program name first), as given to main(): Qt's
// standard options (-platform, -display, -style and the others QApplication
// takes, with one or two dashes) and their values are skipped. --help or
// --version anywhere wins over everything else, errors included.
CommandLine ParseCommandLine(const QStringList& arguments);

// The text --help prints, and the line --version prints.
QString UsageText();
QString VersionLine();

}  // namespace varuno
