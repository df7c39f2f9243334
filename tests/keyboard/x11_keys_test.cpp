// Real key presses through an X server (XTest) into the real main window:
// NumLock ends in its start state with +/- clicked once, and keys typed on
// the server reach the display the way their unshifted symbols say.
#include "x11_keys_fixture.h"

namespace varuno {
namespace {

using test::kSettleMs;
using test::X11KeysTest;

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
