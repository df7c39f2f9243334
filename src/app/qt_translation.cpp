#include "app/qt_translation.h"

#include <QCoreApplication>
#include <QTranslator>

namespace varuno {

bool InstallQtTranslation(QCoreApplication& app, const QString& directory) {
  auto* translator = new QTranslator(&app);
  // The calculator speaks Korean whatever the desktop's language is.
  if (!translator->load(QStringLiteral("qtbase_ko"), directory) ||
      !QCoreApplication::installTranslator(translator)) {
    delete translator;
    return false;
  }
  return true;
}

}  // namespace varuno
