#include "ui/art_resources.h"

#include <QByteArray>
#include <QImage>
#include <QResource>

#include <cstdint>
#include <cstring>
#include <memory>
#include <utility>

#include "layout/raw_picture.h"

namespace varuno {

QString ArtResourcePath(int resourceId, int scale) {
  QString path = QStringLiteral(":/varuno/art/") + QString::number(resourceId);
  if (scale > 1) {
    path += QStringLiteral("@") + QString::number(scale) + QStringLiteral("x");
  }
  return path + QStringLiteral(".raw");
}

namespace {

// No compiled picture is wider or taller than this.
constexpr std::uint32_t kMaxSide = 4096;

}  // namespace

QImage ReadRawPicture(const QString& path) {
  const QResource resource(path);
  if (!resource.isValid()) {
    return {};
  }
  // The image keeps the decompressed bytes and points into them; a
  // compressed resource decompresses into a buffer of its own, so the
  // pixels are not copied again.
  auto bytes = std::make_unique<QByteArray>(resource.uncompressedData());
  RawPictureHeader header{};
  if (static_cast<std::size_t>(bytes->size()) >= sizeof header) {
    std::memcpy(&header, bytes->constData(), sizeof header);
  }
  const qsizetype rowBytes = static_cast<qsizetype>(header.width) * kRawPictureBytesPerPixel;
  const bool valid = std::memcmp(header.magic, kRawPictureMagic, sizeof header.magic) == 0 &&
                     (header.alpha == kRawPictureOpaque || header.alpha == kRawPicturePremultiplied) &&
                     header.width > 0 && header.height > 0 && header.width <= kMaxSide && header.height <= kMaxSide &&
                     bytes->size() == static_cast<qsizetype>(sizeof header) + rowBytes * header.height;
  if (!valid) {
    return {};
  }
  uchar* pixels = reinterpret_cast<uchar*>(bytes->data()) + sizeof header;
  return QImage(
      pixels, static_cast<int>(header.width), static_cast<int>(header.height), rowBytes,
      header.alpha == kRawPicturePremultiplied ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32,
      [](void* owner) { delete static_cast<QByteArray*>(owner); }, bytes.release());
}

QPixmap LoadArtPicture(int resourceId, int scale) {
  QImage image = ReadRawPicture(ArtResourcePath(resourceId, scale));
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
    QImage image = ReadRawPicture(QStringLiteral(":/varuno/art/icon-%1.raw").arg(size));
    if (!image.isNull()) {
      icon.addPixmap(QPixmap::fromImage(std::move(image)));
    }
  }
  return icon;
}

}  // namespace varuno
