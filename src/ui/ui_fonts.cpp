#include "ui_fonts.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QString>
#include <QVariant>

#include <cmath>

namespace varuno {

namespace {

// The outcome of registering the fonts is kept on the application object, so
// the font files are read once however many windows ask.
constexpr char kFontsLoadedProperty[] = "varunoBundledFontsLoaded";

constexpr int kTemplatePixelSize = 12;  // 9 pt at 96 dpi
constexpr int kDisplayCellHeight = 16;

bool RegisterFont(const QString& resource, const QString& family) {
  const int id = QFontDatabase::addApplicationFont(resource);
  return id >= 0 && QFontDatabase::applicationFontFamilies(id).contains(family);
}

}  // namespace

bool EnsureBundledFonts() {
  QCoreApplication* app = QCoreApplication::instance();
  if (app != nullptr) {
    const QVariant loaded = app->property(kFontsLoadedProperty);
    if (loaded.isValid()) {
      return loaded.toBool();
    }
  }
  const bool tape = RegisterFont(QStringLiteral(":/varuno/fonts/NanumGothicCoding.ttf"),
                                 QString::fromLatin1(kTapeFontFamily));
  const bool display = RegisterFont(QStringLiteral(":/varuno/fonts/NanumGothicBold.ttf"),
                                    QString::fromLatin1(kDisplayFontFamily));
  const bool ok = tape && display;
  if (app != nullptr) {
    app->setProperty(kFontsLoadedProperty, ok);
  }
  return ok;
}

QFont TemplateFont() {
  EnsureBundledFonts();
  QFont font(QString::fromLatin1(kTapeFontFamily));
  font.setPixelSize(kTemplatePixelSize);
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  font.setKerning(false);
  // Hinting may round ASCII and Hangul advances independently; without it
  // the font's own 1:2 ratio holds at every size.
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

QFont DisplayFont() {
  EnsureBundledFonts();
  QFont font(QString::fromLatin1(kDisplayFontFamily));
  font.setBold(true);
  // The size is given as a cell height; Qt sizes fonts by the em, so scale
  // from a large reference size by the font's own ascent plus descent.
  constexpr int kReference = 100;
  font.setPixelSize(kReference);
  const QFontMetricsF metrics(font);
  const qreal cell = metrics.ascent() + metrics.descent();
  const int pixels = cell > 0 ? static_cast<int>(std::lround(kDisplayCellHeight * kReference / cell))
                              : kDisplayCellHeight;
  font.setPixelSize(pixels);
  return font;
}

}  // namespace varuno
