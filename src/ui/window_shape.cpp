#include "ui/window_shape.h"

#include <QRect>

#include <algorithm>
#include <cmath>

namespace varuno {

QRegion RoundedWindowRegion(int width, int height, int ellipse) {
  const double outerWidth = width + 1.0;
  const double outerHeight = height + 1.0;
  const double radius = ellipse / 2.0;
  // A pixel belongs to the region when its centre lies inside the outline.
  QRegion region;
  int fullFrom = -1;
  for (int y = 0; y < height; ++y) {
    const double centreY = y + 0.5;
    double dy = 0.0;
    if (centreY < radius) {
      dy = radius - centreY;
    } else if (centreY > outerHeight - radius) {
      dy = centreY - (outerHeight - radius);
    }
    if (dy == 0.0) {
      if (fullFrom < 0) {
        fullFrom = y;
      }
      continue;
    }
    if (fullFrom >= 0) {
      region += QRect(0, fullFrom, width, y - fullFrom);
      fullFrom = -1;
    }
    if (dy >= radius) {
      continue;
    }
    const double half = radius * std::sqrt(1.0 - (dy / radius) * (dy / radius));
    const int left = std::max(0, static_cast<int>(std::ceil(radius - half - 0.5)));
    const int right = std::min(width, static_cast<int>(std::floor(outerWidth - radius + half - 0.5)) + 1);
    if (right > left) {
      region += QRect(left, y, right - left, 1);
    }
  }
  if (fullFrom >= 0) {
    region += QRect(0, fullFrom, width, height - fullFrom);
  }
  return region;
}

}  // namespace varuno
