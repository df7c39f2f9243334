#include "ui/art_resources.h"

#include <QByteArray>
#include <QImage>
#include <QImageReader>

#include <utility>

namespace varuno {

QString ArtResourcePath(int resourceId, int scale) {
  QString path = QStringLiteral(":/varuno/art/") + QString::number(resourceId);
  if (scale > 1) {
    path += QStringLiteral("@") + QString::number(scale) + QStringLiteral("x");
  }
  return path + QStringLiteral(".bmp");
}

namespace {

// Every picture is one Qt decodes itself: naming the format and turning off
// detection keeps the reader from loading each image format plugin to ask
// whether it knows the data better.
QImage ReadBuiltInFormat(const QString& path, const QByteArray& format) {
  QImageReader reader(path, format);
  reader.setAutoDetectImageFormat(false);
  return reader.read();
}

}  // namespace

QPixmap LoadArtPicture(int resourceId, int scale) {
  QImage image = ReadBuiltInFormat(ArtResourcePath(resourceId, scale), QByteArrayLiteral("bmp"));
  if (image.isNull()) {
    return {};
  }
  image.setDevicePixelRatio(scale);
  return QPixmap::fromImage(std::move(image));
}

QPixmap LoadArtPixmap(int resourceId, qreal devicePixelRatio) {
  if (devicePixelRatio > 1.0) {
    QPixmap sharp = LoadArtPicture(resourceId, 2);
    if (!sharp.isNull()) {
      return sharp;
    }
  }
  return LoadArtPicture(resourceId, 1);
}

QIcon ApplicationIcon() {
  QIcon icon;
  for (const int size : {16, 32, 48}) {
    const QImage image =
        ReadBuiltInFormat(QStringLiteral(":/varuno/art/icon-%1.png").arg(size), QByteArrayLiteral("png"));
    if (!image.isNull()) {
      icon.addPixmap(QPixmap::fromImage(image));
    }
  }
  return icon;
}

}  // namespace varuno
