#include "app/homepage_opener.h"

#include <QDesktopServices>

namespace varuno {

void OpenWithDesktop(const QUrl& url) {
  static_cast<void>(QDesktopServices::openUrl(url));
}

QUrl HomepageUrl(const QString& address) {
  const QUrl url(address, QUrl::StrictMode);
  const QString scheme = url.scheme();
  if (!url.isValid() || url.host().isEmpty() ||
      (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) {
    return {};
  }
  return url;
}

QString HostOf(const QString& address) { return QUrl(address, QUrl::StrictMode).host(); }

}  // namespace varuno
