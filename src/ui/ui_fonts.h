// The fonts of the main window and the About box. The faces the window was
// designed for are not found on Linux, so stand-ins are compiled into the
// program (cut down to its characters) and registered with the font database
// the first time a font is asked for; alignment on the tape never depends on
// what fonts a user has installed. A build without bundled fonts
// (VARUNO_BUNDLED_FONTS 0) asks the system for the Nanum fonts instead.
#pragma once

#include <QFont>

#include <future>

#if !defined(VARUNO_TAPE_FONT_FAMILY) || !defined(VARUNO_GOTHIC_FONT_FAMILY) || !defined(VARUNO_BUNDLED_FONTS)
#error "the build names the font families (VARUNO_TAPE_FONT_FAMILY, VARUNO_GOTHIC_FONT_FAMILY, VARUNO_BUNDLED_FONTS)"
#endif

namespace varuno {

// The fixed-pitch family of the tape and the memory list, and the gothic
// family (regular and bold) of the display and the About box.
inline constexpr char kTapeFontFamily[] = VARUNO_TAPE_FONT_FAMILY;
inline constexpr char kDisplayFontFamily[] = VARUNO_GOTHIC_FONT_FAMILY;
inline constexpr bool kFontsAreBundled = VARUNO_BUNDLED_FONTS != 0;

// The template font: fixed pitch, 9 pt at 96 dpi (12 px), with every Hangul,
// full-width and box-drawing character exactly two ASCII columns wide.
// Used by the tape and the memory list.
QFont TemplateFont();
// The display font: bold, 16 px cell height (ascent plus descent).
QFont DisplayFont();

// Registers the bundled fonts once per application; later calls do nothing.
// Returns whether both families are available (without bundled fonts:
// whether the system has them). After
// StartLoadingBundledFonts it waits for that work instead of repeating it.
bool EnsureBundledFonts();

// Starts reading the system's font configuration (fontconfig's files and
// caches) on a worker thread. Needs no application object, so it overlaps
// the connection to the window system; Qt's font database then finds the
// configuration read. Keep the future until the fonts are set up; its
// destructor waits for the worker.
std::future<void> StartReadingFontConfiguration();

// Starts registering the bundled fonts on a worker thread, so that the font
// database's set-up overlaps building the window. Call on the
// main thread once the application object exists; does nothing without one
// or when the fonts are loaded or loading already.
void StartLoadingBundledFonts();

}  // namespace varuno
