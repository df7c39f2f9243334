// The compiled bitmaps: every resource the program refers to exists at 1x
// and 2x with its exact size and opaque colours, and nothing else is there.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QRegularExpression>

#include <cstdlib>
#include <set>

#include "layout/button_table.h"
#include "keypad_pictures.h"

namespace varuno::test {
namespace {

TEST(KeypadArt, EveryBitmapExistsAtBothScalesWithItsSizeAndDepth) {
  for (const auto& [id, size] : ExpectedBitmaps()) {
    SCOPED_TRACE(testing::Message() << "bitmap " << id);
    for (const int scale : {1, 2}) {
      const QString path = ArtResourcePath(id, scale);
      const QImage image = ReadRawPicture(path);
      ASSERT_FALSE(image.isNull()) << path.toStdString();
      EXPECT_EQ(image.size(), size * scale) << "scale " << scale;
      EXPECT_TRUE(IsOpaque(image)) << "scale " << scale;
    }
  }
}

TEST(KeypadArt, HoldsNoBitmapOrIconBeyondTheKnownOnes) {
  const auto expected = ExpectedBitmaps();
  const QRegularExpression bitmapName(QStringLiteral("^(\\d+)(@2x)?\\.raw$"));
  const std::set<QString> icons = {QStringLiteral("icon-16.raw"), QStringLiteral("icon-32.raw"),
                                   QStringLiteral("icon-48.raw")};
  std::set<QString> iconsSeen;
  int bitmapFiles = 0;
  const QStringList entries = QDir(QStringLiteral(":/varuno/art")).entryList(QDir::Files);
  for (const QString& name : entries) {
    const QRegularExpressionMatch match = bitmapName.match(name);
    if (match.hasMatch()) {
      EXPECT_TRUE(expected.count(match.captured(1).toInt()) == 1) << name.toStdString();
      ++bitmapFiles;
    } else if (icons.count(name) == 1) {
      iconsSeen.insert(name);
    } else {
      ADD_FAILURE() << "unexpected resource " << name.toStdString();
    }
  }
  EXPECT_EQ(bitmapFiles, static_cast<int>(expected.size() * 2));
  EXPECT_EQ(iconsSeen, icons);
  for (const int missing : {146, 159}) {
    EXPECT_TRUE(ReadRawPicture(ArtResourcePath(missing, 1)).isNull()) << missing;
  }
}

TEST(KeypadArt, IconHasItsThreeSizes) {
  for (const int size : {16, 32, 48}) {
    const QImage icon = ReadRawPicture(QStringLiteral(":/varuno/art/icon-%1.raw").arg(size));
    EXPECT_EQ(icon.size(), QSize(size, size));
  }
}

// A button's down picture differs from its up picture but has its size.
TEST(KeypadArt, EveryButtonHasADistinctDownPictureOfItsSize) {
  for (const ButtonRow& row : ButtonTable()) {
    SCOPED_TRACE(row.objectName);
    for (const int scale : {1, 2}) {
      const QImage up = ArtImage(row.upPicture, scale);
      const QImage down = ArtImage(row.downPicture, scale);
      EXPECT_EQ(up.size(), down.size());
      EXPECT_NE(up, down);
    }
  }
}

// Each 2x picture is the design of its 1x one (it shrinks to nearly the same
// pixels), not another picture's art.
TEST(KeypadArt, DensePicturesMatchTheirNormalOnes) {
  const auto sizes = ExpectedBitmaps();
  for (const auto& [id, size] : sizes) {
    SCOPED_TRACE(testing::Message() << "bitmap " << id);
    const QImage normal = ArtImage(id, 1);
    const QImage shrunk = ArtImage(id, 2).scaled(normal.size(), Qt::IgnoreAspectRatio,
                                                 Qt::SmoothTransformation);
    double difference = 0;
    for (int y = 0; y < normal.height(); ++y) {
      for (int x = 0; x < normal.width(); ++x) {
        const QRgb a = normal.pixel(x, y);
        const QRgb b = shrunk.pixel(x, y);
        difference += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                      std::abs(qBlue(a) - qBlue(b));
      }
    }
    EXPECT_LT(difference / (normal.width() * normal.height() * 3), 16.0);
  }
}

}  // namespace
}  // namespace varuno::test
