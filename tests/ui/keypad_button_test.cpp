// The bitmap button on its own: when it reports a click, its focus and
// cursor, and its choice of picture by density.
#include <gtest/gtest.h>

#include <QColor>
#include <QPixmap>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include "ui/bitmap_button.h"
#include "layout/button_table.h"
#include "keypad_pictures.h"

namespace varuno {
namespace {

QPixmap Solid(int width, int height, const QColor& color, qreal ratio = 1.0) {
  QPixmap pixmap(qRound(width * ratio), qRound(height * ratio));
  pixmap.fill(color);
  pixmap.setDevicePixelRatio(ratio);
  return pixmap;
}

const QColor kUp(200, 40, 40);
const QColor kDown(40, 40, 200);
const QColor kUp2x(120, 0, 0);
const QColor kDown2x(0, 0, 120);

class BitmapButtonTest : public testing::Test {
 protected:
  void SetUp() override {
    m_host.resize(200, 100);
    m_button = new BitmapButton(&m_host);
    m_button->move(30, 20);
    m_button->SetPictures(Solid(40, 30, kUp), Solid(40, 30, kDown), Solid(40, 30, kUp2x, 2.0),
                          Solid(40, 30, kDown2x, 2.0));
    m_button->SizeToContent();
    m_host.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_host));
  }

  QWidget m_host;
  BitmapButton* m_button = nullptr;
};

TEST_F(BitmapButtonTest, ReportsOneClickPerPressAndReleaseOverIt) {
  struct Case {
    const char* name;
    Qt::MouseButton button;
    QPoint releaseAt;  // relative to the button
    bool doubleClick;
    int clicks;
  };
  const QPoint inside(20, 15);
  const Case cases[] = {
      {"release over the button", Qt::LeftButton, inside, false, 1},
      {"release just outside", Qt::LeftButton, QPoint(40, 15), false, 0},
      {"release far outside", Qt::LeftButton, QPoint(-25, -15), false, 0},
      {"right button", Qt::RightButton, inside, false, 0},
      {"double click counts twice", Qt::LeftButton, inside, true, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QSignalSpy clicked(m_button, &QAbstractButton::clicked);
    if (c.doubleClick) {
      // A fast second press arrives as a double-click event between press
      // and release; it must enter the key a second time.
      QTest::mouseClick(m_button, c.button, {}, inside);
      QTest::mouseDClick(m_button, c.button, {}, inside);
      QTest::mouseRelease(m_button, c.button, {}, inside);
    } else {
      QTest::mousePress(m_button, c.button, {}, inside);
      QTest::mouseRelease(m_button, c.button, {}, c.releaseAt);
    }
    EXPECT_EQ(clicked.count(), c.clicks);
    EXPECT_FALSE(m_button->isDown());
  }
}

TEST_F(BitmapButtonTest, TakesTheFocusWhenClickedButNotByTab) {
  EXPECT_EQ(m_button->focusPolicy(), Qt::ClickFocus);
  EXPECT_EQ(m_button->cursor().shape(), Qt::PointingHandCursor);
  m_host.activateWindow();
  QTest::mouseClick(m_button, Qt::LeftButton, {}, m_button->rect().center());
  EXPECT_TRUE(m_button->hasFocus());
}

TEST_F(BitmapButtonTest, PicksThePictureThatFitsTheDensity) {
  struct Case {
    qreal ratio;
    bool held;
    QColor color;
  };
  const Case cases[] = {
      {1.0, false, kUp}, {1.0, true, kDown},   {2.0, false, kUp2x},
      {2.0, true, kDown2x}, {1.5, false, kUp2x}, {3.0, true, kDown2x},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "ratio " << c.ratio << (c.held ? " held" : " up"));
    m_button->setDown(c.held);
    const QPixmap& picture = m_button->CurrentPicture(c.ratio);
    EXPECT_EQ(picture.toImage().pixelColor(0, 0), c.color);
    // Whatever the density, the picture keeps the button's logical size.
    EXPECT_EQ(picture.deviceIndependentSize(), QSizeF(40, 30));
  }
  m_button->setDown(false);
}

TEST_F(BitmapButtonTest, IgnoresADensePictureOfTheWrongSize) {
  m_button->SetPictures(Solid(40, 30, kUp), Solid(40, 30, kDown), Solid(41, 30, kUp2x, 2.0), {});
  EXPECT_EQ(m_button->CurrentPicture(2.0).toImage().pixelColor(0, 0), kUp);
  m_button->setDown(true);
  EXPECT_EQ(m_button->CurrentPicture(2.0).toImage().pixelColor(0, 0), kDown);
  m_button->setDown(false);
}

// Pictures from the resources are decoded on first use; whichever is asked
// for first, at whatever ratio, each state still gives its own picture, and
// a screen that turns dense later gets the 2x ones.
TEST(BitmapButtonResourceTest, GivesEveryPictureWhenFirstAskedAtAnyRatio) {
  const ButtonRow& row = ButtonTable()[0];
  struct Step {
    qreal ratio;
    bool held;
    int resource;
    int scale;
  };
  const Step orders[][3] = {
      {{1.0, true, row.downPicture, 1}, {1.0, false, row.upPicture, 1}, {2.0, true, row.downPicture, 2}},
      {{2.0, true, row.downPicture, 2}, {1.0, true, row.downPicture, 1}, {2.0, false, row.upPicture, 2}},
      {{1.0, false, row.upPicture, 1}, {2.0, false, row.upPicture, 2}, {1.0, true, row.downPicture, 1}},
  };
  for (const auto& order : orders) {
    BitmapButton button;
    ASSERT_TRUE(button.LoadBitmaps(row.upPicture, row.downPicture));
    EXPECT_EQ(button.sizeHint(), test::ExpectedBitmaps().at(row.upPicture));
    for (const Step& step : order) {
      SCOPED_TRACE(testing::Message() << "ratio " << step.ratio << (step.held ? " held" : " up"));
      button.setDown(step.held);
      QImage picture = button.CurrentPicture(step.ratio).toImage().convertToFormat(QImage::Format_RGB32);
      EXPECT_EQ(picture.devicePixelRatio(), step.scale);
      picture.setDevicePixelRatio(1.0);
      EXPECT_EQ(picture, test::ArtImage(step.resource, step.scale));
    }
  }
}

TEST(BitmapButtonResourceTest, MissingPicturesLeaveTheButtonWithoutAreaOrOnItsUpPicture) {
  const ButtonRow& row = ButtonTable()[0];
  BitmapButton noUp;
  EXPECT_FALSE(noUp.LoadBitmaps(146, row.downPicture));  // 146 is no bitmap
  EXPECT_TRUE(noUp.sizeHint().isEmpty());
  BitmapButton noDown;
  ASSERT_TRUE(noDown.LoadBitmaps(row.upPicture, 159));
  noDown.setDown(true);
  QImage held = noDown.CurrentPicture(2.0).toImage().convertToFormat(QImage::Format_RGB32);
  held.setDevicePixelRatio(1.0);
  EXPECT_EQ(held, test::ArtImage(row.upPicture, 2));
}

}  // namespace
}  // namespace varuno
