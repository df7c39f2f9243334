#include "app/ccalc_app.h"

#include <memory>
#include <utility>

#include "app/cabout_dlg.h"
#include "app/qt_translation.h"
#include "ui/ccalc_dlg.h"
#include "ui/platform/keyboard_state_factory.h"
#include "ui/ui_fonts.h"

#if !defined(VARUNO_HOMEPAGE) || !defined(VARUNO_VERSION) || !defined(VARUNO_APP_ID)
#error "the build defines VARUNO_HOMEPAGE, VARUNO_VERSION and VARUNO_APP_ID"
#endif

namespace varuno {

CCalcApp::CCalcApp(int& argc, char** argv) : QApplication(argc, argv), m_openUrl(&OpenWithDesktop) {
  setApplicationName(QStringLiteral("varunocalc"));
  setApplicationVersion(QStringLiteral(VARUNO_VERSION));
  setOrganizationDomain(QStringLiteral("varuno.kr"));
  // Ties the windows to the installed desktop entry (taskbar icon, Wayland app id).
  setDesktopFileName(QStringLiteral(VARUNO_APP_ID));
  InstallQtTranslation(*this);
}

CCalcApp::~CCalcApp() = default;

bool CCalcApp::InitInstance() {
  // The bundled fonts are registered on a worker while the window is built.
  // The window waits for them before it sets its first font, so the worker
  // ends within this call.
  StartLoadingBundledFonts();
  const std::unique_ptr<KeyboardState> keyboard = CreateKeyboardState();
  CCalcDlg calculator(*this, *keyboard);
  if (m_startupHook) {
    m_startupHook(calculator);
  }
  calculator.exec();
  return false;
}

void CCalcApp::SetStartupHook(std::function<void(CCalcDlg&)> hook) { m_startupHook = std::move(hook); }

void CCalcApp::SetUrlOpener(UrlOpener opener) { m_openUrl = std::move(opener); }

void CCalcApp::ShowAbout(QWidget* calculator) {
  CAboutDlg about(HostOf(HomepageAddress()), calculator);
  about.exec();
}

void CCalcApp::OpenHomepage(const QString& address) {
  const QUrl url = HomepageUrl(address);
  if (url.isEmpty() || !m_openUrl) {
    return;
  }
  m_openUrl(url);
}

QString CCalcApp::HomepageAddress() const { return QStringLiteral(VARUNO_HOMEPAGE); }

}  // namespace varuno
