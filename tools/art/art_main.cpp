// varuno-art <outdir> <homepage-host>
//
// Draws the program's pictures and writes them into <outdir>: every bitmap
// as raw 24-bit colour pixels (layout/raw_picture.h), <id>.raw at 1x and
// <id>@2x.raw at 2x, and the icon as
// icon-<size>.png and, scalable, icon.svg, with the sizes the program shows
// also as icon-<size>.raw. Fails when a picture is missing its partner at the other
// scale or the two do not match in size, so broken art stops the build.
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <cstring>
#include <map>

#include "art_picture.h"
#include "layout/raw_picture.h"
#include "logo_painter.h"

namespace {

using varuno::art::ArtList;

// The drawing fonts are registered from their files, so the pictures do not
// depend on the fonts configured on the build machine.
void RegisterFonts() {
  const QStringList dirs = QString::fromLatin1(VARUNO_ART_FONT_DIRS).split(QLatin1Char(':'));
  for (const QString& dir : dirs) {
    for (const char* file : {"NanumGothic.ttf", "NanumGothicBold.ttf", "NanumGothicCoding.ttf"}) {
      const QString path = dir + QLatin1Char('/') + QLatin1String(file);
      if (QFile::exists(path)) {
        QFontDatabase::addApplicationFont(path);
      }
    }
  }
}

bool Fail(const QString& message) {
  std::fprintf(stderr, "varuno-art: %s\n", message.toLocal8Bit().constData());
  return false;
}

// Writes a picture in the layout the window loads without decoding: 32-bit
// pixels, from the `pixels` image in QImage::Format_RGB32 or
// QImage::Format_ARGB32_Premultiplied.
bool WriteRawPicture(const QImage& pixels, const QString& path) {
  varuno::RawPictureHeader header{};
  std::memcpy(header.magic, varuno::kRawPictureMagic, sizeof header.magic);
  header.alpha = pixels.format() == QImage::Format_ARGB32_Premultiplied ? varuno::kRawPicturePremultiplied
                                                                         : varuno::kRawPictureOpaque;
  header.width = static_cast<std::uint32_t>(pixels.width());
  header.height = static_cast<std::uint32_t>(pixels.height());
  const qsizetype rowBytes = static_cast<qsizetype>(header.width * varuno::kRawPictureBytesPerPixel);
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
      file.write(reinterpret_cast<const char*>(&header), sizeof header) != sizeof header) {
    return false;
  }
  for (int y = 0; y < pixels.height(); ++y) {
    if (file.write(reinterpret_cast<const char*>(pixels.constScanLine(y)), rowBytes) != rowBytes) {
      return false;
    }
  }
  return file.flush();
}

// A bitmap's 24-bit colours as opaque 32-bit pixels.
QImage OpaquePixels(const QImage& picture) {
  return picture.convertToFormat(QImage::Format_RGB888).convertToFormat(QImage::Format_RGB32);
}

bool WriteBitmaps(const QDir& out, const ArtList& base, const ArtList& sharp) {
  std::map<int, const varuno::art::ArtPicture*> sharpById;
  for (const auto& picture : sharp) {
    sharpById[picture.resourceId] = &picture;
  }
  std::map<int, bool> seen;
  for (const auto& picture : base) {
    if (seen[picture.resourceId]) {
      return Fail(QStringLiteral("bitmap %1 drawn twice").arg(picture.resourceId));
    }
    seen[picture.resourceId] = true;
    const auto partner = sharpById.find(picture.resourceId);
    if (partner == sharpById.end()) {
      return Fail(QStringLiteral("bitmap %1 has no 2x picture").arg(picture.resourceId));
    }
    const QImage& dense = partner->second->image;
    if (dense.size() != picture.image.size() * 2) {
      return Fail(QStringLiteral("bitmap %1: 2x picture is not twice the 1x size").arg(picture.resourceId));
    }
    const QString id = QString::number(picture.resourceId);
    if (!WriteRawPicture(OpaquePixels(picture.image), out.filePath(id + QStringLiteral(".raw"))) ||
        !WriteRawPicture(OpaquePixels(dense), out.filePath(id + QStringLiteral("@2x.raw")))) {
      return Fail(QStringLiteral("cannot write bitmap %1 into %2").arg(id, out.path()));
    }
  }
  if (sharp.size() != base.size()) {
    return Fail(QStringLiteral("the 2x set has pictures the 1x set lacks"));
  }
  return true;
}

bool WriteIcons(const QDir& out, const ArtList& icons) {
  for (const auto& icon : icons) {
    const QString name = QStringLiteral("icon-%1.png").arg(icon.resourceId);
    if (!icon.image.save(out.filePath(name), "PNG")) {
      return Fail(QStringLiteral("cannot write %1").arg(name));
    }
    // The sizes the program compiles in, also as raw pixels.
    for (const int size : varuno::art::kProgramIconSizes) {
      const QString raw = QStringLiteral("icon-%1.raw").arg(size);
      if (size == icon.resourceId &&
          !WriteRawPicture(icon.image.convertToFormat(QImage::Format_ARGB32_Premultiplied), out.filePath(raw))) {
        return Fail(QStringLiteral("cannot write %1").arg(raw));
      }
    }
  }
  QFile svg(out.filePath(QStringLiteral("icon.svg")));
  if (!svg.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
      svg.write(varuno::art::LogoSvg(256).toUtf8()) < 0 || !svg.flush()) {
    return Fail(QStringLiteral("cannot write icon.svg"));
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  const QStringList args = QCoreApplication::arguments();
  if (args.size() != 3) {
    std::fprintf(stderr, "usage: varuno-art <outdir> <homepage-host>\n");
    return 2;
  }
  const QDir out(args.at(1));
  if (!QDir().mkpath(out.path())) {
    Fail(QStringLiteral("cannot create %1").arg(out.path()));
    return 1;
  }
  RegisterFonts();
  const QString& host = args.at(2);

  ArtList base;
  ArtList sharp;
  ArtList icons;
  varuno::art::DrawSkinArt(base, 1.0, host);
  varuno::art::DrawKeyArt(base, 1.0);
  varuno::art::DrawSkinArt(sharp, 2.0, host);
  varuno::art::DrawKeyArt(sharp, 2.0);
  varuno::art::DrawIconArt(icons);

  return WriteBitmaps(out, base, sharp) && WriteIcons(out, icons) ? 0 : 1;
}
