// The shell with the real calculator window: the About box from the title
// button and the window menu, the window menu's items, the tape's menu and
// the print dialog in Korean, the homepage from both hot spots, and closing
// the calculator ending the program. (Which points open the window menu is
// the window tests' business.)
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QLibraryInfo>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPrintDialog>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <QUrl>

#include <functional>
#include <vector>

#include "app/cabout_dlg.h"
#include "app/ccalc_app.h"
#include "ui/ccalc_dlg.h"
#include "dispatch/control_ids.h"
#include "modal_driver.h"
#include "ui/platform/null_keyboard_state.h"
#include "qstring_printer.h"
#include "app/qt_translation.h"
#include "ui/tape_view.h"

namespace varuno {
namespace {

using testing_support::ActiveMenu;
using testing_support::CloseEverything;
using testing_support::WhenActive;

// The calculator with its window menu reachable from the test.
class WindowUnderTest : public CCalcDlg {
 public:
  using CCalcDlg::CCalcDlg;
  using CCalcDlg::ShowWindowMenu;
};

CCalcApp& App() { return *qobject_cast<CCalcApp*>(QCoreApplication::instance()); }

QWidget* ActiveAbout() { return qobject_cast<CAboutDlg*>(QApplication::activeModalWidget()); }

// A point of the face outside every control and panel: the rim strip left of the tape.
constexpr QPoint kBareFacePoint(5, 300);

// Picks the menu item whose text is `text`, as the keyboard would.
void Choose(QWidget& popup, const QString& text) {
  auto& menu = static_cast<QMenu&>(popup);
  for (QAction* action : menu.actions()) {
    if (action->text() == text) {
      menu.setActiveAction(action);
      QTest::keyClick(&menu, Qt::Key_Return);
      return;
    }
  }
  ADD_FAILURE() << "no menu item " << text.toStdString();
  menu.close();
}

// The texts of a menu's items, "-" for a separator.
QStringList MenuItems(QWidget& popup) {
  QStringList items;
  for (const QAction* action : static_cast<QMenu&>(popup).actions()) {
    items << (action->isSeparator() ? QStringLiteral("-") : action->text());
  }
  return items;
}

// Qt's standard items and dialogs read Korean only where Debian's
// qt6-translations-l10n is installed.
bool QtReadsKorean() {
  QTranslator korean;
  return korean.load(QStringLiteral("qtbase_ko"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}
constexpr char kNoKorean[] = "Qt's Korean translation (qt6-translations-l10n) is not installed";

class ShellWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    App().SetUrlOpener([this](const QUrl& url) { m_opened.push_back(url); });
  }
  void TearDown() override {
    CloseEverything();
    App().SetUrlOpener([](const QUrl&) {});
    App().SetStartupHook({});
  }

  std::vector<QUrl> m_opened;
  NullKeyboardState m_keyboard;
  // Outlives the pollers that set it.
  bool m_menuFound = false;
};

TEST_F(ShellWindowTest, AboutBoxOpensFromTitleButtonAndWindowMenu) {
  struct Row {
    const char* name;
    std::function<void(WindowUnderTest&)> open;
  };
  const Row rows[] = {
      {"title button by mouse",
       [](WindowUnderTest& w) { QTest::mouseClick(w.Button(IDC_BTN_ABOUT), Qt::LeftButton); }},
      {"window menu",
       [this](WindowUnderTest& w) {
         m_menuFound = false;
         WhenActive(
             ActiveMenu, [](QWidget& m) { Choose(m, QStringLiteral("VarunoCalc 정보(&A)...")); }, &m_menuFound);
         w.ShowWindowMenu(w.mapToGlobal(kBareFacePoint));
         EXPECT_TRUE(m_menuFound);
       }},
  };
  const QString hostLine = QStringLiteral("홈페이지: ") + QUrl(QStringLiteral(VARUNO_HOMEPAGE)).host();
  for (const Row& row : rows) {
    WindowUnderTest calculator(App(), m_keyboard);
    calculator.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&calculator));
    ASSERT_NE(calculator.Button(IDC_BTN_ABOUT), nullptr);

