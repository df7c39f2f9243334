// A keyboard state the test sets by hand, counting the program's requests.
#pragma once

#include <vector>

#include "ui/platform/keyboard_state.h"

namespace varuno::test {

class FakeKeyboardState final : public KeyboardState {
 public:
  explicit FakeKeyboardState(int byte = 0, bool canSet = true) : m_byte(byte), m_canSet(canSet) {}

  int NumLockByte() const override { return m_byte; }
  bool CanSetNumLock() const override { return m_canSet; }
  void SetNumLock(bool on) override {
    m_requests.push_back(on);
    if (m_canSet) {
      m_byte = (m_byte & ~0x01) | (on ? 0x01 : 0x00);
    }
  }

  bool On() const { return (m_byte & 0x01) != 0; }
  void SetByte(int byte) { m_byte = byte; }
  const std::vector<bool>& Requests() const { return m_requests; }

 private:
  int m_byte;
  bool m_canSet;
  std::vector<bool> m_requests;
};

}  // namespace varuno::test
