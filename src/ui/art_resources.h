// The generated pictures compiled into the program: every bitmap resource as
// :/varuno/art/<id>.raw (1x) and :/varuno/art/<id>@2x.raw (2x), raw pixels
// (layout/raw_picture.h), and the application icon, the same way, as
// :/varuno/art/icon-<size>.raw.
#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>

namespace varuno {

inline constexpr int kSkinBitmapId = 137;
inline constexpr int kIconGroupId = 128;

// The resource path of a bitmap at scale 1 or 2.
QString ArtResourcePath(int resourceId, int scale);
// The picture stored at `path` as 32-bit pixels (QImage::Format_RGB32, or
// Format_ARGB32_Premultiplied for one with alpha); null if it is missing or
// not a raw picture.
QImage ReadRawPicture(const QString& path);
// The bitmap at exactly scale 1 or 2, marked with that device pixel ratio;
// null if missing.
QPixmap LoadArtPicture(int resourceId, int scale);
// A bitmap for a screen of the given device pixel ratio: the 2x picture
// (marked with ratio 2) above ratio 1, else the 1x one. Null if missing.
QPixmap LoadArtPixmap(int resourceId, qreal devicePixelRatio);
// The application icon (icon group 128) at 16, 32 and 48 pixels.
QIcon ApplicationIcon();

}  // namespace varuno
