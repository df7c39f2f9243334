// The outline of the main window: a rounded rectangle as the window system
// of the original design draws it for a rectangle one pixel larger than the
// window each way, clipped to the window.
#pragma once

#include <QRegion>

namespace varuno {

// The region of a round rectangle (0, 0)-(width + 1, height + 1) with a
// corner ellipse of ellipse x ellipse pixels, clipped to width x height.
QRegion RoundedWindowRegion(int width, int height, int ellipse);

}  // namespace varuno
