// Opening the homepage in the user's web browser.
#pragma once

#include <QString>
#include <QUrl>

#include <functional>

namespace varuno {

// Something that hands an address to a web browser. The application holds
// one; tests put a recorder in its place.
using UrlOpener = std::function<void(const QUrl&)>;

// The desktop's own opener (QDesktopServices::openUrl, which runs xdg-open
// on Linux). It starts the browser and returns without waiting; whether that
// worked is not reported.
void OpenWithDesktop(const QUrl& url);

// The address as a URL when it is an absolute http or https address with a
// host; an empty URL otherwise.
QUrl HomepageUrl(const QString& address);

// The host name of an address ("www.varuno.kr" for "https://www.varuno.kr"),
// empty when the address has none.
QString HostOf(const QString& address);

}  // namespace varuno
