// Setting NumLock back to its start state, on a keyboard state set by hand.
#include <gtest/gtest.h>

#include "fake_keyboard_state.h"
#include "num_lock.h"

namespace varuno {
namespace {

TEST(RestoreNumLock, SetsOnlyTheLockBitOfTheStartByteAndOnlyWhenItDiffers) {
  struct Case {
    const char* name;
    int startByte;
    int byteNow;
    std::vector<bool> requests;
  };
  const Case cases[] = {
      {"start on, now off", 0x01, 0x00, {true}},
      {"start off, now on", 0x00, 0x01, {false}},
      {"start on, now on", 0x01, 0x81, {}},
      {"start off, now off", 0x00, 0x80, {}},
      {"start on with the key held", 0x81, 0x00, {true}},
      // The key being held at start says nothing about the lock.
      {"start off with the key held", 0x80, 0x01, {false}},
      {"start off with the key held, now off", 0x80, 0x00, {}},
  };
  for (const Case& c : cases) {
    test::FakeKeyboardState keyboard(c.byteNow);
    RestoreNumLock(keyboard, c.startByte);
    EXPECT_EQ(keyboard.Requests(), c.requests) << c.name;
    EXPECT_EQ(keyboard.On(), (c.startByte & 0x01) != 0) << c.name;
  }
}

TEST(RestoreNumLock, LeavesNumLockAloneWhereThePlatformCannotSetIt) {
  test::FakeKeyboardState keyboard(0x01, /*canSet=*/false);
  RestoreNumLock(keyboard, 0x00);
  EXPECT_TRUE(keyboard.Requests().empty());
}

}  // namespace
}  // namespace varuno
