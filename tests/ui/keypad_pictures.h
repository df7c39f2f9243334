// What the keypad tests expect of the compiled pictures: every bitmap
// resource with its logical size, and a reader for a BMP file's bit depth.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QSize>
#include <QString>

#include <map>

#include "art_resources.h"

namespace varuno::test {

// Bitmap resources 137..194 without 146 and 159, with their sizes.
inline std::map<int, QSize> ExpectedBitmaps() {
  std::map<int, QSize> sizes;
  const auto add = [&sizes](std::initializer_list<int> ids, QSize size) {
    for (const int id : ids) {
      sizes[id] = size;
    }
  };
  add({137}, QSize(429, 491));
  add({138, 185}, QSize(67, 38));
  add({139, 140, 141, 142, 143, 144, 148, 149, 150, 151, 152, 153, 154, 155, 156, 157, 158, 160,
       167, 168, 169, 170, 171, 172, 173, 174, 175, 176, 177, 179, 180, 181, 182, 184, 186, 187},
      QSize(42, 38));
  add({145, 147, 178, 183}, QSize(44, 85));
  add({161, 162}, QSize(52, 21));
  add({163, 164}, QSize(47, 21));
  add({165, 166}, QSize(55, 21));
  add({188, 189, 190, 191, 192, 193}, QSize(13, 13));
  add({194}, QSize(37, 37));
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
