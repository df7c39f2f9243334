// The fonts of the main window. The faces the window was designed for are
// not found on Linux, so stand-ins are compiled into the program and
// registered with the font database the first time a font is asked for;
// alignment on the tape never depends on what fonts a user has installed.
#pragma once

#include <QFont>

namespace varuno {

// Families of the bundled fonts.
inline constexpr char kTapeFontFamily[] = "NanumGothicCoding";
inline constexpr char kDisplayFontFamily[] = "NanumGothic";

// The template font: fixed pitch, 9 pt at 96 dpi (12 px), with every Hangul,
// full-width and box-drawing character exactly two ASCII columns wide.
// Used by the tape and the memory list.
QFont TemplateFont();
// The display font: bold, 16 px cell height (ascent plus descent).
QFont DisplayFont();

// Registers the bundled fonts once per application; later calls do nothing.
// Returns whether both families are available. After
// StartLoadingBundledFonts it waits for that work instead of repeating it.
bool EnsureBundledFonts();

// Starts registering the bundled fonts on a worker thread, so that reading
// the system's font configuration overlaps building the window. Call on the
// main thread once the application object exists; does nothing without one
// or when the fonts are loaded or loading already.
void StartLoadingBundledFonts();

}  // namespace varuno
