// Copy, paste and the tape items on the main window: which number a copy
// takes from where the keyboard focus is, that a refused paste changes
// nothing at all, and the same on the clipboard of a real X server.
#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTextBlock>
#include <QTextDocumentFragment>
#include <QTimer>
#include <QToolTip>

#include <optional>
#include <string>
#include <tuple>

#include "engine/amount_words.h"
#include "ui/amount_readings.h"
#include "ui/clipboard_actions.h"
#include "ui/memory_list_view.h"
#include "ui/speech_announcer.h"
#include "stalled_clipboard_owner.h"
#include "ui/tape_view.h"
#include "window_fixture.h"

namespace varuno::test {
namespace {

const Qt::KeyboardModifiers kCtrl = Qt::ControlModifier;
const Qt::KeyboardModifiers kShift = Qt::ShiftModifier;
const QString kUntouched = QStringLiteral("untouched");

QClipboard& Board() { return *QGuiApplication::clipboard(); }

// Waits until the clipboard reads `text`: on X11 a new owner takes effect
// through the server.
void SetClipboard(const QString& text, QClipboard::Mode mode = QClipboard::Clipboard) {
  Board().setText(text, mode);
  for (int i = 0; i < 100 && Board().text(mode) != text; ++i) {
    QTest::qWait(10);
  }
}

std::string Clipboard() { return Board().text().toStdString(); }

class ClipboardTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    refusals = std::make_unique<QSignalSpy>(&window->Clipboard(), &ClipboardActions::refused);
    SetClipboard(kUntouched);
  }

  // Types a key at a control, as the user would, and lets it be handled.
  void Type(ControlId focus, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QWidget* control = window->Control(focus);
    control->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(control, key, modifiers);
    QCoreApplication::processEvents();
  }

  // Everything a paste could change.
  auto Snapshot() const {
    const CalcState& s = window->Engine().State();
    auto& list = static_cast<MemoryListView&>(window->MemoryList());
    std::vector<std::string> rows;
    for (int i = 0; i < list.RowCount(); ++i) {
      rows.push_back(list.RowText(i));
    }
    return std::make_tuple(window->DisplayText(), window->Tape().TapeText(), rows, s.m_strEntry, s.m_strTape,
                           s.m_bNegative, s.m_nPhase, s.m_dAccum, s.m_dOperand, s.m_chOp, s.m_chPrevOp);
  }

  MemoryListView& List() const { return static_cast<MemoryListView&>(window->MemoryList()); }

  std::unique_ptr<QSignalSpy> refusals;
};

TEST_F(ClipboardTest, CopyTakesTheNumberShownWhereverTheFocusIs) {
  struct Case {
    const char* keys;
    ControlId focus;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* copied;  // nullptr: the clipboard is left alone
  };
  const Case cases[] = {
      {"1234.5", IDC_MEMORY_LIST, Qt::Key_C, kCtrl, "1234.5"},  // an empty list: the display
      {"1234.5+0.5=", IDC_TAPE, Qt::Key_Insert, kCtrl, "1235"},
      {"1234567.5", IDC_DISPLAY, Qt::Key_C, kCtrl, "1234567.5"},
      {"12=S", IDC_BTN_5, Qt::Key_C, kCtrl, "-0"},
      // Not the copy shortcut.
      {"5", IDC_TAPE, Qt::Key_C, kCtrl | kShift, nullptr},
      {"5", IDC_TAPE, Qt::Key_C, Qt::AltModifier, nullptr},
  };
  for (const Case& c : cases) {
    Press("C");
    Press(c.keys);
    SetClipboard(kUntouched);
    Type(c.focus, c.key, c.modifiers);
    EXPECT_EQ(Clipboard(), c.copied != nullptr ? c.copied : kUntouched.toStdString()) << c.keys;
  }
  EXPECT_EQ(refusals->count(), 0);

  // A selection in the tape or the display copies itself, as it stands.
  Press("C12+3=");
  auto& tape = window->Tape();
  tape.setFocus();
  tape.selectAll();
  Type(IDC_TAPE, Qt::Key_C, kCtrl);
  EXPECT_EQ(Board().text(), tape.textCursor().selection().toPlainText());
  EXPECT_EQ(Board().text().left(20), QString(20, QLatin1Char(' ')));
  auto* display = static_cast<QLineEdit*>(window->Control(IDC_DISPLAY));
  display->setFocus();
  display->setSelection(0, 1);
  Type(IDC_DISPLAY, Qt::Key_C, kCtrl);
  EXPECT_EQ(Clipboard(), "1");
}

