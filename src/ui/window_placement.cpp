#include "ui/window_placement.h"

namespace varuno {

QPoint OpeningPosition(const QRect& area, const QSize& size) {
  const int x = size.width() <= area.width() ? area.x() + (area.width() - size.width()) / 2
                                             : area.x() + area.width() - size.width();
  const int y = size.height() <= area.height() ? area.y() + (area.height() - size.height()) / 2 : area.y();
  return {x, y};
}

}  // namespace varuno
