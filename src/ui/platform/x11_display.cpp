#include "ui/platform/x11_display.h"

#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>

namespace varuno {

_XDisplay* ApplicationX11Display() {
  auto* application = qGuiApp;
  if (application == nullptr || QGuiApplication::platformName() != QLatin1String("xcb")) {
    return nullptr;
  }
  auto* x11 = application->nativeInterface<QNativeInterface::QX11Application>();
  return x11 != nullptr ? x11->display() : nullptr;
}

}  // namespace varuno
