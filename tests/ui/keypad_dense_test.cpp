// On a screen of device pixel ratio 2 the buttons keep their logical places
// and sizes and paint the 2x pictures pixel for pixel.
#include <QImage>

#include "ui/bitmap_button.h"
#include "layout/button_table.h"
#include "keypad_pictures.h"
#include "window_fixture.h"

namespace varuno::test {
namespace {

QImage Grab(QWidget* widget) {
  QImage image = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
  image.setDevicePixelRatio(1.0);
  return image;
}

TEST_F(WindowTest, ButtonsPaintTheirSharpPicturesAtTheirLogicalPlaces) {
  ASSERT_EQ(window->devicePixelRatioF(), 2.0);
  EXPECT_EQ(window->size(), QSize(429, 491));
  for (const ButtonRow& row : ButtonTable()) {
    SCOPED_TRACE(row.objectName);
    BitmapButton* button = window->m_btnKeys[static_cast<std::size_t>(row.element)];
    EXPECT_EQ(button->geometry(), QRect(QPoint(row.x, row.y), ExpectedBitmaps().at(row.upPicture)));
    EXPECT_EQ(Grab(button), ArtImage(row.upPicture, 2));
    QTest::mousePress(button, Qt::LeftButton, {}, button->rect().center());
    EXPECT_EQ(Grab(button), ArtImage(row.downPicture, 2));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(-4, -4));
  }
}

}  // namespace
}  // namespace varuno::test
