#include "ui/bitmap_button_accessible.h"

#include <QAccessibleWidget>

#include "ui/bitmap_button.h"

namespace varuno {

namespace {

class BitmapButtonAccessible final : public QAccessibleWidget {
 public:
  explicit BitmapButtonAccessible(BitmapButton* button) : QAccessibleWidget(button, QAccessible::Button) {}

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Description) {
      return widget()->accessibleDescription();
    }
    return QAccessibleWidget::text(kind);
  }
  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.pressed = Button()->isDown();
    return state;
  }
  QStringList actionNames() const override { return QStringList(pressAction()) + QAccessibleWidget::actionNames(); }
  void doAction(const QString& action) override {
    if (action == pressAction()) {
      Button()->click();
      return;
    }
    QAccessibleWidget::doAction(action);
  }

 private:
  BitmapButton* Button() const { return static_cast<BitmapButton*>(widget()); }
};

}  // namespace

QAccessibleInterface* CreateBitmapButtonAccessible(QObject* object) {
  if (auto* button = qobject_cast<BitmapButton*>(object)) {
    return new BitmapButtonAccessible(button);
  }
  return nullptr;
}

}  // namespace varuno
