// What the keypad tests expect of the compiled pictures: every bitmap
// resource with its logical size, and the pixels of a compiled picture.
#pragma once

#include <QColor>
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

// Whether every pixel of a 32-bit picture is fully opaque, as the 24-bit
// colours of a bitmap must come out.
inline bool IsOpaque(const QImage& image) {
  for (int y = 0; y < image.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      if (qAlpha(row[x]) != 255) {
        return false;
      }
    }
  }
  return true;
}

// A compiled picture as plain 32-bit pixels, for comparing with a grab.
inline QImage ArtImage(int resourceId, int scale) {
  QImage image = ReadRawPicture(ArtResourcePath(resourceId, scale));
  image.setDevicePixelRatio(1.0);
  return image.convertToFormat(QImage::Format_RGB32);
}

}  // namespace varuno::test
