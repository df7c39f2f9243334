// Draws the application icon at the sizes the window system asks for.
#include "art_picture.h"

#include <QPainter>

namespace varuno::art {

void DrawIconArt(ArtList& out) {
  for (const int size : {16, 32, 48}) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(240, 150, 40));
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(QRectF(0.5, 0.5, size - 1.0, size - 1.0), size / 5.0, size / 5.0);
    painter.end();
    out.push_back({size, image});
  }
}

}  // namespace varuno::art