TEST_F(ClipboardTest, CopyInTheMemoryListTakesTheSelectedRow) {
  Press("1234.5M C100M C77");
  struct Case {
    int row;
    const char* copied;  // nullptr: refused, the clipboard is left alone
  };
  const Case cases[] = {{0, "1234.5"}, {1, "100"}, {2, nullptr}, {3, "1334.5"}, {-1, "77"}};
  for (const Case& c : cases) {
    SetClipboard(kUntouched);
    List().SelectRow(c.row);
    const auto refused = refusals->count();
    Type(IDC_MEMORY_LIST, Qt::Key_C, kCtrl);
    EXPECT_EQ(Clipboard(), c.copied != nullptr ? c.copied : kUntouched.toStdString()) << c.row;
    EXPECT_EQ(refusals->count(), refused + (c.copied != nullptr ? 0 : 1)) << c.row;
  }
}

TEST_F(ClipboardTest, PasteTypesOneNumberAndARefusedPasteChangesNothing) {
  Press("12+");
  SetClipboard(QStringLiteral(" 1,234.50\n"));
  Type(IDC_MEMORY_LIST, Qt::Key_V, kCtrl);
  EXPECT_EQ(window->DisplayText(), "1,234.50");
  SetClipboard(QStringLiteral("\u22120.25"));
  Type(IDC_TAPE, Qt::Key_Insert, kShift);
  EXPECT_EQ(window->DisplayText(), "-0.25");
  Press("=");
  EXPECT_EQ(window->DisplayText(), "11.75");
  EXPECT_EQ(refusals->count(), 0);

  Press("5+3");
  const auto before = Snapshot();
  const QString refused[] = {QStringLiteral("1 2"), QStringLiteral("123456789012345"),
                             QString(300, QLatin1Char('1')), QString()};
  for (const QString& text : refused) {
    SetClipboard(text);
    Type(IDC_DISPLAY, Qt::Key_V, kCtrl);
    Type(IDC_MEMORY_LIST, Qt::Key_Insert, kShift);
    EXPECT_EQ(Snapshot(), before) << text.toStdString();
  }
  // Keypad 0 that Shift turned into Insert (Num Lock on) pastes nothing.
  SetClipboard(QStringLiteral("42"));
  Type(IDC_MEMORY_LIST, Qt::Key_Insert, kShift | Qt::KeypadModifier);
  EXPECT_EQ(Snapshot(), before);
  // A clipboard holding no text at all.
  auto* picture = new QMimeData;
  picture->setData(QStringLiteral("image/png"), QByteArray("\x89PNG", 4));
  Board().setMimeData(picture);
  QTest::qWait(20);
  Type(IDC_MEMORY_LIST, Qt::Key_V, kCtrl);
  EXPECT_EQ(Snapshot(), before);
  EXPECT_EQ(refusals->count(), static_cast<qsizetype>(2 * std::size(refused) + 1));
}

// Keys that arrive in one batch are carried out in their order: a paste or
// copy waits for the clicks of the keys typed before it.
TEST_F(ClipboardTest, KeysInOneBatchAreCarriedOutInOrder) {
  QWidget* list = window->Control(IDC_MEMORY_LIST);
  list->setFocus(Qt::OtherFocusReason);
  SetClipboard(QStringLiteral("7"));
  QTest::keyClick(list, Qt::Key_9);
  QTest::keyClick(list, Qt::Key_V, kCtrl);
  QTest::keyClick(list, Qt::Key_1);
  QTest::keyClick(list, Qt::Key_2);
  QTest::keyClick(list, Qt::Key_C, kCtrl);
  QCoreApplication::processEvents();
  EXPECT_EQ(window->DisplayText(), "712");
  EXPECT_EQ(Clipboard(), "712");
}

TEST_F(ClipboardTest, TheTapeItemCopiesTheWholeTapeAndAnEmptyTapeNothing) {
  Press("12+3=-1=*2");
  window->OnSysCommand(COPY_TAPE_SYSCOMMAND);
  EXPECT_EQ(Clipboard(), "12\n+3\n-1\n──────\n14\n*2\n");
  // What the tape view shows is untouched.
  EXPECT_NE(window->Tape().TapeText().find("＋3"), std::string::npos);

  Press("C");
  SetClipboard(kUntouched);
  window->Clipboard().CopyTapeAction()->trigger();
  EXPECT_EQ(Board().text(), kUntouched);
  EXPECT_EQ(refusals->count(), 1);
}

TEST_F(ClipboardTest, MiddleClickOnTheDisplayPastesThePrimarySelection) {
  if (!Board().supportsSelection()) {
    GTEST_SKIP() << "the platform has no primary selection";
  }
  SetClipboard(QStringLiteral("-42"), QClipboard::Selection);
  SetClipboard(QStringLiteral("7"));
  QTest::mouseClick(window->Control(IDC_DISPLAY), Qt::MiddleButton);
  EXPECT_EQ(window->DisplayText(), "-42");
}

