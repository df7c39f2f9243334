// A main window on a fake shell, shown and active, for the window tests.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QString>
#include <QStringList>
#include <QTest>

#include <memory>
#include <string_view>

#include "ui/ccalc_dlg.h"
#include "key_script.h"
#include "ui/platform/null_keyboard_state.h"
#include "fake_shell.h"

namespace varuno::test {

class WindowTest : public testing::Test {
 protected:
  void SetUp() override {
    window = std::make_unique<CCalcDlg>(shell, keyboard);
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }

  void TearDown() override { window.reset(); }

  // Clicks through the command table, as the buttons and the keyboard do.
  void Press(std::string_view keys) {
    for (const char key : keys) {
      if (const ControlId id = ScriptControl(key); id != 0) {
        window->OnCommand(BN_CLICKED, id);
      }
    }
  }

  FakeShell shell;
  NullKeyboardState keyboard;
  std::unique_ptr<CCalcDlg> window;
};

}  // namespace varuno::test
