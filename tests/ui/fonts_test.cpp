// The bundled fonts: the tape font really is of fixed pitch with every
// non-ASCII character the calculator writes exactly two columns wide, so
// right-aligned tape lines and memory rows line up.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>
#include <QString>

#include "ui/ui_fonts.h"

namespace varuno {
namespace {

TEST(FontsTest, BundledFacesAreTheOnesInUse) {
  ASSERT_TRUE(EnsureBundledFonts());
  EXPECT_TRUE(EnsureBundledFonts());  // a second call finds them registered
  EXPECT_EQ(QFontInfo(TemplateFont()).family(), QString::fromLatin1(kTapeFontFamily));
  const QFontInfo display(DisplayFont());
  EXPECT_EQ(display.family(), QString::fromLatin1(kDisplayFontFamily));
  EXPECT_TRUE(display.bold());
  const QFontMetrics metrics(DisplayFont());
  EXPECT_NEAR(metrics.ascent() + metrics.descent(), 16, 1);
}

TEST(FontsTest, TapeFontHasTwoColumnWideSymbolsAndHangul) {
  const QFontMetrics metrics(TemplateFont());
  const int column = metrics.horizontalAdvance(QLatin1Char('0'));
  ASSERT_GT(column, 0);
  for (const QChar ch : QStringLiteral("0123456789,.()- ")) {
    EXPECT_EQ(metrics.horizontalAdvance(ch), column) << static_cast<int>(ch.unicode());
  }
  // Operator symbols, the rules, and the Hangul of the banner, the total and
  // the division message.
  const QString wide = QStringLiteral("＋－×÷─━합계새로운입력입니다으로나눌수없습니다");
  for (const QChar ch : wide) {
    EXPECT_TRUE(metrics.inFont(ch)) << static_cast<int>(ch.unicode());
    EXPECT_EQ(metrics.horizontalAdvance(ch), 2 * column) << static_cast<int>(ch.unicode());
  }
  // A whole right-aligned line: 22 columns whatever it holds.
  EXPECT_EQ(metrics.horizontalAdvance(QStringLiteral("     새로운 입력입니다")),
            metrics.horizontalAdvance(QString(22, QLatin1Char('0'))));
  EXPECT_EQ(metrics.horizontalAdvance(QStringLiteral("        ×(-5)")), 14 * column);
}

}  // namespace
}  // namespace varuno
