// A Hangul input method left in Hangul mode (ibus with ibus-hangul, started
// around this program by run_under_ibus.sh) on a real X server, typed at
// with real key presses: Hangul letters typed with the focus in the tape or
// the display write nothing into either, and a letter that starts a
// syllable does not keep the BackSpace after it from the backspace button.
#include <QLineEdit>

#include <initializer_list>

#include "ui/tape_view.h"
#include "x11_keys_fixture.h"

namespace varuno {
namespace {

class X11InputMethodTest : public test::X11KeysTest {
 protected:
  void SetUp() override {
    if (qEnvironmentVariableIsEmpty("VARUNO_TEST_INPUT_METHOD")) {
      GTEST_SKIP() << "needs a Hangul input method: run by run_under_ibus.sh";
    }
    X11KeysTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) {
      return;
    }
    ASSERT_NO_FATAL_FAILURE(ExpectTheInputMethodComposes());
  }

  // The input method is live and in Hangul mode: in an editable line "gks"
  // and a space give the syllable 한, not the letters. Otherwise the keys
  // below would pass for the wrong reason.
  void ExpectTheInputMethodComposes() {
    QLineEdit line;
    line.resize(200, 30);
    line.show();
    line.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&line));
    MovePointer(&line, line.rect().center());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&line));
    ASSERT_TRUE(QTest::qWaitFor([&line] { return line.hasFocus(); }, 3000));
    // The application's input context may still be connecting: type until
    // the line shows the syllable.
    const bool composed = QTest::qWaitFor(
        [&] {
          line.clear();
          Type({XK_g, XK_k, XK_s, XK_space});
          return QTest::qWaitFor([&line] { return !line.text().isEmpty(); }, 1000) &&
                 line.text() == QStringLiteral("한 ");
        },
        10000);
    ASSERT_TRUE(composed) << "the input method typed \"" << line.text().toStdString() << "\"";
  }

  void MovePointer(QWidget* widget, QPoint at) {
    const QPoint global = widget->mapToGlobal(at);
    XTestFakeMotionEvent(m_x, -1, global.x(), global.y(), CurrentTime);
    XSync(m_x, False);
  }

  // A click with the first mouse button at a point of a control.
  void Click(QWidget* control, QPoint at) {
    MovePointer(control, at);
    XTestFakeButtonEvent(m_x, 1, True, CurrentTime);
    XTestFakeButtonEvent(m_x, 1, False, CurrentTime);
    XSync(m_x, False);
  }

  void Type(std::initializer_list<KeySym> keys) {
    for (const KeySym key : keys) {
      Tap(key);
    }
  }
};

TEST_F(X11InputMethodTest, HangulLettersNeverReachTheTapeOrTheDisplay) {
  for (const ControlId focus : {IDC_TAPE, IDC_DISPLAY}) {
    SCOPED_TRACE(focus);
    OpenWindow();
    ASSERT_FALSE(HasFatalFailure());
    QSignalSpy backspace(m_window->Button(IDC_BTN_BACK), &QAbstractButton::clicked);
    Type({XK_5, XK_6});
    ASSERT_TRUE(WaitForDisplay("56"));
    // A click on the first line, where text written into the tape would stay.
    QWidget* control = m_window->Control(focus);
    Click(control, QPoint(8, 6));
    ASSERT_TRUE(QTest::qWaitFor([control] { return QApplication::focusWidget() == control; }, 3000));
    const std::string tape = m_window->Tape().TapeText();

    Type({XK_g, XK_k, XK_s, XK_r, XK_n, XK_r});  // 한국
    QTest::qWait(test::kSettleMs);
    EXPECT_EQ(m_window->Tape().TapeText(), tape);
    EXPECT_EQ(m_window->DisplayText(), "56");

    Type({XK_r, XK_BackSpace});  // ㄱ, then the backspace button
    EXPECT_TRUE(WaitForDisplay("5"));
    EXPECT_EQ(backspace.count(), 1);
    m_window.reset();
  }
}

}  // namespace
}  // namespace varuno
