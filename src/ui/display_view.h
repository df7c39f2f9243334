// The display: one line of bold text, right-aligned, read-only, on white.
// It reports when it gains and loses the keyboard focus, so the window can
// route those to the command table.
#pragma once

#include <QLineEdit>

namespace varuno {

class DisplayView : public QLineEdit {
  Q_OBJECT

 public:
  explicit DisplayView(QWidget* parent = nullptr);

 Q_SIGNALS:
  void focusEntered();
  void focusLeft();

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
};

}  // namespace varuno
