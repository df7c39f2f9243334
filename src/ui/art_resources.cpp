#include "art_resources.h"

#include <QSize>

namespace varuno {

QString ArtResourcePath(int resourceId, int scale) {
  QString path = QStringLiteral(":/varuno/art/") + QString::number(resourceId);
  if (scale > 1) {
    path += QStringLiteral("@") + QString::number(scale) + QStringLiteral("x");
  }
  return path + QStringLiteral(".bmp");
}

QPixmap LoadArtPixmap(int resourceId, qreal devicePixelRatio) {
  if (devicePixelRatio > 1.0) {
    QPixmap sharp(ArtResourcePath(resourceId, 2));
    if (!sharp.isNull()) {
      sharp.setDevicePixelRatio(2.0);
      return sharp;
    }
  }
  return QPixmap(ArtResourcePath(resourceId, 1));
}

QIcon ApplicationIcon() {
  QIcon icon;
  for (const int size : {16, 32, 48}) {
    icon.addFile(QStringLiteral(":/varuno/art/icon-%1.png").arg(size), QSize(size, size));
  }
  return icon;
}

}  // namespace varuno
