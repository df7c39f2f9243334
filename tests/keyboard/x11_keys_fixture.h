// The real main window on a real X server, typed at through XTest from the
// test's own connection, for the X11 keyboard tests.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <string>

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include "ui/ccalc_dlg.h"
#include "ui/platform/keyboard_state_factory.h"
#include "fake_shell.h"

namespace varuno::test {

// How long the server and the window get to finish with a key that should
// have no further effect.
constexpr int kSettleMs = 250;

class X11KeysTest : public testing::Test {
 protected:
  void SetUp() override {
    if (qEnvironmentVariableIsEmpty("VARUNO_TEST_X11_DISPLAY")) {
      GTEST_SKIP() << "VARUNO_TEST_X11_DISPLAY is not set";
    }
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"));
    // The test's own connection, for typing and for reading NumLock.
    m_x = XOpenDisplay(qgetenv("VARUNO_TEST_X11_DISPLAY").constData());
    ASSERT_NE(m_x, nullptr);
    int unused[4] = {};
    ASSERT_TRUE(XTestQueryExtension(m_x, &unused[0], &unused[1], &unused[2], &unused[3]));
    m_numLockMask = XkbKeysymToModifiers(m_x, XK_Num_Lock);
    ASSERT_NE(m_numLockMask, 0U);
  }

  void TearDown() override {
    m_window.reset();
    if (m_x != nullptr) {
      SetNumLock(false);
      XCloseDisplay(m_x);
    }
  }

  void SetNumLock(bool on) {
    XkbLockModifiers(m_x, XkbUseCoreKbd, m_numLockMask, on ? m_numLockMask : 0);
    XSync(m_x, False);
  }

  bool NumLockOn() {
    XkbStateRec state{};
    XkbGetState(m_x, XkbUseCoreKbd, &state);
    return (state.locked_mods & m_numLockMask) != 0;
  }

  void OpenWindow() {
    m_keyboard = CreateKeyboardState();
    m_window = std::make_unique<CCalcDlg>(m_shell, *m_keyboard);
    m_window->show();
    m_window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m_window.get()));
    // Without a window manager the focus may follow the pointer.
    const QPoint centre = m_window->mapToGlobal(m_window->rect().center());
    XTestFakeMotionEvent(m_x, -1, centre.x(), centre.y(), CurrentTime);
    XSync(m_x, False);
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
    m_sign = std::make_unique<QSignalSpy>(m_window->Button(IDC_BTN_SIGN), &QAbstractButton::clicked);
  }

  void Send(KeySym keysym, bool press) {
    const KeyCode code = XKeysymToKeycode(m_x, keysym);
    ASSERT_NE(code, 0) << keysym;
    XTestFakeKeyEvent(m_x, code, press ? True : False, CurrentTime);
    XSync(m_x, False);
  }

  // Presses and releases a key, with Shift held when asked.
  void Tap(KeySym keysym, bool shift = false) {
    if (shift) {
      Send(XK_Shift_L, true);
    }
    Send(keysym, true);
    Send(keysym, false);
    if (shift) {
      Send(XK_Shift_L, false);
    }
  }

  bool WaitForDisplay(const std::string& text) {
    return QTest::qWaitFor([this, &text] { return m_window->DisplayText() == text; }, 3000);
  }

  Display* m_x = nullptr;
  unsigned m_numLockMask = 0;
  FakeShell m_shell;
  std::unique_ptr<KeyboardState> m_keyboard;
  std::unique_ptr<CCalcDlg> m_window;
  std::unique_ptr<QSignalSpy> m_sign;
};

}  // namespace varuno::test
