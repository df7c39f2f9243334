// The About box on its own: its texts, its size in dialog units of its
// font, where its texts sit, and closing it.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QRawFont>
#include <QTest>
#include <QTimer>

#include <functional>

#include "app/cabout_dlg.h"
#include "qstring_printer.h"
#include "app/dialog_units.h"
#include "ui/ui_fonts.h"

namespace varuno {
namespace {

QStringList LabelTexts(const QDialog& dialog) {
  QStringList texts;
  for (const QLabel* label : dialog.findChildren<QLabel*>()) {
    if (!label->text().isEmpty()) {
      texts << label->text();
    }
  }
  return texts;
}

TEST(AboutBox, ShowsNameVersionAndHomepageHostInAFixedSizeInDialogUnits) {
  CAboutDlg about(QStringLiteral("www.example.org"));
  // Two blanks before the version word.
  EXPECT_EQ(LabelTexts(about), QStringList({QStringLiteral("바루노 계산기  버전 1.0"),
                                            QStringLiteral("홈페이지: www.example.org")}));
  const auto buttons = about.findChildren<QPushButton*>();
  ASSERT_EQ(buttons.size(), 1);
  EXPECT_EQ(buttons[0]->text(), QStringLiteral("확인"));
  EXPECT_TRUE(buttons[0]->isDefault());

  // A 12 px Korean face: about 5 to 7 px average Latin width and 12 to 16 px
  // height. Anything else means the wrong face or size was picked.
  const DialogBaseUnits base = BaseUnitsOf(about.font());
  // Drawn with the regular face of the program's own gothic, not its bold
  // one standing in (run once more with the system's fonts hidden). The
  // weight class is read from the face in use: QFontInfo reports the weight
  // asked for when a bold face is all there is.
  EXPECT_EQ(QFontInfo(about.font()).family(), QString::fromLatin1(kDisplayFontFamily));
  const QByteArray os2 = QRawFont::fromFont(about.font()).fontTable("OS/2");
  ASSERT_GE(os2.size(), 6);
  const int weightClass = (static_cast<uchar>(os2[4]) << 8) | static_cast<uchar>(os2[5]);
  EXPECT_LT(weightClass, 500) << "a bold face draws the About box";
  EXPECT_TRUE(base.cx >= 5 && base.cx <= 7 && base.cy >= 12 && base.cy <= 16) << base.cx << "x" << base.cy;
  EXPECT_EQ(about.size(), QSize(MulDiv(137, base.cx, 4), MulDiv(98, base.cy, 8)));
  EXPECT_EQ(about.minimumSize(), about.maximumSize()) << "the box is not resizable";
  const QRect inside(QPoint(0, 0), about.size());
  for (const QLabel* label : about.findChildren<QLabel*>()) {
    EXPECT_TRUE(inside.contains(label->geometry()));
    EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text())) << label->text().toStdString();
  }
}

TEST(AboutBox, ALongHostIsElidedInsideTheBoxNotCutOff) {
  const QString host = QStringLiteral("a-rather-long-host-name.of-a-department.example.org");
  CAboutDlg about(host);
  const QStringList texts = LabelTexts(about);
  ASSERT_EQ(texts.size(), 2);
  EXPECT_TRUE(texts[1].contains(QChar(0x2026))) << texts[1].toStdString();
  int iconMargin = -1;
  for (const QLabel* label : about.findChildren<QLabel*>()) {
    if (label->text().isEmpty()) {
      iconMargin = label->x();
    }
  }
  ASSERT_GT(iconMargin, 0);
  for (const QLabel* label : about.findChildren<QLabel*>()) {
    if (label->text() == texts[1]) {
      EXPECT_EQ(label->toolTip(), QStringLiteral("홈페이지: ") + host);
      // A screen reader gets the whole line, by name and as the box's description.
      EXPECT_EQ(label->accessibleName(), QStringLiteral("홈페이지: ") + host);
      EXPECT_EQ(about.accessibleDescription(), QStringLiteral("홈페이지: ") + host);
      // It keeps the box's narrowest margin, the icon's, on the right.
      EXPECT_LE(label->geometry().right() + 1, about.width() - iconMargin);
      EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text()));
    }
  }
}

TEST(AboutBox, EndsByButtonEnterAndEscape) {
  struct Row {
    const char* name;
    std::function<void(CAboutDlg&)> act;
    int result;
  };
  const Row rows[] = {
      {"OK button", [](CAboutDlg& d) { d.findChild<QPushButton*>()->click(); }, QDialog::Accepted},
      {"Enter", [](CAboutDlg& d) { QTest::keyClick(&d, Qt::Key_Return); }, QDialog::Accepted},
      {"Escape", [](CAboutDlg& d) { QTest::keyClick(&d, Qt::Key_Escape); }, QDialog::Rejected},
  };
  for (const Row& row : rows) {
    CAboutDlg about(QStringLiteral("www.varuno.kr"));
    bool acted = false;
    QTimer::singleShot(0, &about, [&] {
      acted = true;
      row.act(about);
    });
    // A box that fails to end would hang here: the fallback ends it.
    QTimer::singleShot(5000, &about, [&] { about.done(-1); });
    const int result = about.exec();
    EXPECT_TRUE(acted) << row.name;
    EXPECT_EQ(result, row.result) << row.name;
  }
}

}  // namespace
}  // namespace varuno
