// The keyboard on the real main window (offscreen): which button each key
// clicks, what never clicks, Enter and Esc, Delete and the focus, repeats,
// and NumLock against a keyboard state set by hand.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ui/bitmap_button.h"
#include "ui/ccalc_dlg.h"
#include "ui/tape_view.h"
#include "layout/button_table.h"
#include "fake_keyboard_state.h"
#include "fake_shell.h"
#include "key_script.h"

namespace varuno {
namespace {

using test::FakeShell;

const Qt::KeyboardModifiers kNone;
const Qt::KeyboardModifiers kShift = Qt::ShiftModifier;
const Qt::KeyboardModifiers kKeypad = Qt::KeypadModifier;

using Clicks = std::map<int, int>;  // clicks by control ID

struct KeyCase {
  const char* name;
  Qt::Key key;
  Qt::KeyboardModifiers modifiers;
  int button;  // 0: no button
};

class WindowKeysTest : public testing::Test {
 protected:
  void SetUp() override { Open(test::FakeKeyboardState(0x00)); }

  void Open(const test::FakeKeyboardState& keyboard) {
    m_window.reset();
    m_keyboard = keyboard;
    m_window = std::make_unique<CCalcDlg>(m_shell, m_keyboard);
    m_window->show();
    QApplication::setActiveWindow(m_window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
    m_spies.clear();
    for (const ButtonRow& row : ButtonTable()) {
      QAbstractButton* button = m_window->Button(row.controlId);
      ASSERT_NE(button, nullptr);
      m_spies[row.controlId] = std::make_unique<QSignalSpy>(button, &QAbstractButton::clicked);
    }
  }

  QWidget* Control(ControlId id) const { return m_window->Control(id); }

  // Puts the focus on a control, types a key at it and lets the queued
  // clicks run.
  void Key(ControlId focus, Qt::Key key, Qt::KeyboardModifiers modifiers = kNone) {
    Control(focus)->setFocus();
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    QCoreApplication::processEvents();
  }

  // Clicks since the last call, by control ID.
  Clicks TakeClicks() {
    Clicks clicks;
    for (auto& [id, spy] : m_spies) {
      if (!spy->isEmpty()) {
        clicks[id] = static_cast<int>(spy->count());
      }
      spy->clear();
    }
    return clicks;
  }

  // Types each key at `focus` and expects it to click its button once, or
  // nothing at all (button 0).
  void ExpectClicks(ControlId focus, const std::vector<KeyCase>& cases) {
    TakeClicks();
    for (const KeyCase& c : cases) {
      Key(focus, c.key, c.modifiers);
      const Clicks expected = c.button == 0 ? Clicks{} : Clicks{{c.button, 1}};
      EXPECT_EQ(TakeClicks(), expected) << c.name;
    }
  }

  std::string Display() const { return m_window->DisplayText(); }

  FakeShell m_shell;
  test::FakeKeyboardState m_keyboard;
  std::unique_ptr<CCalcDlg> m_window;
  std::map<int, std::unique_ptr<QSignalSpy>> m_spies;
};

TEST_F(WindowKeysTest, EveryKeyClicksItsButtonOnceAndOtherKeysNothing) {
  const std::vector<KeyCase> cases = {
      {"Backspace", Qt::Key_Backspace, kNone, IDC_BTN_BACK},
      {"Enter", Qt::Key_Return, kNone, IDC_BTN_EQUALS},
      {"keypad Enter", Qt::Key_Enter, kKeypad, IDC_BTN_EQUALS},
      {"Esc", Qt::Key_Escape, kNone, IDC_BTN_C},
      {"Delete in the memory list", Qt::Key_Delete, kNone, IDC_BTN_MEM_DEL},
      {"keypad point, NumLock off, in the memory list", Qt::Key_Delete, kKeypad, IDC_BTN_MEM_DEL},
      {"0", Qt::Key_0, kNone, IDC_BTN_0}, {"keypad 0", Qt::Key_0, kKeypad, IDC_BTN_0},
      {"1", Qt::Key_1, kNone, IDC_BTN_1}, {"keypad 1", Qt::Key_1, kKeypad, IDC_BTN_1},
      {"2", Qt::Key_2, kNone, IDC_BTN_2}, {"keypad 2", Qt::Key_2, kKeypad, IDC_BTN_2},
      {"3", Qt::Key_3, kNone, IDC_BTN_3}, {"keypad 3", Qt::Key_3, kKeypad, IDC_BTN_3},
      {"4", Qt::Key_4, kNone, IDC_BTN_4}, {"keypad 4", Qt::Key_4, kKeypad, IDC_BTN_4},
      {"5", Qt::Key_5, kNone, IDC_BTN_5}, {"keypad 5", Qt::Key_5, kKeypad, IDC_BTN_5},
      {"6", Qt::Key_6, kNone, IDC_BTN_6}, {"keypad 6", Qt::Key_6, kKeypad, IDC_BTN_6},
      {"7", Qt::Key_7, kNone, IDC_BTN_7}, {"keypad 7", Qt::Key_7, kKeypad, IDC_BTN_7},
      {"8", Qt::Key_8, kNone, IDC_BTN_8}, {"keypad 8", Qt::Key_8, kKeypad, IDC_BTN_8},
      {"9", Qt::Key_9, kNone, IDC_BTN_9}, {"keypad 9", Qt::Key_9, kKeypad, IDC_BTN_9},
      {"keypad *", Qt::Key_Asterisk, kKeypad, IDC_BTN_MUL},
      {"keypad +", Qt::Key_Plus, kKeypad, IDC_BTN_ADD},
      {"equals-sign key", Qt::Key_Equal, kNone, IDC_BTN_ADD},
      {"keypad -", Qt::Key_Minus, kKeypad, IDC_BTN_SUB},
      {"minus key", Qt::Key_Minus, kNone, IDC_BTN_SUB},
      {"keypad point", Qt::Key_Period, kKeypad, IDC_BTN_POINT},
      {"period key", Qt::Key_Period, kNone, IDC_BTN_POINT},
      {"keypad /", Qt::Key_Slash, kKeypad, IDC_BTN_DIV},
      {"slash key", Qt::Key_Slash, kNone, IDC_BTN_DIV},
      {"NumLock", Qt::Key_NumLock, kNone, IDC_BTN_SIGN},
      // Shift and Ctrl do not change the button.
      {"Shift with 8", Qt::Key_Asterisk, kShift, IDC_BTN_8},
      {"Shift with 0", Qt::Key_ParenRight, kShift, IDC_BTN_0},
      {"Shift with the equals-sign key", Qt::Key_Plus, kShift, IDC_BTN_ADD},
      {"Shift with slash", Qt::Key_Question, kShift, IDC_BTN_DIV},
      {"Shift with Enter", Qt::Key_Return, kShift, IDC_BTN_EQUALS},
      {"Ctrl with Esc", Qt::Key_Escape, Qt::ControlModifier, IDC_BTN_C},
      // Keys outside the table, and keypad keys with NumLock off.
      {"comma", Qt::Key_Comma, kNone, 0},
      {"Shift with comma", Qt::Key_Less, kShift, 0},
      {"letter", Qt::Key_A, kNone, 0},
      {"Ctrl with a letter", Qt::Key_A, Qt::ControlModifier, 0},
      {"Ctrl with C copies and clicks nothing", Qt::Key_C, Qt::ControlModifier, 0},
      {"Ctrl with Insert copies and clicks nothing", Qt::Key_Insert, Qt::ControlModifier, 0},
      {"Ctrl with Z undoes and clicks nothing", Qt::Key_Z, Qt::ControlModifier, 0},
      {"Ctrl and Shift with Z redo and click nothing", Qt::Key_Z, Qt::ControlModifier | kShift, 0},
      // The keys of the buttons the table leaves out: exactly Ctrl with
      // their letter, or F1.
      {"Ctrl with D", Qt::Key_D, Qt::ControlModifier, IDC_BTN_00},
      {"Ctrl with E", Qt::Key_E, Qt::ControlModifier, IDC_BTN_CE},
      {"Ctrl with M", Qt::Key_M, Qt::ControlModifier, IDC_BTN_MEM_ADD},
      {"Ctrl with R", Qt::Key_R, Qt::ControlModifier, IDC_BTN_MEM_DEL},
      {"Ctrl with L", Qt::Key_L, Qt::ControlModifier, IDC_BTN_MEM_CLEAR},
      {"F1", Qt::Key_F1, kNone, IDC_BTN_ABOUT},
      {"Ctrl with Shift and M", Qt::Key_M, Qt::ControlModifier | kShift, 0},
      {"M alone", Qt::Key_M, kNone, 0},
      {"Shift with F1", Qt::Key_F1, kShift, 0},
      {"Ctrl with F1", Qt::Key_F1, Qt::ControlModifier, 0},
      {"Alt with M belongs to the window system", Qt::Key_M, Qt::AltModifier, 0},
      {"keypad 7, NumLock off", Qt::Key_Home, kKeypad, 0},
      {"keypad 5, NumLock off", Qt::Key_Clear, kKeypad, 0},
      {"keypad 0, NumLock off", Qt::Key_Insert, kKeypad, 0},
      {"Alt with 8 belongs to the window system", Qt::Key_8, Qt::AltModifier, 0},
  };
  ExpectClicks(IDC_MEMORY_LIST, cases);
  // Delete, also the keypad's Delete, anywhere but in the memory list.
  const std::vector<KeyCase> deletes = {
      {"Delete", Qt::Key_Delete, kNone, 0},
      {"keypad point, NumLock off", Qt::Key_Delete, kKeypad, 0},
  };
  ExpectClicks(IDC_TAPE, deletes);
  ExpectClicks(IDC_DISPLAY, deletes);
  EXPECT_EQ(Display(), "0");
  // Last, as they take the window away: minimise, then close.
  ExpectClicks(IDC_TAPE, {{"Ctrl with H", Qt::Key_H, Qt::ControlModifier, IDC_BTN_MINIMIZE}});
  m_window->showNormal();
  QApplication::setActiveWindow(m_window.get());
  ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
  ExpectClicks(IDC_DISPLAY, {{"Ctrl with Q", Qt::Key_Q, Qt::ControlModifier, IDCANCEL}});
  EXPECT_FALSE(m_window->isVisible());
}

TEST_F(WindowKeysTest, KeysOutsideTheTableGetTheStandardHandling) {
  Control(IDC_MEMORY_LIST)->setFocus();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), Control(IDC_TAPE));
}

TEST_F(WindowKeysTest, EnterAndEscClickTheirButtonsAndNeverCloseTheWindow) {
  for (const Qt::Key key : {Qt::Key_1, Qt::Key_2, Qt::Key_Plus, Qt::Key_3}) {
    Key(IDC_MEMORY_LIST, key, key == Qt::Key_Plus ? kKeypad : kNone);
  }
  Key(IDC_MEMORY_LIST, Qt::Key_Return);
  EXPECT_EQ(Display(), "15");
  Key(IDC_TAPE, Qt::Key_Escape);
  EXPECT_EQ(Display(), "0");
  Key(IDC_DISPLAY, Qt::Key_Enter, kKeypad);
  Key(IDC_DISPLAY, Qt::Key_Escape);
  EXPECT_TRUE(m_window->isVisible());
  EXPECT_EQ(m_window->result(), 0);
}

TEST_F(WindowKeysTest, KeysActWhicheverControlHasTheFocusAndTheButtonTakesIt) {
  for (const ControlId focus : {IDC_MEMORY_LIST, IDC_TAPE, IDC_DISPLAY, IDC_BTN_5, IDC_LOGO}) {
    Key(focus, Qt::Key_7);
    EXPECT_EQ(TakeClicks(), (Clicks{{IDC_BTN_7, 1}})) << focus;
    EXPECT_TRUE(m_window->Button(IDC_BTN_7)->hasFocus()) << focus;
  }
  EXPECT_EQ(Display(), "77,777");
  // A disabled button ignores the key, as it ignores the mouse.
  m_window->Button(IDC_BTN_7)->setEnabled(false);
  Key(IDC_MEMORY_LIST, Qt::Key_7);
  EXPECT_TRUE(TakeClicks().empty());
}

// The filter looks only at the main window's keys: Esc still closes another
// dialog, and its NumLock is not set back.
TEST_F(WindowKeysTest, KeysOfOtherWindowsAreNotLookedAt) {
  QDialog other;
  other.show();
  m_keyboard.SetByte(0x01);
  QTest::keyClick(&other, Qt::Key_NumLock);
  QTest::keyClick(&other, Qt::Key_Escape);
  EXPECT_TRUE(m_keyboard.Requests().empty());
  EXPECT_FALSE(other.isVisible());
  EXPECT_TRUE(TakeClicks().empty());
}

// No control of the window takes an input method, wherever the focus is:
// each one that can take the focus tells the input method it is off, and
// a syllable composed or text committed anyway is neither shown in the tape
// or the display nor written into them.
TEST_F(WindowKeysTest, NoControlTakesInputMethodText) {
  for (const char key : std::string_view("7+2=")) {
    m_window->OnCommand(BN_CLICKED, test::ScriptControl(key));
  }
  const std::string tape = m_window->Tape().TapeText();
  const QList<QWidget*> controls = m_window->findChildren<QWidget*>();
  int focusable = 0;
  for (QWidget* control : controls) {
    if (control->focusPolicy() == Qt::NoFocus || !control->isVisible()) {
      continue;
    }
    ++focusable;
    control->setFocus(Qt::MouseFocusReason);
    ASSERT_EQ(QGuiApplication::focusObject(), control);
    // Asked the way input methods ask the focus object.
    QInputMethodQueryEvent query(Qt::ImEnabled);
    QApplication::sendEvent(control, &query);
    EXPECT_FALSE(query.value(Qt::ImEnabled).toBool())
        << control->metaObject()->className() << " " << control->accessibleName().toStdString();
  }
  EXPECT_GE(focusable, 5 + 27);  // the template controls and the buttons

  for (const ControlId id : {IDC_TAPE, IDC_DISPLAY, IDC_MEMORY_LIST}) {
    QWidget* control = Control(id);
    control->setFocus(Qt::MouseFocusReason);
    const QImage before = control->grab().toImage();
    QInputMethodEvent compose(QStringLiteral("ㄱ"), {});
    QApplication::sendEvent(control, &compose);
    EXPECT_TRUE(control->grab().toImage() == before) << id;
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("한국"));
    QApplication::sendEvent(control, &commit);
    EXPECT_EQ(m_window->Tape().TapeText(), tape) << id;
    EXPECT_EQ(Display(), "9") << id;
  }
  EXPECT_TRUE(TakeClicks().empty());
}

