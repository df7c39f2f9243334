// Qt's own texts in Korean: the standard context menus of the tape and the
// display (복사, 모두 선택) and the print dialog (인쇄) come from Qt, whose
// translations Debian ships in qt6-translations-l10n.
#pragma once

#include <QLibraryInfo>
#include <QString>

class QCoreApplication;

namespace varuno {

// Loads Qt's Korean translation from `directory` into `app` (the translator
// is a child of it). Returns false, leaving Qt's texts in English, where the
// translation is not installed.
bool InstallQtTranslation(QCoreApplication& app,
                          const QString& directory = QLibraryInfo::path(QLibraryInfo::TranslationsPath));

}  // namespace varuno
