// What the main window asks of the application shell: the About box and the
// homepage. The application implements it; window tests use a fake.
#pragma once

#include <QString>

class QWidget;

namespace varuno {

class ShellServices {
 public:
  virtual ~ShellServices() = default;
  // Shows the About box modally, centred over `calculator`; returns when it closes.
  virtual void ShowAbout(QWidget* calculator) = 0;
  // Opens an address in the user's web browser without waiting; a failure is not reported.
  virtual void OpenHomepage(const QString& address) = 0;
  // The homepage address of this build (scheme and host only).
  virtual QString HomepageAddress() const = 0;
};

}  // namespace varuno
