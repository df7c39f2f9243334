#include "ui/ui_fonts.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QResource>
#include <QString>
#include <QVariant>

#include <fontconfig/fontconfig.h>

#include <cmath>
#include <future>

namespace varuno {

namespace {

// The outcome of registering the fonts is kept on the application object, so
// the font files are read once however many windows ask.
constexpr char kFontsLoadedProperty[] = "varunoBundledFontsLoaded";
// While a worker registers them: a std::shared_future<bool> of the outcome.
constexpr char kFontsLoadingProperty[] = "varunoBundledFontsLoading";

constexpr int kTemplatePixelSize = 12;  // 9 pt at 96 dpi
constexpr int kDisplayCellHeight = 16;

// The fonts are compiled in uncompressed, so the font database reads them
// where they lie in the program image instead of taking a decompressed copy
// of several megabytes; a compressed build still works through a copy.
bool RegisterFont(const QString& resource, const QString& family) {
  const QByteArray data = QResource(resource).uncompressedData();
  if (data.isEmpty()) {
    return false;
  }
  const int id = QFontDatabase::addApplicationFontFromData(data);
  return id >= 0 && QFontDatabase::applicationFontFamilies(id).contains(family);
}

// The font database is safe to use from any thread.
bool RegisterBundledFonts() {
  const QString tape = QString::fromLatin1(kTapeFontFamily);
  const QString gothic = QString::fromLatin1(kDisplayFontFamily);
  if constexpr (!kFontsAreBundled) {
    return QFontDatabase::hasFamily(tape) && QFontDatabase::hasFamily(gothic);
  }
  const QString dir = QStringLiteral(":/varuno/fonts/");
  // Every face is registered, even after one has failed.
  const bool tapeOk = RegisterFont(dir + tape + QStringLiteral(".ttf"), tape);
  const bool regularOk = RegisterFont(dir + gothic + QStringLiteral(".ttf"), gothic);
  const bool boldOk = RegisterFont(dir + gothic + QStringLiteral("Bold.ttf"), gothic);
  return tapeOk && regularOk && boldOk;
}

using FontsLoading = std::shared_future<bool>;

}  // namespace

bool EnsureBundledFonts() {
  QCoreApplication* app = QCoreApplication::instance();
  if (app == nullptr) {
    return RegisterBundledFonts();
  }
  const QVariant loaded = app->property(kFontsLoadedProperty);
  if (loaded.isValid()) {
    return loaded.toBool();
  }
  const QVariant loading = app->property(kFontsLoadingProperty);
  const bool ok = loading.canConvert<FontsLoading>() ? loading.value<FontsLoading>().get() : RegisterBundledFonts();
  app->setProperty(kFontsLoadedProperty, ok);
  // Ends the worker thread's shared state.
  app->setProperty(kFontsLoadingProperty, QVariant());
  return ok;
}

std::future<void> StartReadingFontConfiguration() {
  // fontconfig sets its configuration up once, safely from any thread.
  return std::async(std::launch::async, [] { static_cast<void>(FcInit()); });
}

void StartLoadingBundledFonts() {
  QCoreApplication* app = QCoreApplication::instance();
  if (app == nullptr || app->property(kFontsLoadedProperty).isValid() ||
      app->property(kFontsLoadingProperty).isValid()) {
    return;
  }
  const FontsLoading loading = std::async(std::launch::async, &RegisterBundledFonts).share();
  app->setProperty(kFontsLoadingProperty, QVariant::fromValue(loading));
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
