// An invisible click area over artwork of the skin. It paints nothing, so
// the skin shows through; it is a tab stop, and the space bar on it clicks it.
#pragma once

#include <QAbstractButton>

namespace varuno {

class HotSpot : public QAbstractButton {
  Q_OBJECT

 public:
  explicit HotSpot(QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace varuno
