// What the keypad tests expect of the compiled pictures: every bitmap
// resource with its logical size, and a reader for a BMP file's bit depth.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QSize>
#include <QString>

#include <map>

#include "layout/picture_catalogue.h"
#include "ui/art_resources.h"

namespace varuno::test {

// Every bitmap resource of the picture catalogue, with its logical size.
inline std::map<int, QSize> ExpectedBitmaps() {
  std::map<int, QSize> sizes;
  for (const Picture& picture : kPictures) {
    sizes[picture.resourceId] = QSize(picture.width, picture.height);
  }
  return sizes;
}

// Bits per pixel from a BMP file's header, or 0 when it is not a BMP.
inline int BmpBitDepth(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    return 0;
  }
  const QByteArray head = file.read(30);
  if (head.size() < 30 || !head.startsWith("BM")) {
    return 0;
  }
  return static_cast<unsigned char>(head[28]) | (static_cast<unsigned char>(head[29]) << 8);
}

// A compiled picture as plain 32-bit pixels, for comparing with a grab.
inline QImage ArtImage(int resourceId, int scale) {
  QImage image(ArtResourcePath(resourceId, scale));
  image.setDevicePixelRatio(1.0);
  return image.convertToFormat(QImage::Format_RGB32);
}

}  // namespace varuno::test
