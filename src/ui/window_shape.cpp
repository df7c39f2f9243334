#include "ui/window_shape.h"

#include <QRect>

#include <algorithm>
#include <cmath>

namespace varuno {

namespace {

// How many pixels the corner takes off a row that lies `fromEdge` rows from
// the nearest top or bottom edge: those whose centres lie outside the
// corner ellipse.
int CornerCut(int fromEdge, double radius) {
  const double dy = radius - (fromEdge + 0.5);
  if (dy <= 0.0) {
    return 0;
  }
  const double half = radius * std::sqrt(std::max(0.0, 1.0 - (dy / radius) * (dy / radius)));
  return std::max(0, static_cast<int>(std::ceil(radius - half - 0.5)));
}

}  // namespace

QRegion RoundedWindowRegion(int width, int height, int ellipse) {
  const double radius = ellipse / 2.0;
  // Rows are cut alike at both ends and in the top and bottom corners, so
  // the four corners are mirror images of one another.
  QRegion region;
  int runFrom = 0;
  int runCut = -1;
  for (int y = 0; y <= height; ++y) {
    const int cut = y < height ? std::min(CornerCut(std::min(y, height - 1 - y), radius), width / 2) : -2;
    if (cut == runCut) {
      continue;
    }
    if (runCut >= 0 && width - 2 * runCut > 0) {
      region += QRect(runCut, runFrom, width - 2 * runCut, y - runFrom);
    }
    runFrom = y;
    runCut = cut;
  }
  return region;
}

}  // namespace varuno
