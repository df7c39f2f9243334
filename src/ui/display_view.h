// The display: one line of bold text, right-aligned, read-only, on white.
// It reports when it gains and loses the keyboard focus, so the window can
// route those to the command table, and shows the platform's focus
// rectangle while it has the focus (a read-only line shows no caret).
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
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace varuno