// Delete elsewhere is in the key table test.
TEST_F(WindowKeysTest, DeleteInTheMemoryListLeavesTheFocusOnTheDeleteButton) {
  Key(IDC_MEMORY_LIST, Qt::Key_Delete);
  EXPECT_EQ(TakeClicks(), (Clicks{{IDC_BTN_MEM_DEL, 1}}));
  // The clicked button took the focus: a second Delete is not the list's.
  EXPECT_EQ(QApplication::focusWidget(), m_window->Button(IDC_BTN_MEM_DEL));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete);
  QCoreApplication::processEvents();
  EXPECT_TRUE(TakeClicks().empty());
}

TEST_F(WindowKeysTest, EveryRepeatedKeyDownClicksAgain) {
  Control(IDC_MEMORY_LIST)->setFocus();
  QWidget* target = QApplication::focusWidget();
  // Repeats sent faster than any click can run are not merged.
  for (int i = 0; i < 3; ++i) {
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_7, Qt::NoModifier, QStringLiteral("7"), i > 0);
    QApplication::sendEvent(target, &repeat);
  }
  QCoreApplication::processEvents();
  EXPECT_EQ(TakeClicks(), (Clicks{{IDC_BTN_7, 3}}));
  EXPECT_EQ(Display(), "777");
}

