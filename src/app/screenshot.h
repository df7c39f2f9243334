// Developer aids run inside the real program: a picture of the calculator
// (optionally with the About box open over it) saved once it has painted,
// and the start-up report for the benchmark. Both close the calculator when
// done, which ends the program.
#pragma once

#include <QString>

namespace varuno {

class CCalcDlg;
class ShellServices;

// Once `calculator` has painted, saves a picture of it to `file` (with the
// About box over it when `withAbout`), then closes it. `*saved` tells
// whether the file was written.
void TakeScreenshotWhenPainted(CCalcDlg& calculator, ShellServices& shell, const QString& file,
                               bool withAbout, bool* saved);

// Once `calculator` has painted, prints the start-up report and closes it.
void ReportAndCloseWhenPainted(CCalcDlg& calculator);

}  // namespace varuno
