// A main window on a fake shell, shown and active, for the window tests.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QString>
#include <QStringList>
#include <QTest>

#include <memory>
#include <string_view>

#include "ccalc_dlg.h"
#include "control_ids.h"
#include "platform/null_keyboard_state.h"
#include "fake_shell.h"

namespace varuno::test {

// The control that a key script character clicks (see key_script.h).
constexpr ControlId ScriptControl(char key) {
  switch (key) {
    case '0': return IDC_BTN_0;
    case '1': return IDC_BTN_1;
    case '2': return IDC_BTN_2;
    case '3': return IDC_BTN_3;
    case '4': return IDC_BTN_4;
    case '5': return IDC_BTN_5;
    case '6': return IDC_BTN_6;
    case '7': return IDC_BTN_7;
    case '8': return IDC_BTN_8;
    case '9': return IDC_BTN_9;
    case 'Z': return IDC_BTN_00;
    case '.': return IDC_BTN_POINT;
    case 'B': return IDC_BTN_BACK;
    case 'S': return IDC_BTN_SIGN;
    case '+': return IDC_BTN_ADD;
    case '-': return IDC_BTN_SUB;
    case '*': return IDC_BTN_MUL;
    case '/': return IDC_BTN_DIV;
    case '=': return IDC_BTN_EQUALS;
    case 'E': return IDC_BTN_CE;
    case 'C': return IDC_BTN_C;
    case 'M': return IDC_BTN_MEM_ADD;
    case 'D': return IDC_BTN_MEM_DEL;
    case 'K': return IDC_BTN_MEM_CLEAR;
    default: return 0;
  }
}

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