struct NumLockCase {
  const char* name;
  int startByte;      // when the window was constructed
  int byteAtKeyDown;  // as the NumLock key-down finds it
  int byteAtKeyUp;    // as the key-up finds it; -1: as the key-down left it
  bool canSet;
  std::vector<bool> requests;
};

TEST_F(WindowKeysTest, NumLockSetsTheStartStateBackAndClicksSignOnce) {
  const NumLockCase cases[] = {
      {"start on, the press turned it off", 0x01, 0x00, -1, true, {true}},
      {"start off, the press turned it on", 0x00, 0x01, -1, true, {false}},
      {"start on, changed elsewhere, the press turned it on", 0x01, 0x01, -1, true, {}},
      {"start off, changed elsewhere, the press turned it off", 0x00, 0x00, -1, true, {}},
      {"start on, turned off only at the release", 0x01, 0x81, 0x00, true, {true}},
      {"start off, changed elsewhere, still on at the press", 0x00, 0x81, -1, true, {false}},
      // Any non-zero start byte counts as on, the key held alone among them.
      {"start with only the key held, the press turned it off", 0x80, 0x00, -1, true, {true}},
      {"a platform that cannot set NumLock", 0x00, 0x01, -1, false, {}},
  };
  for (const NumLockCase& c : cases) {
    Open(test::FakeKeyboardState(c.startByte, c.canSet));
    Key(IDC_MEMORY_LIST, Qt::Key_5);
    TakeClicks();
    QWidget* target = QApplication::focusWidget();
    m_keyboard.SetByte(c.byteAtKeyDown);
    QTest::keyPress(target, Qt::Key_NumLock);
    QCoreApplication::processEvents();
    if (c.byteAtKeyUp >= 0) {
      m_keyboard.SetByte(c.byteAtKeyUp);
    }
    QTest::keyRelease(QApplication::focusWidget(), Qt::Key_NumLock);
    QCoreApplication::processEvents();
    EXPECT_EQ(m_keyboard.Requests(), c.requests) << c.name;
    if (c.canSet) {
      EXPECT_EQ(m_keyboard.On(), c.startByte != 0) << c.name;
    }
    EXPECT_EQ(TakeClicks(), (Clicks{{IDC_BTN_SIGN, 1}})) << c.name;
    EXPECT_EQ(Display(), "-5") << c.name;
  }
}

}  // namespace
}  // namespace varuno