    bool found = false;
    QPointer<QWidget> parent;
    QPoint offset;
    QStringList texts;
    bool hasIcon = false;
    WhenActive(
        ActiveAbout,
        [&](QWidget& about) {
          parent = about.parentWidget();
          offset = about.geometry().center() - calculator.geometry().center();
          for (const QLabel* label : about.findChildren<QLabel*>()) {
            texts << label->text();
            hasIcon = hasIcon || !label->pixmap().isNull();
          }
          about.close();
        },
        &found);
    row.open(calculator);
    EXPECT_TRUE(found) << row.name;
    EXPECT_EQ(parent.data(), &calculator) << row.name << ": modal over the calculator";
    EXPECT_LE(offset.manhattanLength(), 2) << row.name << ": centred on the calculator";
    EXPECT_TRUE(texts.contains(hostLine)) << row.name;
    EXPECT_TRUE(hasIcon) << row.name << ": the application icon";
    EXPECT_TRUE(calculator.isVisible()) << row.name << ": the calculator stays open";
  }
}

TEST_F(ShellWindowTest, WindowMenuEndsWithAboutAfterASeparator) {
  WindowUnderTest calculator(App(), m_keyboard);
  calculator.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&calculator));

  bool found = false;
  QStringList items;
  QStringList keys;  // the shortcut column
  WhenActive(
      ActiveMenu,
      [&](QWidget& popup) {
        items = MenuItems(popup);
        // Everything can be chosen but undo and redo: nothing was done yet.
        for (const QAction* action : popup.actions()) {
          keys << action->shortcut().toString(QKeySequence::PortableText);
          const bool history = action->text() == QStringLiteral("실행 취소") ||
                               action->text() == QStringLiteral("다시 실행");
          EXPECT_EQ(action->isEnabled(), !history) << action->text().toStdString();
        }
        QTest::keyClick(&popup, Qt::Key_Escape);
      },
      &found);
  calculator.ShowWindowMenu(calculator.mapToGlobal(kBareFacePoint));
  ASSERT_TRUE(found);
  EXPECT_EQ(items, QStringList({QStringLiteral("최소화(&N)"), QStringLiteral("닫기(&C)"), QStringLiteral("-"),
                                QStringLiteral("실행 취소"), QStringLiteral("다시 실행"), QStringLiteral("-"),
                                QStringLiteral("계산 기록 복사"), QStringLiteral("계산 기록 인쇄..."),
                                QStringLiteral("-"), QStringLiteral("금액을 한글로 복사"),
                                QStringLiteral("금액을 문서 형식으로 복사"), QStringLiteral("-"),
                                QStringLiteral("VarunoCalc 정보(&A)...")}));
  // Each item shows the key that does the same outside the menu.
  EXPECT_EQ(keys, QStringList({QStringLiteral("Ctrl+H"), QStringLiteral("Ctrl+Q"), QString(), QStringLiteral("Ctrl+Z"),
                               QStringLiteral("Ctrl+Y"), QString(), QString(), QStringLiteral("Ctrl+P"), QString(),
                               QString(), QString(), QString(), QStringLiteral("F1")}));
  // Dismissing the menu does nothing.
  EXPECT_EQ(ActiveAbout(), nullptr);
  EXPECT_TRUE(calculator.isVisible());
  EXPECT_FALSE(calculator.isMinimized());
}

TEST_F(ShellWindowTest, WindowMenuMinimises) {
  WindowUnderTest calculator(App(), m_keyboard);
  calculator.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&calculator));
  bool found = false;
  WhenActive(ActiveMenu, [](QWidget& popup) { Choose(popup, QStringLiteral("최소화(&N)")); }, &found);
  calculator.ShowWindowMenu(calculator.mapToGlobal(kBareFacePoint));
  EXPECT_TRUE(found);
  EXPECT_TRUE(calculator.isMinimized());
}

