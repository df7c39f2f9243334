// The developer aids the program accepts on its command line. The calculator
// itself reads no command line; Qt's own options are taken out by
// QApplication before these are looked at.
#pragma once

#include <QString>
#include <QStringList>

namespace varuno {

struct DevOptions {
  QString screenshotFile;           // --screenshot FILE or --screenshot-about FILE
  bool screenshotWithAbout = false;  // --screenshot-about: the About box over the window
  bool exitAfterPaint = false;       // --bench-exit-after-paint: report and exit after the first paint
  QString error;                     // a usage error; nothing else is valid when set
};

// Reads the developer options from the arguments (the program name first).
// Arguments it does not know are ignored.
DevOptions ParseDevOptions(const QStringList& arguments);

}  // namespace varuno
