// Real key presses through an X server (XTest) into the real main window:
// NumLock ends in its start state with +/- clicked once, and keys typed on
// the server reach the display the way their unshifted symbols say.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCursor>
#include <QSignalSpy>
#include <QTest>

#include <memory>

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include "ui/ccalc_dlg.h"
#include "ui/platform/keyboard_state_factory.h"
#include "fake_shell.h"

namespace varuno {
namespace {

using test::FakeShell;

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

TEST_F(X11KeysTest, NumLockEndsInItsStartStateAndTogglesTheSignOnce) {
  struct Case {
    const char* name;
    bool startOn;
    bool changedElsewhere;  // NumLock switched before the press, outside the window
    bool held;              // the window handles the key-down before the key is released
  };
  const Case cases[] = {
      {"start off, tapped", false, false, false},
      {"start on, tapped", true, false, false},
      {"start off, held", false, false, true},
      {"start on, held", true, false, true},
      {"start off, changed elsewhere, held", false, true, true},
      {"start on, changed elsewhere, held", true, true, true},
      {"start on, changed elsewhere, tapped", true, true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetNumLock(c.startOn);
    OpenWindow();
    ASSERT_FALSE(HasFatalFailure());
    Tap(XK_5);
    ASSERT_TRUE(WaitForDisplay("5"));
    if (c.changedElsewhere) {
      SetNumLock(!c.startOn);
    }
    Send(XK_Num_Lock, true);
    if (c.held) {
      ASSERT_TRUE(QTest::qWaitFor([this] { return m_sign->count() == 1; }, 3000));
    }
    Send(XK_Num_Lock, false);
    ASSERT_TRUE(WaitForDisplay("-5"));
    QTest::qWait(kSettleMs);
    EXPECT_EQ(NumLockOn(), c.startOn);
    EXPECT_EQ(m_sign->count(), 1);
    m_window.reset();
  }
}

TEST_F(X11KeysTest, TypedKeysReachTheDisplayByTheirUnshiftedSymbols) {
  SetNumLock(true);
  OpenWindow();
  ASSERT_FALSE(HasFatalFailure());
  Tap(XK_1);
  ASSERT_TRUE(WaitForDisplay("1"));
  Tap(XK_8, /*shift=*/true);  // "*" on a US layout, still the 8 key
  ASSERT_TRUE(WaitForDisplay("18"));
  Tap(XK_KP_7);  // NumLock is on: keypad 7
  ASSERT_TRUE(WaitForDisplay("187"));
  Tap(XK_equal, /*shift=*/true);  // "+" on the equals-sign key: the + button
  Tap(XK_2);
  Tap(XK_Return);
  EXPECT_TRUE(WaitForDisplay("189"));
}

}  // namespace
}  // namespace varuno
