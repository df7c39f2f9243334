// The key filter on a window that has none of the calculator's buttons:
// every key must then reach the focused control as if there were no filter,
// except that Enter and Esc still never end the dialog.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

#include "fake_keyboard_state.h"
#include "key_click_filter.h"
#include "num_lock.h"

namespace varuno {
namespace {

class ButtonlessWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    auto* layout = new QVBoxLayout(&m_dialog);
    m_edit = new QLineEdit(&m_dialog);
    layout->addWidget(m_edit);
    new KeyClickFilter(&m_dialog,
                       KeyClickTargets{[](ControlId) -> QAbstractButton* { return nullptr; },
                                       [this]() -> QWidget* { return m_edit; },
                                       [this] { RestoreNumLock(m_keyboard, m_startByte); }},
                       nullptr);
    m_dialog.show();
    QApplication::setActiveWindow(&m_dialog);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&m_dialog));
    m_edit->setFocus();
  }

  QDialog m_dialog;
  QLineEdit* m_edit = nullptr;
  test::FakeKeyboardState m_keyboard;
  int m_startByte = 0x01;
};

TEST_F(ButtonlessWindowTest, KeysWithoutAButtonReachTheControl) {
  QTest::keyClicks(m_edit, QStringLiteral("12+3"));
  QTest::keyClick(m_edit, Qt::Key_Backspace);
  QTest::keyClick(m_edit, Qt::Key_Home);
  QTest::keyClick(m_edit, Qt::Key_Delete);  // Delete in the "memory list"
  EXPECT_EQ(m_edit->text(), QStringLiteral("2+"));
}

TEST_F(ButtonlessWindowTest, EnterAndEscNeverEndTheDialog) {
  for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
    QTest::keyClick(m_edit, key);
    QCoreApplication::processEvents();
    EXPECT_TRUE(m_dialog.isVisible()) << key;
    EXPECT_EQ(m_dialog.result(), 0) << key;
  }
}

TEST_F(ButtonlessWindowTest, NumLockIsSetBackAtThePressAndAgainAtTheRelease) {
  // As XKB does it: a press while NumLock is on leaves it on until the
  // release turns it off.
  m_keyboard.SetByte(0x01);
  QTest::keyPress(m_edit, Qt::Key_NumLock);
  EXPECT_TRUE(m_keyboard.Requests().empty());
  m_keyboard.SetByte(0x00);
  QTest::keyRelease(m_edit, Qt::Key_NumLock);
  EXPECT_EQ(m_keyboard.Requests(), std::vector<bool>{true});
  // A release whose press the window never saw changes nothing.
  m_keyboard.SetByte(0x00);
  QTest::keyRelease(m_edit, Qt::Key_NumLock);
  EXPECT_FALSE(m_keyboard.On());
}

TEST_F(ButtonlessWindowTest, KeysOfOtherWindowsAreNotLookedAt) {
  QDialog other;
  auto* edit = new QLineEdit(&other);
  other.show();
  m_keyboard.SetByte(0x00);
  QTest::keyClick(edit, Qt::Key_NumLock);
  QTest::keyClick(edit, Qt::Key_Escape);
  EXPECT_TRUE(m_keyboard.Requests().empty());
  EXPECT_FALSE(other.isVisible());  // its own Esc handling ran
}

}  // namespace
}  // namespace varuno