// Opens a context menu with a right click at a point of `widget` and
// triggers its item `text`; returns the texts of the menu's items.
QStringList ChooseFromContextMenu(QWidget* widget, QPoint pos, const QString& text) {
  QStringList items;
  QTimer chooser;
  chooser.setInterval(5);
  QObject::connect(&chooser, &QTimer::timeout, &chooser, [&items, &text] {
    if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
      for (QAction* action : menu->actions()) {
        items << action->text();
        if (action->text() == text) {
          menu->setActiveAction(action);
        }
      }
      QTest::keyClick(menu, Qt::Key_Return);
    }
  });
  chooser.start();
  QContextMenuEvent event(QContextMenuEvent::Mouse, pos, widget->mapToGlobal(pos));
  QApplication::sendEvent(widget, &event);
  QCoreApplication::processEvents();
  return items;
}

// The tooltip a control shows when the pointer rests at `pos`.
QString ToolTipAt(QWidget* widget, QPoint pos) {
  QToolTip::hideText();
  // A tooltip goes a moment after it is told to.
  for (int i = 0; i < 100 && QToolTip::isVisible(); ++i) {
    QTest::qWait(10);
  }
  QHelpEvent event(QEvent::ToolTip, pos, widget->mapToGlobal(pos));
  QApplication::sendEvent(widget, &event);
  return QToolTip::isVisible() ? QToolTip::text() : QString();
}

TEST_F(ClipboardTest, TheNumbersShownReadByManGroups) {
  QWidget* display = window->Control(IDC_DISPLAY);
  Press("123456789");
  EXPECT_EQ(display->toolTip(), QStringLiteral("1억 2,345만 6,789"));
  EXPECT_EQ(display->accessibleDescription(), QStringLiteral("1억 2,345만 6,789"));
  Press("M+1=");
  EXPECT_EQ(display->accessibleDescription(), QStringLiteral("1억 2,345만 6,790"));
  Press("C5");
  EXPECT_EQ(display->toolTip(), QString());
  EXPECT_EQ(display->accessibleDescription(), QString());

  // The tape line and the memory row under the pointer.
  Press("C1250000+3=");
  auto& tape = window->Tape();
  QTextCursor line(tape.document()->findBlockByNumber(0));
  EXPECT_EQ(ToolTipAt(tape.viewport(), tape.cursorRect(line).center()), QStringLiteral("125만"));
  line = QTextCursor(tape.document()->findBlockByNumber(1));  // "＋3"
  EXPECT_EQ(ToolTipAt(tape.viewport(), tape.cursorRect(line).center()), QString());
  const QRect row = List().visualItemRect(List().item(0));
  EXPECT_EQ(ToolTipAt(List().viewport(), row.center()), QStringLiteral("1억 2,345만 6,789"));
  EXPECT_EQ(ToolTipAt(List().viewport(), row.center() + QPoint(0, 100)), QString());
}

TEST_F(ClipboardTest, AmountsCopyInWordsAndAnAmountThatCannotBeNothing) {
  Press("1250000");
  window->OnSysCommand(COPY_AMOUNT_WORDS_SYSCOMMAND);
  EXPECT_EQ(Clipboard(), "일금 일백이십오만원정");
  window->OnSysCommand(COPY_AMOUNT_DOCUMENT_SYSCOMMAND);
  EXPECT_EQ(Clipboard(), "금1,250,000원(금일백이십오만원)");

  // The display's menu copies the display; the list's the row under the pointer.
  Press("M C234580M C1");
  QWidget* display = window->Control(IDC_DISPLAY);
  const QString words = QString::fromUtf8(kCopyAmountWordsText);
  const QString document = QString::fromUtf8(kCopyAmountDocumentText);
  EXPECT_TRUE(ChooseFromContextMenu(display, QPoint(5, 5), words).contains(document));
  EXPECT_EQ(Clipboard(), "일금 일원정");
  const QRect second = List().visualItemRect(List().item(1));
  EXPECT_TRUE(ChooseFromContextMenu(List().viewport(), second.center(), document).contains(words));
  EXPECT_EQ(Clipboard(), "금234,580원(금이십삼만사천오백팔십원)");
  const QRect total = List().visualItemRect(List().item(3));
  ChooseFromContextMenu(List().viewport(), total.center(), words);
  EXPECT_EQ(Clipboard(), "일금 일백사십팔만사천오백팔십원정");
  EXPECT_EQ(refusals->count(), 0);

  // Zero, a negative amount, a fraction of a won, the rule row: nothing is
  // copied, the window beeps and says why at the display, and to a screen
  // reader.
  QSignalSpy amountRefusals(&window->Amounts(), &AmountReadings::refused);
  display->setFocus();
  const char* refused[] = {"C", "C5S", "C0.5"};
  for (const char* keys : refused) {
    Press(keys);
    SetClipboard(kUntouched);
    QToolTip::hideText();
    window->OnSysCommand(COPY_AMOUNT_WORDS_SYSCOMMAND);
    EXPECT_EQ(Board().text(), kUntouched) << keys;
    for (int i = 0; i < 100 && !QToolTip::isVisible(); ++i) {
      QTest::qWait(10);
    }
    EXPECT_EQ(QToolTip::text(), QString::fromUtf8(kAmountWordsRefusal.data(),
                                                  static_cast<qsizetype>(kAmountWordsRefusal.size())));
    EXPECT_EQ(window->Announcer().Text(), QToolTip::text()) << keys;
  }
  SetClipboard(kUntouched);
  const QRect rule = List().visualItemRect(List().item(2));
  ChooseFromContextMenu(List().viewport(), rule.center(), document);
  EXPECT_EQ(Board().text(), kUntouched);
  EXPECT_EQ(amountRefusals.count(), static_cast<qsizetype>(std::size(refused)) + 1);
}

