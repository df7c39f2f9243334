// Dialog units: positions and sizes of a dialog layout, measured in quarters
// of the dialog font's average character width and eighths of its height.
#pragma once

#include <QRect>

class QFont;

namespace varuno {

struct DialogBaseUnits {
  int cx = 0;  // average character width in pixels
  int cy = 0;  // character height in pixels
};

// The base units of a dialog in `font`, measured as the classic dialog
// manager does: the average width of the 52 Latin letters, rounded
// ((width / 26 + 1) / 2), and the font's full height.
DialogBaseUnits BaseUnitsOf(const QFont& font);

// a * b / c rounded to the nearest integer, halves away from zero; c != 0.
int MulDiv(int a, int b, int c);

// A rectangle in dialog units converted to pixels.
QRect UnitsToPixels(const QRect& units, DialogBaseUnits base);

}  // namespace varuno
