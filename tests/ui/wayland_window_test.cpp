// The window under a real Wayland compositor (the headless weston that
// run_under_weston.sh starts): it comes up, a sum clicked on its keypad
// shows on the display, NumLock still clicks +/- once although a Wayland
// client cannot set NumLock, and the close button ends it. The clicks and
// the key go through Qt's test functions in this process: the compositor
// offers no way to inject input.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QTest>

#include <memory>

#include "ui/ccalc_dlg.h"
#include "dispatch/control_ids.h"
#include "fake_shell.h"
#include "ui/platform/keyboard_state_factory.h"

namespace varuno {
namespace {

TEST(WaylandWindowTest, AddsOnTheKeypadTakesNumLockAndClosesByItsButton) {
  ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("wayland"));
  test::FakeShell shell;
  const std::unique_ptr<KeyboardState> keyboard = CreateKeyboardState();
  EXPECT_FALSE(keyboard->CanSetNumLock());
  CCalcDlg window(shell, *keyboard);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  EXPECT_EQ(window.size(), QSize(429, 491));

  for (const ControlId id : {IDC_BTN_1, IDC_BTN_ADD, IDC_BTN_2, IDC_BTN_EQUALS}) {
    QAbstractButton* button = window.Button(id);
    ASSERT_NE(button, nullptr) << id;
    QTest::mouseClick(button, Qt::LeftButton);
  }
  EXPECT_EQ(window.DisplayText(), "3");

  QSignalSpy sign(window.Button(IDC_BTN_SIGN), &QAbstractButton::clicked);
  QWidget* list = window.Control(IDC_MEMORY_LIST);
  QTest::keyPress(list, Qt::Key_NumLock);
  QTest::keyRelease(list, Qt::Key_NumLock);
  QTRY_COMPARE_WITH_TIMEOUT(sign.count(), 1, 2000);
  QTest::qWait(200);
  EXPECT_EQ(sign.count(), 1);

  QTest::mouseClick(window.Button(IDCANCEL), Qt::LeftButton);
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(window.result(), QDialog::Rejected);
}

}  // namespace
}  // namespace varuno
