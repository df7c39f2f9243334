// The 27 bitmap buttons on the real window: where they stand, that nothing
// covers or crowds them, their names, tooltips and cursor, and that the Tab
// key passes them by.
#include <QApplication>
#include <QRect>
#include <QRegion>

#include <set>
#include <string>
#include <vector>

#include "ui/bitmap_button.h"
#include "layout/button_table.h"
#include "layout/window_layout.h"
#include "dispatch/button_keys.h"
#include "dispatch/key_table.h"
#include "keypad_pictures.h"
#include "window_fixture.h"

namespace varuno::test {
namespace {

QRect Expected(const ButtonRow& row) {
  return QRect(QPoint(row.x, row.y), ExpectedBitmaps().at(row.upPicture));
}

TEST_F(WindowTest, EveryButtonStandsAtItsPlaceWithTheSizeOfItsPicture) {
  for (const ButtonRow& row : ButtonTable()) {
    SCOPED_TRACE(row.objectName);
    BitmapButton* button = window->m_btnKeys.at(static_cast<std::size_t>(row.element));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(window->Button(row.controlId), button);
    EXPECT_EQ(button->objectName(), QString::fromLatin1(row.objectName));
    EXPECT_EQ(button->geometry(), Expected(row));
    EXPECT_TRUE(button->isVisible());
  }
}

TEST_F(WindowTest, KeypadKeysKeepTheirGridAndEdges) {
  struct Edge {
    ControlId id;
    int left, top, right, bottom;  // last pixel, inclusive
  };
  const Edge edges[] = {
      {IDC_BTN_ADD, 365, 282, 408, 366},    // the tall + ends at y 366
      {IDC_BTN_EQUALS, 365, 374, 408, 458}, // the tall = ends at y 458
      {IDC_BTN_C, 206, 190, 272, 227},      // Reset ends at x 272
      {IDC_BTN_CE, 312, 190, 353, 227},     // C/CE starts at x 312
      {IDC_BTN_POINT, 312, 420, 353, 457},
  };
  for (const Edge& e : edges) {
    const QRect r = window->Button(e.id)->geometry();
    EXPECT_EQ(QRect(QPoint(e.left, e.top), QPoint(e.right, e.bottom)), r) << e.id;
  }
  // Nothing at all stands in the gap after Reset on the top row.
  const QRect gap(QPoint(273, 190), QPoint(311, 227));
  for (const QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    EXPECT_FALSE(child->isVisible() && child->geometry().intersects(gap))
        << child->objectName().toStdString();
  }
  // Every key lies inside the keypad panel of the skin.
  const QRect keypadPanel(197, 110, 220, 360);
  for (const ButtonRow& row : ButtonTable()) {
    if (row.kind == ButtonKind::Key) {
      EXPECT_TRUE(keypadPanel.contains(window->Button(row.controlId)->geometry())) << row.objectName;
    }
  }
}

TEST_F(WindowTest, NoButtonOverlapsAnotherControlOrLeavesTheWindowShape) {
  std::vector<ControlId> controls;
  for (const TemplateControl& control : kTemplateControls) {
    controls.push_back(control.id);
  }
  for (const ButtonRow& row : ButtonTable()) {
    controls.push_back(row.controlId);
  }
  const QRegion shape = window->mask();
  for (const ButtonRow& row : ButtonTable()) {
    SCOPED_TRACE(row.objectName);
    const QWidget* button = window->Button(row.controlId);
    const QRect r = button->geometry();
    for (const ControlId id : controls) {
      const QWidget* other = window->Control(id);
      ASSERT_NE(other, nullptr) << "control " << id;
      if (other != button && other->isVisible()) {
        EXPECT_FALSE(r.intersects(other->geometry())) << "control " << id;
      }
    }
    // The rounded corners of the window cut no button.
    for (const QPoint& corner : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()}) {
      EXPECT_TRUE(shape.contains(corner)) << corner.x() << "," << corner.y();
    }
  }
}

TEST_F(WindowTest, TheMouseReachesEveryButtonAndSeesTheHandCursor) {
  for (BitmapButton* button : window->m_btnKeys) {
    SCOPED_TRACE(button->objectName().toStdString());
    for (const QPoint& at : {button->geometry().center(), button->geometry().topLeft(),
                             button->geometry().bottomRight()}) {
      QWidget* hit = window->childAt(at);
      ASSERT_EQ(hit, button) << at.x() << "," << at.y();
      EXPECT_EQ(hit->cursor().shape(), Qt::PointingHandCursor);
    }
  }
}

// The label of a key in a tooltip.
std::string KeyLabel(VirtualKey key) {
  if (key >= VK_0 && key <= VK_0 + 9) {
    return std::string(1, static_cast<char>('0' + (key - VK_0)));
  }
  if (key >= VK_NUMPAD0 && key <= VK_NUMPAD0 + 9) {
    return std::string(1, static_cast<char>('0' + (key - VK_NUMPAD0)));
  }
  switch (key) {
    case VK_BACK: return "Backspace";
    case VK_RETURN: return "Enter";
    case VK_ESCAPE: return "Esc";
    case VK_DELETE: return "Delete";
    case VK_NUMLOCK: return "Num Lock";
    case VK_ADD: case VK_OEM_PLUS: return "+";
    case VK_SUBTRACT: case VK_OEM_MINUS: return "-";
    case VK_MULTIPLY: return "*";
    case VK_DIVIDE: case VK_OEM_2: return "/";
    case VK_DECIMAL: case VK_OEM_PERIOD: return ".";
    default: return "?";
  }
}

// Every button has a key, and its tooltip names one of the keys that click it.
TEST_F(WindowTest, NamesAndTooltipsAreKoreanAndNameTheRightKey) {
  std::set<QString> names;
  for (const ButtonRow& row : ButtonTable()) {
    SCOPED_TRACE(row.objectName);
    const QAbstractButton* button = window->Button(row.controlId);
    const QString name = button->accessibleName();
    EXPECT_FALSE(name.isEmpty());
    EXPECT_TRUE(names.insert(name).second) << "name used twice";
    std::set<std::string> labels;
    for (const KeyBinding& binding : KeyTable()) {
      if (binding.button == row.controlId) {
        labels.insert(KeyLabel(binding.key));
      }
    }
    if (const ButtonKey* key = ButtonKeyFor(row.controlId)) {
      labels.insert(key->label);
    }
    const std::string tip = button->toolTip().toStdString();
    const std::string plain = name.toStdString();
    // Every button has a key.
    EXPECT_FALSE(labels.empty());
    if (labels.empty()) {
      EXPECT_EQ(tip, plain);
    } else {
      ASSERT_GT(tip.size(), plain.size() + 3);
      EXPECT_EQ(tip.substr(0, plain.size() + 2), plain + " (");
      EXPECT_EQ(tip.back(), ')');
      const std::string label = tip.substr(plain.size() + 2, tip.size() - plain.size() - 3);
      EXPECT_EQ(labels.count(label), 1U) << tip;
    }
  }
}

TEST_F(WindowTest, TabNeverLandsOnABitmapButton) {
  // Also after a click has given a button the focus.
  for (const ControlId start : {IDC_MEMORY_LIST, IDC_BTN_5, IDCANCEL}) {
    if (start != IDC_MEMORY_LIST) {
      window->Button(start)->setFocus(Qt::MouseFocusReason);
      ASSERT_EQ(QApplication::focusWidget(), window->Button(start));
    }
    for (const Qt::Key key : {Qt::Key_Tab, Qt::Key_Backtab}) {
      for (int i = 0; i < 12; ++i) {
        QTest::keyClick(QApplication::focusWidget(), key);
        const QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        EXPECT_EQ(qobject_cast<const BitmapButton*>(focus), nullptr)
            << "start " << start << " step " << i << ": " << focus->objectName().toStdString();
      }
    }
  }
}

}  // namespace
}  // namespace varuno::test
