// The numeric keypad under a screen reader. While one listens, Qt's
// accessibility bridge hands every key to it before the window sees it and
// reports modifiers without Num Lock; a screen reader then takes the
// keypad's digits and operators as its own review commands (Orca's desktop
// layout does) and the calculator never gets them. This takes the keypad
// keys typed with Num Lock on from the X server before the bridge sees them
// and gives them to the window as the key events Qt would have made, so
// they click their buttons as usual.
//
// The bridge answers for each key it holds within 100 ms. A keypad key
// typed within kBridgeAnswerMs of another key waits that long, so it never
// overtakes a key the bridge still holds ("=" then keypad 5 stays "+ 5").
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <memory>
#include <vector>

#include "ui/platform/native_keypad_filter.h"

namespace varuno {

inline constexpr int kBridgeAnswerMs = 150;

class KeypadPassThrough final : public QObject {
 public:
  // A child of `window`; watches the keys typed into it.
  explicit KeypadPassThrough(QWidget* window);
  ~KeypadPassThrough() override;

 private:
  bool OnKeypad(const NativeKeypadKey& key);
  void OnOtherKey(std::uint32_t window);
  bool IsWindow(std::uint32_t window) const;
  // Gives the waiting keys to the widget with the focus, in the order typed.
  void Deliver();

  QPointer<QWidget> m_window;
  std::unique_ptr<NativeKeypadFilter> m_filter;
  std::vector<NativeKeypadKey> m_waiting;
  QElapsedTimer m_sinceOtherKey;
  QTimer m_timer;
};

}  // namespace varuno