TEST_F(ClipboardTest, PasteTakesAmountsAsKoreanDocumentsWriteThem) {
  SetClipboard(QStringLiteral("1,250,000원"));
  Type(IDC_MEMORY_LIST, Qt::Key_V, kCtrl);
  EXPECT_EQ(window->DisplayText(), "1,250,000");
  Press("+");
  SetClipboard(QStringLiteral("125만"));
  Type(IDC_DISPLAY, Qt::Key_V, kCtrl);
  Press("=");
  EXPECT_EQ(window->DisplayText(), "2,500,000");
  EXPECT_EQ(refusals->count(), 0);
}

// The clipboard of the X server itself, as other programs see it: read and
// written by xclip.
TEST_F(ClipboardTest, OtherProgramsOnTheXServerReadTheCopyAndFeedThePaste) {
  const QString xclip = QStandardPaths::findExecutable(QStringLiteral("xclip"));
  if (QGuiApplication::platformName() != QStringLiteral("xcb") || xclip.isEmpty()) {
    GTEST_SKIP() << "needs the xcb platform and xclip";
  }
  // Runs xclip while this program keeps serving its own clipboard.
  const auto run = [&xclip](const QStringList& arguments, const QByteArray& input) {
    QProcess process;
    process.start(xclip, arguments);
    process.write(input);
    process.closeWriteChannel();
    for (int i = 0; i < 500 && process.state() != QProcess::NotRunning; ++i) {
      QTest::qWait(10);
    }
    process.kill();
    process.waitForFinished();
    return process.readAllStandardOutput();
  };

  Press("1234.5+0.25=");
  Type(IDC_TAPE, Qt::Key_C, kCtrl);
  EXPECT_EQ(run({QStringLiteral("-o"), QStringLiteral("-selection"), QStringLiteral("clipboard")}, {}),
            QByteArray("1234.75"));
  // An amount in words reaches other programs as UTF-8.
  Press("C1234");
  window->OnSysCommand(COPY_AMOUNT_WORDS_SYSCOMMAND);
  EXPECT_EQ(run({QStringLiteral("-o"), QStringLiteral("-selection"), QStringLiteral("clipboard")}, {}),
            QByteArray("일금 일천이백삼십사원정"));

  // xclip serves its text until it has answered this program's requests.
  QProcess owner;
  owner.start(xclip, {QStringLiteral("-quiet"), QStringLiteral("-selection"), QStringLiteral("clipboard")});
  owner.write("\u22127,000.5\n");
  owner.closeWriteChannel();
  for (int i = 0; i < 200 && Board().text() != QStringLiteral("\u22127,000.5\n"); ++i) {
    QTest::qWait(10);
  }
  Type(IDC_MEMORY_LIST, Qt::Key_V, kCtrl);
  EXPECT_EQ(window->DisplayText(), "-7,000.5");
  owner.kill();
  owner.waitForFinished();
}

// Another program owns the clipboard and has stopped answering: a paste
// asks it once, so it waits Qt's 5 s for one answer, not for one per
// question, and is refused.
TEST_F(ClipboardTest, AStalledClipboardOwnerIsAskedOnce) {
  if (QGuiApplication::platformName() != QStringLiteral("xcb")) {
    GTEST_SKIP() << "needs the xcb platform";
  }
  StalledClipboardOwner owner(qgetenv("DISPLAY").constData());
  ASSERT_TRUE(owner.Owns());
  Press("12");
  const auto before = Snapshot();
  Type(IDC_MEMORY_LIST, Qt::Key_V, kCtrl);
  EXPECT_EQ(owner.Requests(), 1);
  EXPECT_EQ(Snapshot(), before);
  EXPECT_EQ(refusals->count(), 1);
}

}  // namespace
}  // namespace varuno::test