// The standard items come from Qt's Korean translation, loaded at start-up.
TEST_F(ShellWindowTest, TapeMenuReadsKoreanAndCopiesTheWholeTape) {
  WindowUnderTest calculator(App(), m_keyboard);
  calculator.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&calculator));
  for (const ControlId id : {IDC_BTN_1, IDC_BTN_2, IDC_BTN_ADD, IDC_BTN_3, IDC_BTN_EQUALS}) {
    calculator.OnCommand(BN_CLICKED, id);
  }
  bool found = false;
  QStringList items;
  WhenActive(
      ActiveMenu,
      [&](QWidget& popup) {
        items = MenuItems(popup);
        Choose(popup, QStringLiteral("계산 기록 복사"));
      },
      &found);
  QWidget* viewport = calculator.Tape().viewport();
  QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(20, 20), viewport->mapToGlobal(QPoint(20, 20)));
  QApplication::sendEvent(viewport, &event);
  ASSERT_TRUE(found);
  EXPECT_EQ(items.mid(items.size() - 3), QStringList({QStringLiteral("-"), QStringLiteral("계산 기록 복사"),
                                                      QStringLiteral("계산 기록 인쇄...")}));
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("12\n+3\n──────\n15\n"));
  // Where the translation is missing nothing is installed and nothing fails.
  EXPECT_FALSE(InstallQtTranslation(App(), QStringLiteral("/nonexistent")));
  if (!QtReadsKorean()) {
    GTEST_SKIP() << kNoKorean;
  }
  // Qt's items carry their shortcut after a tab.
  EXPECT_TRUE(items.value(0).startsWith(QStringLiteral("복사(&C)\t"))) << items.join(QLatin1Char('|')).toStdString();
  EXPECT_EQ(items.filter(QStringLiteral("모두 선택")).size(), 1) << items.join(QLatin1Char('|')).toStdString();
}

TEST_F(ShellWindowTest, PrintOpensTheKoreanPrintDialogFromCtrlPAndTheWindowMenu) {
  struct Row {
    const char* name;
    std::function<void(WindowUnderTest&)> open;
  };
  const Row rows[] = {
      {"Ctrl+P",
       [](WindowUnderTest& w) {
         QTest::keyClick(w.Control(IDC_MEMORY_LIST), Qt::Key_P, Qt::ControlModifier);
         // The print runs queued, behind the clicks of keys typed before it.
         QCoreApplication::processEvents();
       }},
      {"window menu",
       [this](WindowUnderTest& w) {
         m_menuFound = false;
         WhenActive(ActiveMenu, [](QWidget& m) { Choose(m, QStringLiteral("계산 기록 인쇄...")); }, &m_menuFound);
         w.ShowWindowMenu(w.mapToGlobal(kBareFacePoint));
         EXPECT_TRUE(m_menuFound);
       }},
  };
  const bool korean = QtReadsKorean();
  for (const Row& row : rows) {
    WindowUnderTest calculator(App(), m_keyboard);
    calculator.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&calculator));
    bool found = false;
    QString title;
    WhenActive([] { return qobject_cast<QPrintDialog*>(QApplication::activeModalWidget()); },
               [&](QWidget& dialog) {
                 title = dialog.windowTitle();
                 static_cast<QDialog&>(dialog).reject();
               },
               &found);
    row.open(calculator);
    EXPECT_TRUE(found) << row.name;
    EXPECT_TRUE(!korean || title.contains(QStringLiteral("인쇄"))) << row.name << ": " << title.toStdString();
    EXPECT_TRUE(calculator.isVisible()) << row.name;
  }
  if (!korean) {
    GTEST_SKIP() << kNoKorean << ": the dialog's title was not checked";
  }
}

