// Where the main window opens on the screen.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace varuno {

// The top-left corner of a window of `size` that opens on the work area
// `area` (the screen less its panels): centred on it where it fits. Where it
// is too tall its top edge, with the title buttons, stays on the area; where
// it is too wide its right edge, where the title buttons sit, does.
QPoint OpeningPosition(const QRect& area, const QSize& size);

}  // namespace varuno
