// The outline of the main window: a rounded rectangle whose four corners are
// cut alike, as the window system of the original design cuts a window to
// a round rectangle one pixel larger than the window each way (its regions
// leave out their right and bottom edges).
#pragma once

#include <QRegion>

namespace varuno {

// The region of a width x height window with rounded corners: a pixel is in
// it when its centre lies inside the round rectangle (0, 0)-(width, height)
// with a corner ellipse of ellipse x ellipse pixels.
QRegion RoundedWindowRegion(int width, int height, int ellipse);

}  // namespace varuno