// Printing to a file on a full disk: the print dialog's file is /dev/full,
// every write fails, and the window says the tape was not printed.
TEST_F(ShellWindowTest, APrintThatCannotBeWrittenSaysSo) {
  WindowUnderTest calculator(App(), m_keyboard);
  calculator.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&calculator));
  for (const ControlId id : {IDC_BTN_1, IDC_BTN_2, IDC_BTN_ADD, IDC_BTN_3, IDC_BTN_EQUALS}) {
    calculator.OnCommand(BN_CLICKED, id);
  }
  bool dialogFound = false;
  bool toFile = false;
  bool messageFound = false;
  QString message;
  WhenActive([] { return qobject_cast<QPrintDialog*>(QApplication::activeModalWidget()); },
             [&](QWidget& dialog) {
               // Qt's own dialog: printing to a PDF file, its name in the "filename" field.
               auto* file = dialog.findChild<QLineEdit*>(QStringLiteral("filename"));
               toFile = file != nullptr && file->isEnabled();
               if (file != nullptr) {
                 file->setText(QStringLiteral("/dev/full"));
               }
               WhenActive([] { return qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); },
                          [&](QWidget& box) {
                            message = static_cast<QMessageBox&>(box).text();
                            static_cast<QMessageBox&>(box).accept();
                          },
                          &messageFound);
               static_cast<QDialog&>(dialog).accept();
             },
             &dialogFound);
  QTest::keyClick(calculator.Control(IDC_MEMORY_LIST), Qt::Key_P, Qt::ControlModifier);
  QCoreApplication::processEvents();
  ASSERT_TRUE(dialogFound);
  if (!toFile) {
    GTEST_SKIP() << "the print dialog offers a printer, not a file";
  }
  EXPECT_TRUE(messageFound);
  EXPECT_EQ(message, QStringLiteral("계산 기록을 인쇄하지 못했습니다."));
}

TEST_F(ShellWindowTest, BothHotSpotsOpenTheConfiguredHomepage) {
  for (const ControlId id : {IDC_LOGO, IDC_HOMEPAGE}) {
    m_opened.clear();
    WindowUnderTest calculator(App(), m_keyboard);
    calculator.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&calculator));
    QAbstractButton* spot = calculator.Button(id);
    ASSERT_NE(spot, nullptr) << id;
    QTest::mouseClick(spot, Qt::LeftButton);
    ASSERT_EQ(m_opened.size(), 1U) << id;
    EXPECT_EQ(m_opened[0], QUrl(QStringLiteral(VARUNO_HOMEPAGE))) << id;
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << id << ": nothing waits for the browser";
  }
}

TEST_F(ShellWindowTest, ClosingTheCalculatorEndsTheProgram) {
  struct Row {
    const char* name;
    std::function<void(CCalcDlg&)> close;
  };
  const Row rows[] = {
      {"close button", [](CCalcDlg& c) { QTest::mouseClick(c.Button(IDCANCEL), Qt::LeftButton); }},
      {"window menu",
       [this](CCalcDlg& c) {
         m_menuFound = false;
         WhenActive(ActiveMenu, [](QWidget& popup) { Choose(popup, QStringLiteral("닫기(&C)")); }, &m_menuFound);
         QContextMenuEvent event(QContextMenuEvent::Mouse, kBareFacePoint, c.mapToGlobal(kBareFacePoint));
         QApplication::sendEvent(&c, &event);
         EXPECT_TRUE(m_menuFound);
       }},
      {"the window system's close", [](CCalcDlg& c) { c.close(); }},
  };
  for (const Row& row : rows) {
    bool ranModal = false;
    App().SetStartupHook([&](CCalcDlg& calculator) {
      QTimer::singleShot(0, &calculator, [&] {
        ranModal = calculator.isVisible() && calculator.isModal();
        row.close(calculator);
      });
      // A close that does not end the loop would hang the test.
      QTimer::singleShot(5000, &calculator, [&] {
        ADD_FAILURE() << row.name << ": the calculator did not close";
        CloseEverything();
        calculator.reject();
      });
    });
    EXPECT_FALSE(App().InitInstance()) << row.name;
    EXPECT_TRUE(ranModal) << row.name;
    for (const QWidget* window : QApplication::topLevelWidgets()) {
      EXPECT_FALSE(window->isVisible()) << row.name << ": " << window->metaObject()->className();
    }
  }
}

}  // namespace
}  // namespace varuno
