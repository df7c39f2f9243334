// Prints the tape: its lines in the tape's font, right-aligned in one
// column, under a heading with the program's name and the time of printing,
// with page numbers when the tape runs over a page.
#pragma once

#include <QDateTime>
#include <QFont>
#include <QStringList>

#include <string_view>

class QPrinter;
class QWidget;

namespace varuno {

// The lines of the tape text (CR LF between lines) as they are printed:
// without their padding, trailing blank lines dropped.
QStringList TapePrintLines(std::string_view tapeText);

// Gives a printer the tape's document name and page margins; the print
// dialog may change them.
void PreparePrinter(QPrinter& printer);

// The tape's font at its printed size.
QFont TapePrintFont();

// Prints the tape in `font` on the printer's pages; returns the number of
// pages, 0 when nothing was printed: the printer could not be opened, or its
// output file could not be written whole (then no partial file is left).
int PrintTapeOn(QPrinter& printer, std::string_view tapeText, const QDateTime& printedAt,
                const QFont& font = TapePrintFont());

// Opens the platform's print dialog over `parent` and prints the tape if the
// user accepts it. Where the dialog offers printing to a file, the file is
// the one the user chooses there. A print that fails says so in a message box.
void PrintTapeWithDialog(QWidget* parent, std::string_view tapeText);

}  // namespace varuno
