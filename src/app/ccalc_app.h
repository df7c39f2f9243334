// The program's one application object. Its start-up runs the calculator
// window modally and the program ends when that window closes; it is also
// the shell the window asks for the About box and the homepage.
#pragma once

#include <QApplication>
#include <QString>

#include <functional>

#include "app/homepage_opener.h"
#include "ui/shell_services.h"

namespace varuno {

class CCalcDlg;

class CCalcApp : public QApplication, public ShellServices {
  Q_OBJECT

 public:
  // `argc` must outlive the application object, as QApplication requires.
  CCalcApp(int& argc, char** argv);
  ~CCalcApp() override;

  CCalcApp(const CCalcApp&) = delete;
  CCalcApp& operator=(const CCalcApp&) = delete;

  // Builds the calculator, runs it modally and returns once it has closed:
  // always false, since there is nothing left to run. Nothing is saved.
  bool InitInstance();

  // Called with the calculator after it is built and before it runs; for the
  // developer aids of main() and for tests.
  void SetStartupHook(std::function<void(CCalcDlg&)> hook);
  // Replaces the desktop's opener used by OpenHomepage.
  void SetUrlOpener(UrlOpener opener);

  // ShellServices
  void ShowAbout(QWidget* calculator) override;
  void OpenHomepage(const QString& address) override;
  QString HomepageAddress() const override;

 private:
  std::function<void(CCalcDlg&)> m_startupHook;
  UrlOpener m_openUrl;
};

}  // namespace varuno
