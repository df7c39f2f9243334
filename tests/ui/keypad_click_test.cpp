// Clicking the bitmap buttons of the real window with the mouse: the down
// picture while held, one command per press and release over a button and
// none for a release elsewhere, and the worked tape clicked key by key.
#include <QImage>
#include <QSignalSpy>

#include <string>

#include "ui/bitmap_button.h"
#include "layout/button_table.h"
#include "key_script.h"
#include "keypad_pictures.h"
#include "engine/tape_text.h"
#include "ui/tape_view.h"
#include "window_fixture.h"

namespace varuno::test {
namespace {

QImage Grab(QWidget* widget) {
  QImage image = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
  image.setDevicePixelRatio(1.0);
  return image;
}

TEST_F(WindowTest, HoldingAButtonShowsItsDownPictureAndMovingOffSendsNothing) {
  for (const ButtonRow& row : ButtonTable()) {
    SCOPED_TRACE(row.objectName);
    BitmapButton* button = window->m_btnKeys[static_cast<std::size_t>(row.element)];
    QSignalSpy clicked(button, &QAbstractButton::clicked);
    EXPECT_EQ(Grab(button), ArtImage(row.upPicture, 1));
    QTest::mousePress(button, Qt::LeftButton, {}, button->rect().center());
    EXPECT_EQ(Grab(button), ArtImage(row.downPicture, 1));
    // Released beside the button: no command, and the button comes up.
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(button->width() + 2, -3));
    EXPECT_EQ(Grab(button), ArtImage(row.upPicture, 1));
    EXPECT_EQ(clicked.count(), 0);
  }
  EXPECT_TRUE(window->isVisible());
  EXPECT_FALSE(window->isMinimized());
  EXPECT_EQ(shell.aboutShown, 0);
  EXPECT_EQ(window->DisplayText(), "0");
  EXPECT_EQ(window->Tape().TapeText(), "");
}

void Click(CCalcDlg& window, ControlId id) {
  QAbstractButton* button = window.Button(id);
  ASSERT_NE(button, nullptr) << id;
  QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
}

TEST_F(WindowTest, AReleaseOverAButtonRunsItsCommandOnce) {
  Click(*window, IDC_BTN_7);
  EXPECT_EQ(window->DisplayText(), "7");
  Click(*window, IDC_BTN_00);
  EXPECT_EQ(window->DisplayText(), "700");
  Click(*window, IDC_BTN_BACK);
  EXPECT_EQ(window->DisplayText(), "70");
  Click(*window, IDC_BTN_MEM_ADD);
  EXPECT_EQ(window->MemoryList().RowCount(), 3);  // the value, the rule and the total
  Click(*window, IDC_BTN_ABOUT);
  EXPECT_EQ(shell.aboutShown, 1);
  Click(*window, IDC_BTN_MINIMIZE);
  EXPECT_TRUE(window->isMinimized());
  window->showNormal();
  Click(*window, IDCANCEL);
  EXPECT_FALSE(window->isVisible());
}

TEST_F(WindowTest, ClickingTheWorkedTapeWritesItOnTheTape) {
  const std::string keys = "C12+3=+4=*2=";
  for (const char key : keys) {
    Click(*window, ScriptControl(key));
  }
  const std::string expected = Line("12") + Line("＋3") + Line("＋4") + Line(kRuleText) +
                               Line("19") + Line("×2") + Line(kRuleText) + Line("38") +
                               Line("");  // the blank pending line
  EXPECT_EQ(window->Tape().TapeText(), expected);
  EXPECT_EQ(window->DisplayText(), "38");

  // The same keys on the engine alone give the same tape.
  Calculator reference;
  reference.Press(keys);
  EXPECT_EQ(window->Tape().TapeText(), reference.view.TapeText());
}

}  // namespace
}  // namespace varuno::test
