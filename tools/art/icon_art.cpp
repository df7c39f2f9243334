// Draws the application icon at the sizes the window system and the icon
// theme ask for.
#include <QImage>
#include <QPainter>

#include "art_picture.h"
#include "logo_painter.h"

namespace varuno::art {

void DrawIconArt(ArtList& out) {
  for (const int size : kIconSizes) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    PaintLogo(painter, QRectF(0, 0, size, size));
    painter.end();
    out.push_back({size, image.convertToFormat(QImage::Format_ARGB32)});
  }
}

}  // namespace varuno::art
